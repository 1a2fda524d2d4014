#pragma once
// Where the game's files live. A portable copy (a build folder or an unpacked
// archive) keeps them all beside the executable. An installed game reads its
// content from the install's data folder and writes into the player's own
// folders, since the executable's folder is not the player's to write.

#include <string>

struct GameFolders {
    std::string content;   // news.txt and helpinfo
    std::string score;     // score.txt; empty when the player has no folder for it
    std::string help;      // help.html; empty likewise

    // Every file in one folder: the portable layout, and the --dir option.
    static GameFolders Single(const std::string& dir) { return {dir, dir, dir}; }
};

// The environment the choice depends on; unset values are empty.
struct FolderEnvironment {
    std::string home;            // $HOME
    std::string xdgDataHome;
    std::string xdgCacheHome;
    std::string xdgRuntimeDir;
    std::string passwdHome;      // the home folder of the player's passwd entry

    static FolderEnvironment FromProcess();
};

// The folder of the install's content seen from the executable's folder, such
// as ../share/torvane.
std::string InstalledContentFolder(const std::string& executableDir);

// The content stays beside the executable when helpinfo is there, and so does
// everything else when that folder is also the player's to write. Otherwise
// the score goes to the first usable of $XDG_DATA_HOME/torvane and
// ~/.local/share/torvane, the help page to the first usable of
// $XDG_RUNTIME_DIR/torvane, $XDG_CACHE_HOME/torvane and ~/.cache/torvane. A
// relative XDG variable is ignored; the home is $HOME, else the passwd entry's.
// A folder is usable when it is the player's and writable, or can be made in
// such a folder. When none is, the first candidate stays (saving there fails
// with the score-file error), never the executable's folder.
GameFolders ChooseGameFolders(const std::string& executableDir, const FolderEnvironment& env);

// The player's score folder: where an installed game keeps score.txt (and
// whatever else it saves beside it). Creates folder and its missing parents,
// open to the player only, before a file is written into it. False when it
// cannot be made, or when it exists and is not the player's (another user
// could change what is in it).
bool MakeUserFolder(const std::string& folder);
