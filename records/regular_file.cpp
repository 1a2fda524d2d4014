#include "records/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

std::optional<std::string> ReadOpened(int dirFd, const std::string& name, int flags, std::size_t maxBytes)
{
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused below.
    const int fd = ::openat(dirFd, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | flags);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(std::min<std::size_t>(static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)), maxBytes));
    char buffer[64 * 1024];
    while (bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
        const ssize_t got = ::read(fd, buffer, want);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

}  // namespace

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes)
{
    return ReadOpened(AT_FDCWD, path, 0, maxBytes);
}

std::optional<std::string> ReadRegularFileAt(int dirFd, const std::string& name, std::size_t maxBytes)
{
    return ReadOpened(dirFd, name, O_NOFOLLOW, maxBytes);
}
