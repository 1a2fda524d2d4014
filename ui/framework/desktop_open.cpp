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
constexpr int kHandlerCrashed = -1;

constexpr OpenResult kOpened{true, 0};

OpenResult Failure(int code) { return OpenResult{false, code}; }

OpenResult ResultOfExit(int status)
{
    if (status == 0)
        return kOpened;
    return Failure(status == kXdgNoTool ? kOpenNoHandler : status);
}

}  // namespace

OpenResult OpenWithDesktop(const QString& target)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (program.isEmpty())
        return Failure(kOpenNoHandler);
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
        return Failure(kOpenNoHandler);
    if (!process->waitForFinished(kAnswerWaitMs))
        return kOpened;
    if (process->exitStatus() != QProcess::NormalExit)
        return Failure(kHandlerCrashed);
    return ResultOfExit(process->exitCode());
}

OpenResult OpenFileWithDesktop(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return Failure(kOpenFileNotFound);
    return OpenWithDesktop(path);
}
