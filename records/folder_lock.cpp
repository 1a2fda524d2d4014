#include "records/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <algorithm>
#include <thread>

namespace {

constexpr std::chrono::milliseconds kPollInterval{20};

// The lock file, created when missing; where it cannot be had (a read-only
// folder without one, a link or a FIFO in its place), the folder itself, as
// games before the lock file locked it.
int OpenLockTarget(const FolderHandle& folder, const std::string& name)
{
    constexpr int kFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = -1;
    for (int attempt = 0; attempt < 2 && fd < 0; ++attempt) {
        fd = ::openat(folder.fd(), name.c_str(), kFlags);
        if (fd < 0 && errno == ENOENT)
            fd = ::openat(folder.fd(), name.c_str(), kFlags | O_CREAT | O_EXCL, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    if (fd < 0)
        fd = ::openat(folder.fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd;
}

}  // namespace

FolderLock::FolderLock(const FolderHandle& folder, const std::string& lockName, LockKind kind,
                       const std::function<void()>& whileWaiting)
{
    if (!folder.IsOpen())
        return;
    fd_ = OpenLockTarget(folder, lockName);
    if (fd_ < 0)
        return;
    const int operation = (kind == LockKind::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLockWaitMilliseconds);
    for (;;) {
        if (::flock(fd_, operation) == 0) {
            held_ = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return;
        if (whileWaiting)
            whileWaiting();
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(kPollInterval, deadline - now));
    }
}

FolderLock::~FolderLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}
