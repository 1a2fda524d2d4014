#pragma once
// The two content files stored scrambled beside the executable: every byte is
// the text byte combined by exclusive-or with a key byte of the program.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

constexpr std::uint8_t kNewsKey = 0xA7;       // news.txt
constexpr std::uint8_t kHelpInfoKey = 0x3C;   // helpinfo

std::string Scramble(std::string bytes, std::uint8_t key);

// The file unscrambled (its first maxBytes bytes when it is longer), or nothing
// when it cannot be read or is not a regular file.
std::optional<std::string> ReadScrambledFile(
    const std::string& path, std::uint8_t key,
    std::size_t maxBytes = std::numeric_limits<std::size_t>::max());
