#include "records/safe_write.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "records/temporary_files.h"

namespace {

constexpr int kMostLinks = 40;   // as the kernel follows at most

// Never truncated first: the old bytes stay until the new ones cover them.
bool OverwriteInPlace(int fd, const std::string& bytes)
{
    const bool written = WriteAll(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
                         ::fsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The regular file name in folder, opened for writing without following a
// link or waiting on a FIFO, and checked to be the entry judged before; -1
// otherwise.
int OpenExisting(const FolderHandle& folder, const std::string& name, const struct stat& judged)
{
    const int fd = ::openat(folder.fd(), name.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || !SameFile(opened, judged)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

enum class Replaced { Yes, Failed, NotHere };

// Writes a temporary file in folder and renames it over name. NotHere when the
// folder takes no new file, or when old's owner must be kept and cannot be.
Replaced ReplaceWithNew(const FolderHandle& folder, const std::string& name, const std::string& bytes,
                        const struct stat* old, bool keepOwner)
{
    RemoveStaleTemporaries(folder);
    std::string temporary;
    const int fd = CreateUniqueFile(folder, TemporaryPrefixFor(name), temporary);
    if (fd < 0)
        return Replaced::NotHere;
    auto giveUp = [&](Replaced result) {
        ::close(fd);
        ::unlinkat(folder.fd(), temporary.c_str(), 0);
        return result;
    };
    struct stat made {};
    if (::fstat(fd, &made) != 0)
        return giveUp(Replaced::NotHere);
    if (keepOwner && old && (made.st_uid != old->st_uid || made.st_gid != old->st_gid) &&
        ::fchown(fd, old->st_uid, old->st_gid) != 0)
        return giveUp(Replaced::NotHere);
    if (::fchmod(fd, old ? old->st_mode & 0777 : NewFileMode()) != 0)
        return giveUp(Replaced::NotHere);
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0)
        return giveUp(Replaced::Failed);
    if (::close(fd) != 0) {
        ::unlinkat(folder.fd(), temporary.c_str(), 0);
        return Replaced::Failed;
    }
    if (::renameat(folder.fd(), temporary.c_str(), folder.fd(), name.c_str()) != 0) {
        ::unlinkat(folder.fd(), temporary.c_str(), 0);
        return Replaced::Failed;
    }
    return Replaced::Yes;
}

FileSpot SpotOfPath(const std::filesystem::path& path)
{
    return {path.parent_path().empty() ? "." : path.parent_path().string(), path.filename().string()};
}

}  // namespace

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<FileSpot> FollowPlayersLinks(const std::string& folder, const std::string& name)
{
    FileSpot spot{folder, name};
    for (int i = 0; i <= kMostLinks; ++i) {
        const FolderHandle handle(spot.folder);
        if (!handle.IsPlayers() || spot.name.empty())
            return std::nullopt;
        struct stat info {};
        if (!handle.Entry(spot.name, info) || !S_ISLNK(info.st_mode))
            return spot;
        if (info.st_uid != ::geteuid())
            return std::nullopt;
        char target[PATH_MAX];
        const ssize_t length = ::readlinkat(handle.fd(), spot.name.c_str(), target, sizeof target);
        if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target)
            return std::nullopt;
        std::filesystem::path next(std::string(target, static_cast<std::size_t>(length)));
        if (next.is_relative())
            next = std::filesystem::path(spot.folder) / next;
        spot = SpotOfPath(next);
    }
    return std::nullopt;
}

bool WriteFileReplacing(const FolderHandle& folder, const std::string& name, const std::string& bytes,
                        InPlace inPlace)
{
    if (!folder.IsPlayers())
        return false;
    struct stat old {};
    if (!folder.Entry(name, old))
        return ReplaceWithNew(folder, name, bytes, nullptr, false) == Replaced::Yes;
    if (!S_ISREG(old.st_mode) || !MayUseEntry(folder.trust(), old))
        return false;
    // Only a file that could be written in place may be replaced.
    const int fd = OpenExisting(folder, name, old);
    if (fd < 0)
        return false;
    // In a shared folder a second link may have been planted to another file
    // of the player's: such a file is replaced, never written.
    const bool mayWriteInPlace = old.st_nlink == 1 || folder.trust() == FolderTrust::Players;
    const bool keep = inPlace == InPlace::KeepTheFile;
    if (!(keep && old.st_nlink > 1 && mayWriteInPlace)) {
        switch (ReplaceWithNew(folder, name, bytes, &old, keep)) {
        case Replaced::Yes:
            ::close(fd);
            return true;
        case Replaced::Failed:
            ::close(fd);
            return false;
        case Replaced::NotHere:
            break;
        }
    }
    if (!mayWriteInPlace) {
        ::close(fd);
        return false;
    }
    return OverwriteInPlace(fd, bytes);
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes)
{
    const FileSpot given = SpotOfPath(path);
    const std::optional<FileSpot> spot = FollowPlayersLinks(given.folder, given.name);
    if (!spot)
        return false;
    const FolderHandle folder(spot->folder);
    return WriteFileReplacing(folder, spot->name, bytes, InPlace::KeepTheFile);
}

bool WriteOwnFile(const std::string& folderPath, const std::string& name, const std::string& bytes)
{
    const FolderHandle folder(folderPath);
    if (!folder.IsPlayers())
        return false;
    struct stat old {};
    const bool exists = folder.Entry(name, old);
    if (exists && !MayUseEntry(folder.trust(), old))
        return false;
    switch (ReplaceWithNew(folder, name, bytes, nullptr, false)) {
    case Replaced::Yes:
        return true;
    case Replaced::Failed:
        return false;
    case Replaced::NotHere:
        break;
    }
    if (!exists || !S_ISREG(old.st_mode) || old.st_nlink != 1)
        return false;
    const int fd = OpenExisting(folder, name, old);
    return fd >= 0 && OverwriteInPlace(fd, bytes);
}

std::optional<std::string> WriteUniqueFile(const FolderHandle& folder, const std::string& prefix,
                                           const std::string& bytes)
{
    std::string name;
    const int fd = CreateUniqueFile(folder, prefix, name);
    if (fd < 0)
        return std::nullopt;
    const bool written = ::fchmod(fd, NewFileMode()) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written) {
        ::unlinkat(folder.fd(), name.c_str(), 0);
        return std::nullopt;
    }
    return name;
}
