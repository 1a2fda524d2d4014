#include "records/game_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "records/players_folder.h"
#include "torvane_config.h"

namespace {

constexpr const char* kAppFolder = "/torvane";

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string PasswdHome()
{
    std::vector<char> buffer(16 * 1024);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir)
        return "";
    return found->pw_dir;
}

// The XDG base-directory rule: only an absolute path counts.
bool IsAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

std::vector<std::string> Homes(const FolderEnvironment& env)
{
    std::vector<std::string> homes;
    for (const std::string& home : {env.home, env.passwdHome})
        if (IsAbsolute(home) && (homes.empty() || homes.front() != home))
            homes.push_back(home);
    return homes;
}

bool IsWritable(const std::string& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

bool IsPlayersEntry(const std::string& folder, const std::string& name)
{
    struct stat folderInfo {};
    struct stat entry {};
    if (::stat(folder.c_str(), &folderInfo) != 0)
        return false;
    if (::lstat((folder + "/" + name).c_str(), &entry) != 0)
        return errno == ENOENT;
    return MayUseEntry(JudgeFolder(folderInfo), entry);
}

// A folder the game may write name into: the player's and writable, or
// missing below the nearest existing folder, which is.
bool IsUsable(const std::string& folder, const std::string& name)
{
    std::filesystem::path path(folder);
    std::error_code error;
    if (std::filesystem::exists(path, error))
        return IsPlayersFolder(folder) && IsWritable(folder) && IsPlayersEntry(folder, name);
    while (path.has_relative_path() && !std::filesystem::exists(path, error))
        path = path.parent_path();
    return IsPlayersFolder(path.string()) && IsWritable(path.string());
}

std::string FirstUsable(const std::vector<std::string>& candidates, const std::string& name)
{
    for (const std::string& folder : candidates)
        if (IsUsable(folder, name))
            return folder;
    return candidates.empty() ? "" : candidates.front();
}

bool HasHelpSource(const std::string& folder)
{
    std::error_code error;
    return std::filesystem::is_regular_file(folder + "/helpinfo", error);
}

}  // namespace

FolderEnvironment FolderEnvironment::FromProcess()
{
    return {Env("HOME"), Env("XDG_DATA_HOME"), Env("XDG_CACHE_HOME"), Env("XDG_RUNTIME_DIR"), PasswdHome()};
}

std::string InstalledContentFolder(const std::string& executableDir)
{
    return executableDir + "/" + kContentFromBinary;
}

GameFolders ChooseGameFolders(const std::string& executableDir, const FolderEnvironment& env)
{
    const bool portable = HasHelpSource(executableDir);
    if (portable && IsUsable(executableDir, "score.txt") && IsUsable(executableDir, "help.html"))
        return GameFolders::Single(executableDir);

    GameFolders folders;
    folders.content = portable ? executableDir : InstalledContentFolder(executableDir);
    std::vector<std::string> data;
    std::vector<std::string> scratch;
    if (IsAbsolute(env.xdgDataHome))
        data.push_back(env.xdgDataHome + kAppFolder);
    if (IsAbsolute(env.xdgRuntimeDir))
        scratch.push_back(env.xdgRuntimeDir + kAppFolder);
    if (IsAbsolute(env.xdgCacheHome))
        scratch.push_back(env.xdgCacheHome + kAppFolder);
    for (const std::string& home : Homes(env)) {
        data.push_back(home + "/.local/share" + kAppFolder);
        scratch.push_back(home + "/.cache" + kAppFolder);
    }
    folders.score = FirstUsable(data, "score.txt");
    folders.help = FirstUsable(scratch, "help.html");
    return folders;
}

bool MakeUserFolder(const std::string& folder)
{
    namespace fs = std::filesystem;
    if (folder.empty())
        return false;
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        // Each missing folder is made open to the player only, as the XDG
        // rules ask of the base folders too.
        fs::path made;
        for (const fs::path& part : fs::path(folder)) {
            made /= part;
            if (!fs::is_directory(made, error) && ::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST)
                return false;
        }
    }
    return IsPlayersFolder(folder);
}
