#pragma once
// Reading command lines of at most a bound: a longer line is reported by its
// length and skipped without being kept, so no input makes the engine grow.

#include <cstdint>
#include <istream>
#include <string>

constexpr std::size_t kMostLineBytes = 1024 * 1024;

struct InputLine {
    std::string text;             // the line without its line feed; empty when too long
    std::uintmax_t length = 0;    // its length in bytes
    bool tooLong = false;         // longer than kMostLineBytes
    bool blankOrComment = false;  // only blanks, or '#' as its first other character
};

// Reads the next line; false at the end of the input when no line is left.
bool ReadInputLine(std::istream& in, InputLine& line);
