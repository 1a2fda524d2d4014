// The readers of score.txt, news.txt and helpinfo against random and damaged input.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "records/gbk.h"
#include "records/help_page.h"
#include "records/news_file.h"
#include "records/scrambled_file.h"
#include "records/top_ten.h"
#include "scripted_ui.h"

namespace {

std::string RandomBytes(std::mt19937& rng, std::size_t size)
{
    // Biased toward the bytes that matter to the readers.
    static const char special[] = {'\r', '\n', '|', '\0', '-', '+', ' ', '9', '\x81', '\xFE', '\x7C', '\xA1'};
    std::string out(size, '\0');
    for (char& c : out)
        c = rng() % 3 == 0 ? special[rng() % sizeof special] : static_cast<char>(rng() % 256);
    return out;
}

void ExpectFieldsFit(const TopTenTable& table)
{
    for (const TopTenEntry& row : table) {
        EXPECT_LE(Utf8ToGbk(row.name).size(), kTopTenFieldBytes);
        EXPECT_LE(Utf8ToGbk(row.reputation).size(), kTopTenFieldBytes);
        EXPECT_EQ(row.name.find('\0'), std::string::npos);
        EXPECT_EQ(row.name.find('\r'), std::string::npos);
    }
}

}  // namespace

TEST(Robustness, ScoreReaderTakesAnyBytes)
{
    std::mt19937 rng(12345);
    const std::string good = FormatScoreFile(DefaultTopTen());
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        switch (round % 3) {
        case 0: bytes = RandomBytes(rng, rng() % 600); break;
        case 1: bytes = good.substr(0, rng() % good.size()); break;   // truncated
        default:                                                       // damaged
            bytes = good;
            for (int k = 0; k < 8; ++k)
                bytes[rng() % bytes.size()] = static_cast<char>(rng() % 256);
        }
        TopTenTable table = ParseScoreFile(bytes);
        ExpectFieldsFit(table);
        // Whatever was read is written back within the format.
        const std::string written = FormatScoreFile(table);
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 40);
        ExpectFieldsFit(ParseScoreFile(written));
    }
}

TEST(Robustness, LongLinesBareLineFeedsAndAHugeFile)
{
    TestGame t;
    std::string bytes = std::string(5000, 'N') + "\n" + std::string(100, '7') + "\n1\nword\n";
    for (int i = 0; i < 200000; ++i)
        bytes += "\xB0\xA1";
    std::ofstream(ScoreFilePath(t.dir), std::ios::binary) << bytes;
    TopTenTable table = LoadTopTen(t.dir);
    EXPECT_EQ(table[0].name, std::string(19, 'N'));
    EXPECT_EQ(table[0].money, 2147483647);
    EXPECT_EQ(table[0].reputation, "word");
    ExpectFieldsFit(table);
}

TEST(Robustness, NewsAndHelpReadersTakeAnyBytes)
{
    std::mt19937 rng(777);
    TestGame t;
    for (int round = 0; round < 2000; ++round) {
        const std::string bytes = RandomBytes(rng, rng() % 300);
        NewsText news = MakeNewsText(bytes);
        // Every segment ends at a separator of its own.
        EXPECT_LE(news.segments.size(), static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '|')));
        for (const std::string& segment : news.segments)
            EXPECT_FALSE(segment.empty());
        if (round % 50 == 0) {
            std::ofstream(t.dir + "/news.txt", std::ios::binary) << bytes;
            LoadNewsText(t.dir);
            std::ofstream(HelpSourcePath(t.dir), std::ios::binary) << bytes;
            ASSERT_EQ(PrepareHelpPage(t.dir), HelpPageResult::Written);
            std::ifstream page(HelpPagePath(t.dir), std::ios::binary);
            std::string out((std::istreambuf_iterator<char>(page)), std::istreambuf_iterator<char>());
            EXPECT_EQ(out, Scramble(bytes, kHelpInfoKey));
        }
    }
}
