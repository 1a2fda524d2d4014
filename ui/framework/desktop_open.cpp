#include "ui/framework/desktop_open.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// xdg-open returns at once where a desktop session hands the target on; without
// one it may run the browser itself and wait for it. The game waits this long
// for an answer and takes a handler still running as opened.
constexpr int kAnswerWaitMs = 2000;

// xdg-open's exit status 3 means no tool could handle the target; its other
// statuses (2: file not found) already match the shell's codes.
constexpr int kXdgNoTool = 3;

// Not a code of the shell's: reported as an unknown error.
constexpr int kOpenHandlerCrashed = -1;

int ResultOfExit(int status)
{
    if (status == 0)
        return kOpenSucceeded;
    return status == kXdgNoTool ? kOpenNoHandler : status;
}

}  // namespace

int OpenWithDesktop(const QString& target)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (program.isEmpty())
        return kOpenNoHandler;
    // Not parented: a handler that outlives the wait must not be killed when
    // the game ends, so the object is only deleted once the handler has finished.
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    process->start(program, {target});
    if (!process->waitForStarted())
        return kOpenNoHandler;
    if (!process->waitForFinished(kAnswerWaitMs))
        return kOpenSucceeded;
    if (process->exitStatus() != QProcess::NormalExit)
        return kOpenHandlerCrashed;
    return ResultOfExit(process->exitCode());
}

int OpenFileWithDesktop(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return kOpenFileNotFound;
    return OpenWithDesktop(path);
}
