#include "ui/framework/sound_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "torvane_config.h"
#include "ui/framework/sound_backend.h"

namespace {

// The module sits beside the executable in a build or portable folder, and in
// the library folder of an installed game.
QStringList ModuleCandidates()
{
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.filePath(QString::fromLatin1(kSoundModuleName)),
            bin.filePath(QString::fromLatin1(kSoundModuleFromBinary) + QLatin1Char('/') +
                         QString::fromLatin1(kSoundModuleName))};
}

struct Module {
    CreateSoundBackend create = nullptr;
    bool tried = false;
};

Module& TheModule() { static Module module; return module; }

// Loads the module once per process; it stays loaded until the process ends.
CreateSoundBackend ModuleFactory()
{
    Module& module = TheModule();
    if (module.tried)
        return module.create;
    module.tried = true;
    for (const QString& path : ModuleCandidates()) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path);
        if (auto create = reinterpret_cast<CreateSoundBackend>(library.resolve(kCreateSoundBackendSymbol))) {
            module.create = create;
            break;
        }
    }
    return module.create;
}

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

SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::HasAudioOutput()
{
    // The module keeps the answer; any backend of it may be asked.
    const CreateSoundBackend create = ModuleFactory();
    return create && std::unique_ptr<SoundBackend>(create())->HasOutput();
}

bool SoundPlayer::IsModuleLoaded() { return TheModule().create != nullptr; }

void SoundPlayer::Play(const QString& file)
{
    const QString path = Resolve(file);
    lastPath_ = path.isEmpty() ? QStringLiteral("sound/") + file : path;
    lastStarted_ = false;
    if (!HasAudioOutput())
        return;
    if (!backend_)
        backend_.reset(ModuleFactory()());
    if (path.isEmpty()) {
        backend_->Stop();   // a missing file still ends the sound playing
        return;
    }
    backend_->Play(QDir::current().absoluteFilePath(path));
    lastStarted_ = true;
}
