#include "records/news_file.h"

#include "records/catalogue.h"
#include "records/gbk.h"
#include "records/scrambled_file.h"

std::vector<std::string> SplitNewsSegments(const std::string& gbk)
{
    std::vector<std::string> segments;
    std::size_t start = 1;
    while (start < gbk.size()) {
        std::size_t i = start;
        while (i < gbk.size() && gbk[i] != '|')
            i += IsGbkLeadByte(static_cast<unsigned char>(gbk[i])) ? 2 : 1;
        if (i >= gbk.size() || i == start)
            break;
        segments.push_back(GbkToUtf8(gbk.substr(start, i - start)));
        start = i + 1;
    }
    return segments;
}

NewsText MakeNewsText(const std::string& gbk)
{
    std::string text = gbk.substr(0, gbk.find('\0'));
    return {GbkToUtf8(text), SplitNewsSegments(text)};
}

NewsText LoadNewsText(const std::string& dir)
{
    std::optional<std::string> bytes = ReadScrambledFile(ContentFilePath(dir, "news.txt", "news-en.txt"), kNewsKey, kMostNewsBytes);
    if (!bytes)
        return MakeNewsText("Error : Couldnt load File...");
    return MakeNewsText(*bytes);
}
