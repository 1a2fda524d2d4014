#pragma once
// One player for the game's wave files: asynchronous, a new sound replaces the
// one playing, failures stay silent. Files are sound/NAME relative to the
// current directory.

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

private:
    QSoundEffect* effect_ = nullptr;
    QString lastPath_;
};
