// The sound module: wave files played through Qt Multimedia's sound effect,
// which decodes them itself and stays quiet on a machine without sound.

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

#include "ui/framework/sound_backend.h"

namespace {

// The audio backend complains on standard error when it finds no sound server;
// a machine without sound is normal for this game, so the probe keeps quiet.
void DropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

class QtSoundBackend final : public SoundBackend {
public:
    bool HasOutput() override
    {
        static const bool has = [] {
            const QtMessageHandler previous = qInstallMessageHandler(DropMessage);
            const bool found = !QMediaDevices::audioOutputs().isEmpty();
            qInstallMessageHandler(previous);
            return found;
        }();
        return has;
    }

    void Play(const QString& absolutePath) override
    {
        // Created on first use, so a run with sound off never opens the audio device.
        if (!effect_)
            effect_ = std::make_unique<QSoundEffect>();
        effect_->stop();
        effect_->setSource(QUrl::fromLocalFile(absolutePath));
        effect_->play();
    }

    void Stop() override
    {
        if (effect_)
            effect_->stop();
    }

private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace

extern "C" Q_DECL_EXPORT SoundBackend* torvane_create_sound_backend()
{
    return new QtSoundBackend;
}
