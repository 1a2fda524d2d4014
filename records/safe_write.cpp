#include "records/safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

namespace {

constexpr int kMostLinks = 40;   // as the kernel follows at most

// The file a write to path lands on: path itself, or the end of the chain of
// symbolic links it names (which need not exist yet).
std::string WriteTarget(const std::string& path)
{
    std::filesystem::path target = path;
    for (int i = 0; i < kMostLinks; ++i) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, error)))
            break;
        std::filesystem::path link = std::filesystem::read_symlink(target, error);
        if (error)
            break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target.string();
}

bool WriteInPlace(const std::string& target, const std::string& bytes)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, bytes);
    return ::close(fd) == 0 && written;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

enum class Replaced { Yes, Failed, NotHere };

// Writes a temporary file beside target and renames it over target. NotHere
// when the file should be written in place instead.
Replaced WriteAndReplace(const std::string& target, const std::string& bytes, const struct stat* old)
{
    std::string name = target + ".XXXXXX";
    std::vector<char> pattern(name.begin(), name.end());
    pattern.push_back('\0');
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return Replaced::NotHere;   // a folder that is not writable, for one
    const std::string temporary = pattern.data();
    auto giveUp = [&](Replaced result) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return result;
    };
    struct stat made {};
    if (::fstat(fd, &made) != 0)
        return giveUp(Replaced::NotHere);
    if (old && (made.st_uid != old->st_uid || made.st_gid != old->st_gid) &&
        ::fchown(fd, old->st_uid, old->st_gid) != 0)
        return giveUp(Replaced::NotHere);
    if (::fchmod(fd, old ? old->st_mode & 07777 : NewFileMode()) != 0)
        return giveUp(Replaced::NotHere);
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0)
        return giveUp(Replaced::Failed);
    if (::close(fd) != 0) {
        ::unlink(temporary.c_str());
        return Replaced::Failed;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return Replaced::Failed;
    }
    return Replaced::Yes;
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

bool WriteFileReplacing(const std::string& path, const std::string& bytes)
{
    const std::string target = WriteTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode))
            return false;
        // Only a file that could be written in place may be replaced.
        const int probe = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (probe < 0)
            return false;
        ::close(probe);
    }
    if (!exists || old.st_nlink == 1) {
        switch (WriteAndReplace(target, bytes, exists ? &old : nullptr)) {
        case Replaced::Yes:
            return true;
        case Replaced::Failed:
            return false;
        case Replaced::NotHere:
            break;
        }
    }
    return WriteInPlace(target, bytes);
}
