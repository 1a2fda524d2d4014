#pragma once
// Reading the content files safely: only regular files are read (a folder, a
// FIFO or a device named like a content file reads as missing, and never
// blocks), a read error reads as missing, and a bound keeps a huge file from
// being taken whole.

#include <cstddef>
#include <limits>
#include <optional>
#include <string>

// The first maxBytes bytes of the regular file at path (the whole file when it
// is shorter), or nothing when it is not a regular file or cannot be read.
std::optional<std::string> ReadRegularFile(
    const std::string& path, std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// The same for the entry name of the open folder dirFd, where a link reads as
// missing.
std::optional<std::string> ReadRegularFileAt(
    int dirFd, const std::string& name, std::size_t maxBytes = std::numeric_limits<std::size_t>::max());
