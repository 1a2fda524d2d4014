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

SoundPlayer::SoundPlayer(const QString& contentFolder, QObject* parent)
    : QObject(parent), contentFolder_(contentFolder)
{
}

QString SoundPlayer::Resolve(const QString& file) const
{
    const QString relative = QStringLiteral("sound/") + file;
    if (QFileInfo(relative).isFile())
        return relative;
    if (contentFolder_.isEmpty())
        return QString();
    const QString installed = QDir(contentFolder_).filePath(relative);
    return QFileInfo(installed).isFile() ? installed : QString();
}

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
    const QString path = Resolve(file);
    lastPath_ = path.isEmpty() ? QStringLiteral("sound/") + file : path;
    lastStarted_ = false;
    if (!HasAudioOutput())
        return;
    // Created on first use, so a run with sound off never opens the audio device.
    if (!effect_)
        effect_ = new QSoundEffect(this);
    effect_->stop();
    if (path.isEmpty())
        return;
    effect_->setSource(QUrl::fromLocalFile(QDir::current().absoluteFilePath(path)));
    effect_->play();
    lastStarted_ = true;
}
