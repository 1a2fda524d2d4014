#pragma once
// Whether a folder is the player's to write the game's files into. Another
// user who may change a folder's entries could plant a link or a FIFO where the
// game is about to write, so the game writes only where that cannot happen, or
// where the kernel keeps others from replacing the player's own entries.

#include <sys/stat.h>

#include <string>

enum class FolderTrust {
    Players,   // only the player (or root) may change its entries
    Sticky,    // others may add entries but not replace the player's: only
               // entries owned by the player are used
    Others,    // others may replace entries: the game writes nothing there
};

// Judges a folder from its status, for the process's effective user.
FolderTrust JudgeFolder(const struct stat& folder);

// True when an existing entry of a folder so judged may be written or followed.
bool MayUseEntry(FolderTrust trust, const struct stat& entry);

// True when path is a folder that is Players or Sticky.
bool IsPlayersFolder(const std::string& path);
