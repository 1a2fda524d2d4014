#pragma once
// Writing a file so that a failure or a reader never sees it half written,
// while a write still lands where, and only where, opening the file for
// writing would put it.

#include <string>

// Writes bytes to the file at path:
// - a symbolic link is followed: its target is written and the link stays;
// - a file that could not be opened for writing, or anything that is not a
//   regular file, is left alone and the result is false;
// - otherwise the bytes go to a uniquely named temporary file in the same
//   folder that then replaces the file, keeping its mode and owner;
// - when the folder takes no temporary file (it is not writable), or replacing
//   would change the file's owner or split its hard links, the file is
//   written in place.
// True when every byte was written.
bool WriteFileReplacing(const std::string& path, const std::string& bytes);

// Writes all of bytes to fd, going on after interrupted writes; false on an error.
bool WriteAll(int fd, const std::string& bytes);
