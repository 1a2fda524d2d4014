#include "records/game_folders.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "torvane_config.h"

namespace {

constexpr const char* kAppFolder = "/torvane";

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The XDG base-directory rule: a relative value is ignored.
std::string BaseFolder(const std::string& value, const std::string& home, const char* fallback)
{
    if (!value.empty() && value.front() == '/')
        return value;
    if (home.empty())
        return "";
    return home + fallback;
}

bool IsWritable(const std::string& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

bool HasHelpSource(const std::string& folder)
{
    std::error_code error;
    return std::filesystem::is_regular_file(folder + "/helpinfo", error);
}

}  // namespace

FolderEnvironment FolderEnvironment::FromProcess()
{
    return {Env("HOME"), Env("XDG_DATA_HOME"), Env("XDG_CACHE_HOME"), Env("XDG_RUNTIME_DIR")};
}

std::string InstalledContentFolder(const std::string& executableDir)
{
    return executableDir + "/" + kContentFromBinary;
}

GameFolders ChooseGameFolders(const std::string& executableDir, const FolderEnvironment& env)
{
    const bool portable = HasHelpSource(executableDir);
    if (portable && IsWritable(executableDir))
        return GameFolders::Single(executableDir);

    GameFolders folders = GameFolders::Single(executableDir);
    if (!portable)
        folders.content = InstalledContentFolder(executableDir);
    const std::string data = BaseFolder(env.xdgDataHome, env.home, "/.local/share");
    if (!data.empty())
        folders.score = data + kAppFolder;
    std::string scratch = BaseFolder(env.xdgRuntimeDir, "", "");
    if (scratch.empty())
        scratch = BaseFolder(env.xdgCacheHome, env.home, "/.cache");
    if (!scratch.empty())
        folders.help = scratch + kAppFolder;
    return folders;
}

bool MakeUserFolder(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::is_directory(folder, error))
        return true;
    const fs::path path(folder);
    fs::create_directories(path.parent_path(), error);
    if (error || !fs::create_directory(path, error))
        return false;
    fs::permissions(path, fs::perms::owner_all, error);
    return true;
}
