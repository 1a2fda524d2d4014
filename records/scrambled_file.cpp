#include "records/scrambled_file.h"

#include "records/regular_file.h"

std::string Scramble(std::string bytes, std::uint8_t key)
{
    for (char& c : bytes)
        c = static_cast<char>(static_cast<std::uint8_t>(c) ^ key);
    return bytes;
}

std::optional<std::string> ReadScrambledFile(const std::string& path, std::uint8_t key, std::size_t maxBytes)
{
    std::optional<std::string> bytes = ReadRegularFile(path, maxBytes);
    if (!bytes)
        return std::nullopt;
    return Scramble(std::move(*bytes), key);
}
