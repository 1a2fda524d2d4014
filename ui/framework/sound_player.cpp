#include "ui/framework/sound_player.h"

#include <QDir>
#include <QSoundEffect>
#include <QUrl>

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

void SoundPlayer::Play(const QString& file)
{
    lastPath_ = QStringLiteral("sound/") + file;
    // Created on first use, so a run with sound off never opens the audio device.
    if (!effect_)
        effect_ = new QSoundEffect(this);
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(QDir::current().absoluteFilePath(lastPath_)));
    effect_->play();
}
