#pragma once
// The two content files stored scrambled beside the executable: every byte is
// the text byte combined by exclusive-or with a key byte of the program.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

constexpr std::uint8_t kNewsKey = 0xA7;       // news.txt
constexpr std::uint8_t kHelpInfoKey = 0x3C;   // helpinfo

std::string Scramble(std::string bytes, std::uint8_t key);

// The whole file unscrambled, or nothing when it cannot be read.
std::optional<std::string> ReadScrambledFile(const std::string& path, std::uint8_t key);
