// score.txt, the top-ten table, news.txt and the help page.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "records/gbk.h"
#include "records/help_page.h"
#include "records/news_file.h"
#include "records/scrambled_file.h"
#include "records/top_ten.h"
#include "scripted_ui.h"

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

TEST(ScoreFile, TheDefaultTableIsWrittenAsFortyGbkLinesEndingInCrLf)
{
    TestGame t;
    t.game.OnTopTen();
    auto dialog = t.ui.Of("dialog").at(0);
    EXPECT_EQ(dialog.id, 137);
    EXPECT_EQ(dialog.selected, 0);
    EXPECT_EQ(dialog.rows.at(0), (std::vector<std::string>{"第一名", "zav", "12500720", "98", "争议人物"}));
    EXPECT_EQ(dialog.rows.at(9), (std::vector<std::string>{"第十名", "ko", "3", "100", "杰出青年"}));

    const std::string bytes = ReadBytes(ScoreFilePath(t.dir));
    const std::string expectedStart = "zav\r\n12500720\r\n98\r\n\xD5\xF9\xD2\xE9\xC8\xCB\xCE\xEF\r\n"
                                      "vu\r\n830050\r\n100\r\n\xBD\xDC\xB3\xF6\xC7\xE0\xC4\xEA\r\n";
    EXPECT_EQ(bytes.substr(0, expectedStart.size()), expectedStart);
    const std::string expectedEnd = "ko\r\n3\r\n100\r\n\xBD\xDC\xB3\xF6\xC7\xE0\xC4\xEA\r\n";
    EXPECT_EQ(bytes.substr(bytes.size() - expectedEnd.size()), expectedEnd);
    std::size_t lines = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            ++lines;
            EXPECT_EQ(bytes[i - 1], '\r');
        }
    EXPECT_EQ(lines, 40u);
    EXPECT_EQ(ParseScoreFile(bytes)[6].name, "ko ");
    EXPECT_FALSE(std::filesystem::exists(ScoreFilePath(t.dir) + ".tmp"));
}

TEST(ScoreFile, ReadsNamesToTheCarriageReturnAndNumbersLikeAtol)
{
    std::string bytes = "abc\r\n  -12xyz\r\n+7\r\n\xB2\xEE\r\n";
    TopTenTable table = ParseScoreFile(bytes);
    EXPECT_EQ(table[0].name, "abc");
    EXPECT_EQ(table[0].money, -12);
    EXPECT_EQ(table[0].health, 7);
    EXPECT_EQ(table[0].reputation, "差");
    // The rows a short file lacks are empty, with zeros.
    EXPECT_EQ(table[1].name, "");
    EXPECT_EQ(table[9].money, 0);
    EXPECT_EQ(ParseScoreFile("x\n99999999999\n-99999999999\n")[0].money, 2147483647);
    EXPECT_EQ(ParseScoreFile("x\n99999999999\n-99999999999\n")[0].health, -2147483647 - 1);
}

TEST(ScoreFile, WritesAndReadsBackEveryField)
{
    TopTenTable table = DefaultTopTen();
    table[3] = {"王小二", -5, 0, "江湖唾弃"};
    EXPECT_EQ(ParseScoreFile(FormatScoreFile(table))[3].name, "王小二");
    EXPECT_EQ(ParseScoreFile(FormatScoreFile(table))[3].money, -5);
    EXPECT_EQ(FormatScoreFile(ParseScoreFile(FormatScoreFile(table))), FormatScoreFile(table));
}

TEST(ScoreFile, AnUnwritableFileEndsTheProgramWithMinusOne)
{
    TestGame t;
    std::filesystem::create_directory(ScoreFilePath(t.dir));   // a folder is no file to write
    t.game.OnTopTen();
    ASSERT_EQ(t.ui.Of("box").size(), 1u);
    EXPECT_EQ(t.ui.Of("box")[0].text, "Error: score file can not be opened.");
    EXPECT_TRUE(t.ui.exited);
    EXPECT_EQ(t.ui.exitStatus, -1);
    EXPECT_TRUE(t.ui.Of("dialog").empty());
}

TEST(TopTen, RanksAndInsertsWithTiesAbove)
{
    const TopTenTable defaults = DefaultTopTen();
    EXPECT_EQ(FindRank(defaults, 12500720), 0);
    EXPECT_EQ(FindRank(defaults, 3), 9);
    EXPECT_EQ(FindRank(defaults, 2), 100);
    EXPECT_EQ(FindRank(defaults, 1), 100);

    TopTenTable table = defaults;
    EXPECT_EQ(InsertScore(table, "new", 3, 50, 99), 9);
    EXPECT_EQ(table[9].name, "new");
    EXPECT_EQ(table[8].name, "ko");
    EXPECT_EQ(table[9].reputation, "杰出青年");

    table = defaults;
    EXPECT_EQ(InsertScore(table, "top", 12500720, 100, 100), 0);
    EXPECT_EQ(table[0].name, "top");
    EXPECT_EQ(table[1].name, "zav");
    EXPECT_EQ(table[9].money, 34);

    table = defaults;
    EXPECT_EQ(InsertScore(table, "low", 2, 100, 100), 0);
    EXPECT_EQ(FormatScoreFile(table), FormatScoreFile(defaults));
}

TEST(TopTen, ReputationFollowsFame)
{
    EXPECT_EQ(ReputationWord(100), "德高望重");
    EXPECT_EQ(ReputationWord(99), "杰出青年");
    EXPECT_EQ(ReputationWord(80), "一般般");
    EXPECT_EQ(ReputationWord(79), "不佳");
    EXPECT_EQ(ReputationWord(59), "争议人物");
    EXPECT_EQ(ReputationWord(20), "差");
    EXPECT_EQ(ReputationWord(19), "江湖唾弃");
    EXPECT_EQ(ReputationWord(-3), "江湖唾弃");
}

TEST(TopTen, NamesAreCutToNineteenGbkBytesOnACharacterBoundary)
{
    // Ten Chinese characters are 20 GBK bytes: nine fit.
    EXPECT_EQ(CutTopTenName("一二三四五六七八九十"), "一二三四五六七八九");
    EXPECT_EQ(CutTopTenName("a一二三四五六七八九十"), "a一二三四五六七八九");
    EXPECT_EQ(CutTopTenName("abcdefghijklmnopqrstuvwxyz"), "abcdefghijklmnopqrs");
    EXPECT_EQ(CutTopTenName("bad\r\nname"), "badname");
    EXPECT_LE(Utf8ToGbk(CutTopTenName("😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀")).size(), 19u);
}

TEST(NewsFile, SplitsSegmentsWithDoubleByteCharactersAsUnits)
{
    EXPECT_EQ(SplitNewsSegments("|A|B|"), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(SplitNewsSegments("|A|B"), std::vector<std::string>{"A"});
    EXPECT_EQ(SplitNewsSegments("|A||B|"), std::vector<std::string>{"A"});
    EXPECT_TRUE(SplitNewsSegments("Error : Couldnt load File...").empty());
    // 乗 (GBK 81 7C) keeps its second byte: the segment is not split there.
    const std::string gbk = "|\x81\x7C" "x|y|";
    EXPECT_EQ(SplitNewsSegments(gbk), (std::vector<std::string>{GbkToUtf8("\x81\x7Cx"), "y"}));
    EXPECT_EQ(MakeNewsText(std::string("|A|\0|B|", 7)).segments, std::vector<std::string>{"A"});
}

TEST(NewsFile, LoadsScrambledOrReportsTheMissingFile)
{
    TestGame t;
    EXPECT_EQ(LoadNewsText(t.dir).whole, "Error : Couldnt load File...");
    WriteBytes(t.dir + "/news.txt", Scramble(Utf8ToGbk("|村长来了|A|"), kNewsKey));
    NewsText news = LoadNewsText(t.dir);
    EXPECT_EQ(news.segments, (std::vector<std::string>{"村长来了", "A"}));
    EXPECT_EQ(news.whole, "|村长来了|A|");
}

TEST(HelpPage, IsUnscrambledBesideTheExecutableAndRemovedAtTheEnd)
{
    TestGame t;
    EXPECT_EQ(PrepareHelpPage(t.dir), HelpPageResult::SourceMissing);
    WriteBytes(HelpSourcePath(t.dir), Scramble("<html>\x80\xFF</html>", kHelpInfoKey));
    EXPECT_EQ(PrepareHelpPage(t.dir), HelpPageResult::Written);
    EXPECT_EQ(ReadBytes(HelpPagePath(t.dir)), "<html>\x80\xFF</html>");
    RemoveHelpPage(HelpPagePath(t.dir));
    EXPECT_FALSE(std::filesystem::exists(HelpPagePath(t.dir)));
    RemoveHelpPage(HelpPagePath(t.dir));
}
