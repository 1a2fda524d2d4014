#include "records/scrambled_file.h"

#include <fstream>
#include <iterator>

std::string Scramble(std::string bytes, std::uint8_t key)
{
    for (char& c : bytes)
        c = static_cast<char>(static_cast<std::uint8_t>(c) ^ key);
    return bytes;
}

std::optional<std::string> ReadScrambledFile(const std::string& path, std::uint8_t key)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return Scramble(std::move(bytes), key);
}
