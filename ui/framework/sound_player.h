#pragma once
// One player for the game's wave files: asynchronous, a new sound replaces the
// one playing, failures stay silent. Files are sound/NAME relative to the
// current directory. A machine without an audio output plays nothing and the
// multimedia backend is never started for playback.

#include <QObject>
#include <QString>

class QSoundEffect;

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);

    void Play(const QString& file);

    // The file last asked for, as a path relative to the current directory.
    QString lastPath() const { return lastPath_; }
    // Whether that file was handed to the audio output (false: no output or no file).
    bool lastStarted() const { return lastStarted_; }

    // Whether the machine has an audio output; asked once, quietly.
    static bool HasAudioOutput();

private:
    QSoundEffect* effect_ = nullptr;
    QString lastPath_;
    bool lastStarted_ = false;
};
