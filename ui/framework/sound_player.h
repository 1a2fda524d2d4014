#pragma once
// One player for the game's wave files: asynchronous, a new sound replaces the
// one playing, failures stay silent. Files are sound/NAME relative to the
// current directory. The multimedia code lives in a module loaded when the
// first sound is played; a machine without an audio output plays nothing.

#include <QObject>
#include <QString>

#include <memory>

class SoundBackend;

// The file a sound name stands for, as an absolute path.
QString ResolveSoundPath(const QString& file);

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    void Play(const QString& file);

    // The file last asked for, as a path relative to the current directory.
    QString lastPath() const { return lastPath_; }
    // Whether that file was handed to the audio output (false: no output or no file).
    bool lastStarted() const { return lastStarted_; }

    // Whether the machine has an audio output; asked once, quietly. Loads the
    // sound module; false when it cannot be loaded.
    static bool HasAudioOutput();
    // Whether the sound module has been loaded into the process yet.
    static bool IsModuleLoaded();

private:
    std::unique_ptr<SoundBackend> backend_;
    QString lastPath_;
    bool lastStarted_ = false;
};
