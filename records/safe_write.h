#pragma once
// Writing the game's files so that a failure, a crash or a reader never meets
// one half written, and a write lands only where the game chose: never through
// a link another user planted, never into a FIFO or a device.

#include <optional>
#include <string>

#include "records/folder_handle.h"

// A name in a folder.
struct FileSpot {
    std::string folder;
    std::string name;
};

// The end of the chain of links that starts at name in folder (name itself when
// it is no link). Nothing when a link on the way is not the player's, a folder
// on the way is not the player's, or the chain runs too long.
std::optional<FileSpot> FollowPlayersLinks(const std::string& folder, const std::string& name);

enum class InPlace {
    // A file that a replacement would change (its owner, or its other hard
    // links) is written in place.
    KeepTheFile,
    // Replaced whenever the folder takes a new file.
    OnlyWhenNoOtherWay,
};

// Writes bytes to the regular file name in folder, or creates it:
// - a link, a FIFO, a folder, a file that could not be opened for writing, or
//   another user's entry in a shared sticky folder, is left alone: false;
// - otherwise the bytes go to a temporary file that then replaces the file,
//   keeping its mode (and its owner where the player may give it);
// - where no temporary file can be made, or inPlace says so, the file is
//   written in place: the whole new content in one write over the old bytes,
//   then the length cut and the file synced, so that a reader or a crash finds
//   the old content or the new one at the file's start, never an empty file.
// True when every byte was written.
bool WriteFileReplacing(const FolderHandle& folder, const std::string& name, const std::string& bytes,
                        InPlace inPlace);

// The same for a path, following the player's links (FollowPlayersLinks).
bool WriteFileReplacing(const std::string& path, const std::string& bytes);

// Writes all of bytes to fd, going on after interrupted writes; false on an error.
bool WriteAll(int fd, const std::string& bytes);

// Writes a file that is the game's own (help.html, a backup) into the player's
// folder: a new file takes the name, replacing whatever had it, a link or a
// FIFO too. Where the folder takes no new file, an existing regular file of
// the player's is written in place. False when neither can be done.
bool WriteOwnFile(const std::string& folder, const std::string& name, const std::string& bytes);

// Keeps bytes in a new file named prefix and six random letters; its name, or
// nothing when the folder takes no new file.
std::optional<std::string> WriteUniqueFile(const FolderHandle& folder, const std::string& prefix,
                                           const std::string& bytes);
