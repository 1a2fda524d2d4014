#pragma once
// The ticker's headlines: news.txt unscrambled, GBK, a leading "|" and each
// headline followed by "|".

#include <cstddef>
#include <string>
#include <vector>

struct NewsText {
    std::string whole;                  // UTF-8, separators included (measured as one)
    std::vector<std::string> segments;  // UTF-8, the headlines the ticker shows in turn
};

// The segments of GBK text: from byte 1, each up to the next "|", double-byte
// characters taken as units; ends at an empty segment or where no "|" follows.
std::vector<std::string> SplitNewsSegments(const std::string& gbk);

// A text as the ticker takes it (GBK, used up to its first zero byte).
NewsText MakeNewsText(const std::string& gbk);

// The most of news.txt that is read; the rest of a larger file is ignored.
constexpr std::size_t kMostNewsBytes = 1024 * 1024;

// Loads news.txt from dir (at most kMostNewsBytes of it); when it cannot be read the text is "Error : Couldnt load File...".
NewsText LoadNewsText(const std::string& dir);
