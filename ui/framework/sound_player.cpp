#include "ui/framework/sound_player.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

// The audio backend complains on standard error when it finds no sound server;
// a machine without sound is normal for this game, so the probe keeps quiet.
void DropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

bool SoundPlayer::HasAudioOutput()
{
    static const bool has = [] {
        const QtMessageHandler previous = qInstallMessageHandler(DropMessage);
        const bool found = !QMediaDevices::audioOutputs().isEmpty();
        qInstallMessageHandler(previous);
        return found;
    }();
    return has;
}

void SoundPlayer::Play(const QString& file)
{
    lastPath_ = QStringLiteral("sound/") + file;
    lastStarted_ = false;
    if (!HasAudioOutput())
        return;
    // Created on first use, so a run with sound off never opens the audio device.
    if (!effect_)
        effect_ = new QSoundEffect(this);
    effect_->stop();
    const QString path = QDir::current().absoluteFilePath(lastPath_);
    if (!QFileInfo::exists(path))
        return;
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
    lastStarted_ = true;
}
