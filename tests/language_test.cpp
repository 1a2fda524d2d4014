// The interface language: its choice from the locale, the English catalogue,
// sentences with placeholders, and whole engine games played in English.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "engine/engine.h"
#include "game/event_tables.h"
#include "game/game.h"
#include "game/goods.h"
#include "game/places_table.h"
#include "game/random_source.h"
#include "game/text_format.h"
#include "places/trade_lists.h"
#include "records/catalogue.h"
#include "records/top_ten.h"
#include "scripted_ui.h"

namespace {

// Each test that switches to English leaves the process in Chinese again.
class English : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(UseLanguage(Language::English, {TORVANE_LOCALE_DIR})); }
    void TearDown() override { UseLanguage(Language::Chinese, {}); }
};

Language Of(std::string language, std::string all, std::string messages, std::string lang)
{
    return LanguageOfLocale({std::move(language), std::move(all), std::move(messages), std::move(lang)});
}

// Code points of the Han script and of the Chinese punctuation and full-width forms.
bool IsChinese(char32_t c)
{
    return (c >= 0x3000 && c <= 0x303F) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xFF00 && c <= 0xFFEF);
}

// The first Chinese character of UTF-8 text, as its byte offset, or npos.
std::size_t FirstChinese(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        const int length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? b : b & (0x7F >> length);
        for (int k = 1; k < length && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (IsChinese(c))
            return i;
        i += static_cast<std::size_t>(length);
    }
    return std::string::npos;
}

std::string TempDir()
{
    static std::mt19937 names(std::random_device{}());
    auto dir = std::filesystem::temp_directory_path() / ("torvane-language-" + std::to_string(names()));
    std::filesystem::create_directories(dir);
    return dir.string();
}

// Forty days through every place and dialog the engine offers.
std::string WholeGame()
{
    std::ostringstream script;
    script << "settings -- hackers=1 ok\n";
    for (int day = 0; day < 40; ++day) {
        script << "buyall -- ok\nbuy 3 -- 1\nbuy 4 -- 1\nsort market " << day % 3 << "\nsort room "
               << (day + 1) % 3 << "\nbank -- deposit 300\nbank -- withdraw 100\nhospital -- 1\npost -- 50\n"
               << "rent -- ok\ncafe\nairport\nsell 2 -- x 1\nsellall -- ok\nsell 3 -- ok\nsell 4 -- ok\n";
        if (day % 7 == 0)
            script << "topten\nmap\n";
        script << "travel " << day % 10 + 1 << "\n";
    }
    script << "new -- no\nquit -- name=Zed no\n";
    return script.str();
}

}  // namespace

TEST(Language, TheLocaleChoosesAsGettextWould)
{
    EXPECT_EQ(Of("", "", "", "en_US.UTF-8"), Language::English);
    EXPECT_EQ(Of("", "", "", "en"), Language::English);
    EXPECT_EQ(Of("", "", "en_GB.UTF-8", "zh_CN.UTF-8"), Language::English);
    EXPECT_EQ(Of("", "zh_CN.UTF-8", "en_GB.UTF-8", "en_US.UTF-8"), Language::Chinese);
    EXPECT_EQ(Of("", "", "", "de_DE.UTF-8"), Language::Chinese);
    EXPECT_EQ(Of("", "", "", ""), Language::Chinese);
    EXPECT_EQ(Of("", "", "", "eng"), Language::Chinese);
    // LANGUAGE counts in any locale but C and POSIX, first catalogue first.
    EXPECT_EQ(Of("en", "", "", "C"), Language::Chinese);
    EXPECT_EQ(Of("en", "POSIX", "", ""), Language::Chinese);
    EXPECT_EQ(Of("en", "", "", ""), Language::Chinese);
    EXPECT_EQ(Of("en", "", "", "C.UTF-8"), Language::English);
    EXPECT_EQ(Of("fr:en_GB", "", "", "de_DE.UTF-8"), Language::English);
    EXPECT_EQ(Of("zh_CN:en", "", "", "en_US.UTF-8"), Language::Chinese);
    EXPECT_EQ(Of("fr:de", "", "", "en_US.UTF-8"), Language::Chinese);
    EXPECT_EQ(ParseLanguage("en"), Language::English);
    EXPECT_EQ(ParseLanguage("zh"), Language::Chinese);
    EXPECT_FALSE(ParseLanguage("EN"));
    EXPECT_FALSE(ParseLanguage(""));
}

TEST(Language, PlaceholdersTakeTheirArgumentsInAnyOrder)
{
    EXPECT_EQ(Format("%2 before %1", {"a", "b"}), "b before a");
    EXPECT_EQ(Format("down by %1%.", {"10"}), "down by 10%.");
    EXPECT_EQ(Format("%1%2", {"x", "y"}), "xy");
    EXPECT_EQ(Format("%3 is missing, %% stays", {"a"}), " is missing, %% stays");
    EXPECT_EQ(Format("100%", {}), "100%");
}

TEST(Language, WithoutItsCatalogueEnglishStaysChinese)
{
    EXPECT_FALSE(UseLanguage(Language::English, {TempDir()}));
    EXPECT_EQ(CurrentLanguage(), Language::Chinese);
    EXPECT_STREQ(Tr("进口香烟"), "进口香烟");
}

TEST_F(English, EveryTableTextHasItsTranslation)
{
    std::vector<const char*> texts;
    for (const GoodsInfo& goods : kGoods)
        if (*goods.name)
            texts.push_back(goods.name);
    for (const PlaceInfo& place : kPlaces)
        texts.insert(texts.end(), {place.subwayLabel, place.streetLabel, place.subwayHospital, place.streetHospital});
    for (const MarketNewsEvent& row : kMarketNews)
        texts.push_back(row.text);
    for (const StreetEvent& row : kStreetEvents)
        texts.push_back(row.text);
    for (const MoneyEvent& row : kMoneyEvents)
        texts.push_back(row.text);
    for (const char* spot : kSpots)
        texts.push_back(spot);
    for (const char* text : texts) {
        const std::string shown = Tr(text);
        EXPECT_EQ(FirstChinese(shown), std::string::npos) << text << " -> " << shown;
    }
    EXPECT_STREQ(Tr(""), "");
    EXPECT_STREQ(TrContext("list of goods", "%1%2"), "%1, %2");
}

TEST_F(English, GoodsAreNamedAndFoundInEnglish)
{
    EXPECT_EQ(GoodsIndex("Imported cigarettes"), 0);
    EXPECT_EQ(GoodsIndex("\"Shanghai Baby\" (banned)"), 4);
    EXPECT_EQ(GoodsIndex("进口香烟"), -1);
    ScriptedUi ui;
    Game game(ui, TempDir());
    EXPECT_EQ(game.GoodsName(7), "Fake cosmetics");
    EXPECT_EQ(game.GoodsName(8), "");
}

TEST_F(English, ListsSortByTheEnglishTexts)
{
    MarketList list;
    for (int goods : {0, 1, 2, 3})
        list.rows.push_back({Tr(kGoods[goods].name), 10, false, goods});
    SortByColumn(list, 0);
    std::vector<int> order;
    for (const MarketRow& row : list.rows)
        order.push_back(row.goods);
    // Fake liquor, Imported cigarettes, Pirate VCDs, Smuggled cars.
    EXPECT_EQ(order, (std::vector<int>{3, 0, 2, 1}));
}

TEST_F(English, WholeGamesShowNoChineseButNamesFromTheScoreFile)
{
    for (std::uint32_t seed : {1u, 2u, 7u, 268u, 4242u}) {
        const std::string dir = TempDir();
        TopTenTable table = DefaultTopTen();
        table[9].name = "王小二";
        ASSERT_TRUE(SaveTopTen(dir, table));
        SeedRandom(seed);
        std::istringstream in(WholeGame());
        std::ostringstream out;
        RunEngine(in, out, dir);
        std::istringstream lines(out.str());
        int count = 0;
        for (std::string line; std::getline(lines, line); ++count) {
            for (std::size_t at; (at = line.find("王小二")) != std::string::npos;)
                line.erase(at, std::string("王小二").size());
            EXPECT_EQ(FirstChinese(line), std::string::npos) << "seed " << seed << ": " << line;
        }
        EXPECT_GT(count, 200) << "seed " << seed;
        // The table keeps its Chinese words on disk, whatever the language.
        for (const TopTenEntry& row : LoadTopTen(dir))
            EXPECT_NE(FirstChinese(row.reputation), std::string::npos) << row.reputation;
    }
}
