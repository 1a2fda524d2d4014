#include "ui/framework/desktop_open.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

extern char** environ;

namespace {

// xdg-open returns at once where a desktop session hands the target on; without
// one it may run the browser itself and wait for it. The game waits this long
// for an answer and takes a handler still running as opened.
constexpr std::chrono::milliseconds kAnswerWait{2000};
constexpr std::chrono::milliseconds kPollStep{10};

// xdg-open's exit status 3 means no tool could handle the target; its other
// statuses (2: file not found) already match the shell's codes.
constexpr int kXdgNoTool = 3;

// Not a code of the shell's: reported as an unknown error.
constexpr int kHandlerCrashed = -1;

constexpr OpenResult kOpened{true, 0};

OpenResult Failure(int code) { return OpenResult{false, code}; }

OpenResult ResultOfWaitStatus(int status)
{
    if (!WIFEXITED(status))
        return Failure(kHandlerCrashed);
    const int code = WEXITSTATUS(status);
    if (code == 0)
        return kOpened;
    return Failure(code == kXdgNoTool ? kOpenNoHandler : code);
}

// A handler that outlives the wait keeps running after the game ends; a thread
// of its own reaps it so that it never lingers as a zombie while the game runs.
void ReapLater(pid_t pid)
{
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

}  // namespace

OpenResult OpenWithDesktop(const QString& target)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (program.isEmpty())
        return Failure(kOpenNoHandler);
    // Spawned without Qt's process object: that object kills its process when
    // destroyed, and a browser the player opened must survive the game.
    QByteArray path = QFile::encodeName(program);
    QByteArray argument = QFile::encodeName(target);
    char* argv[] = {path.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, path.constData(), nullptr, nullptr, argv, environ) != 0)
        return Failure(kOpenNoHandler);
    const auto deadline = std::chrono::steady_clock::now() + kAnswerWait;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return ResultOfWaitStatus(status);
        if (done < 0 && errno != EINTR)
            return Failure(kHandlerCrashed);
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(kPollStep);
    }
    ReapLater(pid);
    return kOpened;
}

OpenResult OpenFileWithDesktop(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return Failure(kOpenFileNotFound);
    return OpenWithDesktop(path);
}
