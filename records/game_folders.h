#pragma once
// Where the game's files live. A portable copy (a build folder or an unpacked
// archive) keeps them all beside the executable. An installed game reads its
// content from the install's data folder and writes into folders the player
// owns, since the executable's folder is not the player's to write.

#include <string>

struct GameFolders {
    std::string content;   // news.txt and helpinfo
    std::string score;     // score.txt
    std::string help;      // help.html

    // Every file in one folder: the portable layout, and the --dir option.
    static GameFolders Single(const std::string& dir) { return {dir, dir, dir}; }
};

// The environment variables the choice depends on; unset ones are empty.
struct FolderEnvironment {
    std::string home;
    std::string xdgDataHome;
    std::string xdgCacheHome;
    std::string xdgRuntimeDir;

    static FolderEnvironment FromProcess();
};

// The folder of the install's content seen from the executable's folder, such
// as ../share/torvane.
std::string InstalledContentFolder(const std::string& executableDir);

// The content stays beside the executable when helpinfo is there, and so does
// everything else when that folder is also writable. Otherwise the score goes
// to the player's data folder ($XDG_DATA_HOME/torvane) and the help page to
// the player's runtime or cache folder. Without a home folder to fall back
// on, a file stays beside the executable, as before.
GameFolders ChooseGameFolders(const std::string& executableDir, const FolderEnvironment& env);

// Creates folder (open to the player only) and its parents before a file is written
// into it; false when it cannot be created.
bool MakeUserFolder(const std::string& folder);
