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

TEST(Robustness, RandomGamesWithExtremeMoneyKeepEveryCountInRange)
{
    // Cash and savings near the 32-bit limit, random moves and answers. The
    // sanitizer build turns any signed overflow on the way into a failure.
    static const char* const answers[] = {"ok", "ok", "cancel", "yes", "no", "1", "0", "2147483647",
                                          "-5", "deposit", "withdraw", "leave", "name=x"};
    std::mt19937 rng(4242);
    for (int round = 0; round < 300; ++round) {
        TestGame t(static_cast<unsigned>(rng()));
        GameState& s = t.game.state();
        s.cash = 2147483647 - static_cast<std::int32_t>(rng() % 3);
        s.savings = rng() % 2 ? 2147483647 : 0;
        s.debt = rng() % 2 ? 0 : 2147483647;
        for (int move = 0; move < 120 && !t.ui.closeRequested && !t.ui.exited; ++move) {
            for (int k = 0; k < 4; ++k)
                t.ui.answers.push_back(answers[rng() % std::size(answers)]);
            const int market = static_cast<int>(t.game.market().rows.size());
            const int room = static_cast<int>(t.game.room().rows.size());
            switch (rng() % 10) {
            case 0: case 1: case 2: t.game.Travel(static_cast<int>(rng() % 10) + 1); break;
            case 3: t.game.SelectRow(ListId::Market, market ? static_cast<int>(rng() % market) : -1); t.game.OnBuy(); break;
            case 4: t.game.SelectRow(ListId::Room, room ? static_cast<int>(rng() % room) : -1); t.game.OnSell(); break;
            case 5: t.game.OnBank(); break;
            case 6: t.game.OnHospital(); break;
            case 7: t.game.OnPostOffice(); break;
            case 8: t.game.OnRentAgent(); break;
            default: t.game.OnBuyAll(); break;
            }
            t.ui.answers.clear();
            ASSERT_GE(s.goodsHeld, 0);
            ASSERT_LE(s.goodsHeld, s.roomCapacity);
            ASSERT_GE(s.cash, 0);
            for (const RoomRow& row : t.game.room().rows)
                ASSERT_GE(row.quantity, 0);
        }
    }
}
