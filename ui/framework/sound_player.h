#pragma once
// One player for the game's wave files: asynchronous, a new sound replaces the
// one playing, failures stay silent. Files are sound/NAME relative to the
// current directory or, where that has none, in the content folder's sound/,
// so a game started from any folder sounds the same. A machine without an
// audio output plays nothing and the multimedia backend is never started for
// playback.

#include <QObject>
#include <QString>

class QSoundEffect;

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    // contentFolder: where the game's content lies (news.txt, helpinfo, sound/).
    explicit SoundPlayer(const QString& contentFolder = QString(), QObject* parent = nullptr);

    void Play(const QString& file);

    // The file that plays for file: sound/file in the current directory when
    // it is there, otherwise in the content folder; empty when neither has it.
    QString Resolve(const QString& file) const;

    // The file last asked for: the path Resolve found, or sound/NAME relative
    // to the current directory when nothing was found.
    QString lastPath() const { return lastPath_; }
    // Whether that file was handed to the audio output (false: no output or no file).
    bool lastStarted() const { return lastStarted_; }

    // Whether the machine has an audio output; asked once, quietly.
    static bool HasAudioOutput();

private:
    QString contentFolder_;
    QSoundEffect* effect_ = nullptr;
    QString lastPath_;
    bool lastStarted_ = false;
};
