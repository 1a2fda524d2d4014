#pragma once
// One player for the game's wave files: asynchronous, a new sound replaces the
// one playing, failures stay silent. Files are sound/NAME relative to the
// current directory or, where that has none, in the content folder's sound/,
// so a game started from any folder sounds the same. The multimedia code lives
// in a module loaded when the first sound is played; a machine without an
// audio output plays nothing.

#include <QObject>
#include <QString>

#include <memory>

class SoundBackend;

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    // contentFolder: where the game's content lies (news.txt, helpinfo, sound/).
    explicit SoundPlayer(const QString& contentFolder = QString(), QObject* parent = nullptr);
    ~SoundPlayer() override;

    void Play(const QString& file);

    // The file that plays for file: sound/file in the current directory when
    // it is there, otherwise in the content folder; empty when neither has it.
    QString Resolve(const QString& file) const;

    // The file last asked for: the path Resolve found, or sound/NAME relative
    // to the current directory when nothing was found.
    QString lastPath() const { return lastPath_; }
    // Whether that file was handed to the audio output (false: no output or no file).
    bool lastStarted() const { return lastStarted_; }

    // Whether the machine has an audio output; asked once, quietly. Loads the
    // sound module; false when it cannot be loaded.
    static bool HasAudioOutput();
    // Whether the sound module has been loaded into the process yet.
    static bool IsModuleLoaded();

private:
    QString contentFolder_;
    std::unique_ptr<SoundBackend> backend_;
    QString lastPath_;
    bool lastStarted_ = false;
};
