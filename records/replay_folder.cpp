#include "records/replay_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "records/game_folders.h"
#include "records/safe_write.h"

namespace {

constexpr int kMaxSameName = 100;

// The folder, opened without following a link, when it is the player's own.
int OpenOwnFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || info.st_uid != ::geteuid())) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

std::string ReplayFolder(const std::string& scoreFolder) { return scoreFolder + "/replays"; }

std::string ReplayFileName(std::time_t when, std::int32_t wealth)
{
    std::tm local{};
    ::localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S_", &local);
    return stamp + std::to_string(wealth) + ".txt";
}

std::string SaveReplay(const std::string& scoreFolder, const std::string& text, std::int32_t wealth,
                       std::time_t when)
{
    const std::string folder = ReplayFolder(scoreFolder);
    if (!MakeUserFolder(scoreFolder) || !MakeUserFolder(folder))
        return std::string();
    const int dir = OpenOwnFolder(folder);
    if (dir < 0)
        return std::string();
    const std::string base = ReplayFileName(when, wealth);
    std::string written;
    for (int n = 1; n <= kMaxSameName && written.empty(); ++n) {
        const std::string name =
            n == 1 ? base : base.substr(0, base.size() - 4) + "_" + std::to_string(n) + ".txt";
        const int fd = ::openat(dir, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            break;
        }
        const bool ok = WriteAll(fd, text);
        if (::close(fd) != 0 || !ok)
            ::unlinkat(dir, name.c_str(), 0);
        else
            written = folder + "/" + name;
        break;
    }
    ::close(dir);
    return written;
}

ReplaySink SaveReplaysIn(const std::string& scoreFolder)
{
    return [scoreFolder](const FinishedReplay& replay) {
        SaveReplay(scoreFolder, replay.text, replay.wealth, std::time(nullptr));
    };
}
