#include "records/temporary_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <random>

namespace {

constexpr int kNameTries = 100;

std::string RandomLetters()
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    // Its own generator: the game's random source must not move.
    static std::mt19937_64 draw(std::random_device{}() ^ static_cast<std::uint64_t>(::getpid()) << 32);
    std::string text;
    for (int i = 0; i < 6; ++i)
        text += letters[draw() % (sizeof letters - 1)];
    return text;
}

}  // namespace

std::string TemporaryPrefixFor(const std::string& name) { return kTemporaryPrefix + name + "-"; }

int CreateUniqueFile(const FolderHandle& folder, const std::string& prefix, std::string& name)
{
    if (!folder.IsOpen())
        return -1;
    for (int i = 0; i < kNameTries; ++i) {
        const std::string candidate = prefix + RandomLetters();
        const int fd = ::openat(folder.fd(), candidate.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
        if (fd >= 0) {
            name = candidate;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

void RemoveStaleTemporaries(const FolderHandle& folder)
{
    if (!folder.IsOpen())
        return;
    const int listFd = ::openat(folder.fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0)
        return;
    DIR* list = ::fdopendir(listFd);
    if (!list) {
        ::close(listFd);
        return;
    }
    const std::string prefix = kTemporaryPrefix;
    const std::time_t before = std::time(nullptr) - kStaleTemporarySeconds;
    while (const struct dirent* entry = ::readdir(list)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0)
            continue;
        struct stat info {};
        if (folder.Entry(name, info) && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            info.st_mtime < before)
            ::unlinkat(folder.fd(), name.c_str(), 0);
    }
    ::closedir(list);
}
