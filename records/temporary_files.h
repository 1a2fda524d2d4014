#pragma once
// The game's temporary files: created exclusively under a prefix of the game's
// own, so that a leftover of a game killed while saving can be told from
// anything else in the folder and removed.

#include <string>

#include "records/folder_handle.h"

// Every temporary file of the game starts with this; nothing else it writes does.
constexpr const char* kTemporaryPrefix = ".torvane-";
// A temporary file older than this belongs to no save still running.
constexpr int kStaleTemporarySeconds = 60;

// The prefix of the temporary files that stand in for name while it is saved.
std::string TemporaryPrefixFor(const std::string& name);

// Creates a new regular file, mode 0600, named prefix and six random letters,
// never opening an existing entry or following a link; returns the descriptor,
// open for writing, and sets name. -1 when the folder takes no new file.
int CreateUniqueFile(const FolderHandle& folder, const std::string& prefix, std::string& name);

// Removes the player's temporary files of the game in folder that are older
// than kStaleTemporarySeconds. A folder that cannot be listed is left alone.
void RemoveStaleTemporaries(const FolderHandle& folder);
