#pragma once
// What the sound module offers the game. The module holds the multimedia code,
// so the game links none of it and loads it only when a sound is first played.

#include <QString>

class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // Whether the machine has an audio output; asked once, quietly.
    virtual bool HasOutput() = 0;
    // Starts playing the wave file and returns at once; a sound still playing
    // is replaced. Failures stay silent.
    virtual void Play(const QString& absolutePath) = 0;
    // Stops the sound playing, if any.
    virtual void Stop() = 0;
};

// The module's one exported function: a new backend, owned by the caller.
using CreateSoundBackend = SoundBackend* (*)();
inline constexpr char kCreateSoundBackendSymbol[] = "torvane_create_sound_backend";
inline constexpr char kSoundModuleName[] = "libtorvane_sound.so";
