// The end of a game: the sale of the last day, the evaluation, the top ten and
// the replay question.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "records/help_page.h"
#include "records/top_ten.h"
#include "scripted_ui.h"
#include "test_draws.h"

namespace {

// Brings a game to its last move with the room and money given.
void LastMove(TestGame& t)
{
    t.game.state().daysLeft = 1;
    QueueQuietDay(0);
}

}  // namespace

TEST(EndOfGame, TheLastDaySellsTheRoomAtThatDaysPrices)
{
    TestGame t;
    t.game.room().rows = {{"进口香烟", 100, 10, false}, {"走私汽车", 20000, 2, false}};
    t.game.state().goodsHeld = 12;
    t.game.state().cash = 0;
    t.game.state().debt = 0;
    LastMove(t);
    t.ui.Answer({"name=Tester", "no"});
    t.game.Travel(1);
    auto diaries = t.ui.Diaries();
    ASSERT_GE(diaries.size(), 2u);
    EXPECT_EQ(diaries[0], "俺已经在Varsen40天了，该回去结婚去了。");
    EXPECT_EQ(diaries[1], "系统替我卖了剩余货物: 进口香烟走私汽车。");
    // Every goods at base + 1 on the last day.
    EXPECT_EQ(t.game.state().cash, 10 * 101 + 2 * 15001);
    EXPECT_EQ(t.game.state().goodsHeld, 12);
    EXPECT_EQ(t.ui.title, "Torvane(40/40天)");
}

TEST(EndOfGame, AnEmptyRoomShowsOnlyTheFortyDaysDiaryAndPoorPlayersAreSentHome)
{
    TestGame t;
    std::ofstream(HelpPagePath(t.dir)) << "help";
    LastMove(t);
    t.game.Travel(1);
    EXPECT_EQ(t.ui.Diaries(), std::vector<std::string>{"俺已经在Varsen40天了，该回去结婚去了。"});
    ASSERT_EQ(t.ui.Of("news").size(), 1u);
    EXPECT_EQ(t.ui.Of("news")[0].text, "《Varsen游戏报》报道: 玩家“无名氏”在Varsen没挣着钱，被遣送回家。");
    EXPECT_FALSE(std::filesystem::exists(HelpPagePath(t.dir)));
    EXPECT_TRUE(t.ui.closeRequested);
    EXPECT_TRUE(t.ui.closeOk);
    EXPECT_FALSE(std::filesystem::exists(ScoreFilePath(t.dir)));
}

TEST(EndOfGame, GoodsMissingFromTheLastMarketEarnNothing)
{
    TestGame t;
    t.game.room().rows = {{"盗版VCD、游戏", 5, 10, false}, {"进口香烟", 100, 10, false}};
    t.game.state().cash = 5;
    t.game.state().debt = 0;
    t.game.state().daysLeft = 1;
    for (int i = 0; i < 8; ++i) QueueDraws({1});
    for (int row = 0; row < 18; ++row)
        QueueDraws({row == 13 ? 0 : 1});   // VCDs at 6 / 8 = 0: gone from the market
    QueueQuietStreet();
    QueueQuietMoney();
    t.ui.Answer({"name=x", "no"});
    t.game.Travel(2);
    EXPECT_EQ(t.game.state().cash, 5 + 10 * 101);
}

TEST(EndOfGame, QuittingWithDebtIsAFailureAndWealthOneIsEvaluated)
{
    TestGame t;
    t.game.FinishGame();   // 2000 - 5500
    EXPECT_EQ(t.ui.Of("news").size(), 1u);
    EXPECT_TRUE(t.ui.closeOk);

    TestGame zero;
    zero.game.state().cash = 5500;
    zero.game.FinishGame();
    EXPECT_EQ(zero.ui.Of("news").at(0).text, "《Varsen游戏报》报道: 玩家“无名氏”在Varsen没挣着钱，被遣送回家。");
    EXPECT_TRUE(zero.ui.Of("dialog").empty());

    TestGame one;
    one.game.state().cash = 1;
    one.game.state().debt = 0;
    one.ui.Answer({"no"});
    one.game.FinishGame();
    EXPECT_EQ(one.ui.Of("news").at(0).text, "您挣的钱1元人民币太少，没能进入富人前10名，下次努力哦!");
    EXPECT_EQ(one.ui.Of("dialog").at(0).id, 137);
    EXPECT_EQ(one.ui.Of("dialog").at(0).selected, 0);
    EXPECT_EQ(one.ui.Of("question").at(0).text, "嗨, 再玩一把吗?");
    EXPECT_TRUE(one.ui.closeOk);
    EXPECT_TRUE(std::filesystem::exists(ScoreFilePath(one.dir)));
}

TEST(EndOfGame, AGoodResultIsCongratulatedInsertedAndOfferedAReplay)
{
    TestGame t;
    t.game.state().cash = 10000001;
    t.game.state().debt = 0;
    t.game.state().fame = 58;
    t.game.state().health = 77;
    t.game.state().soundOff = 1;
    t.game.state().daysLeft = 12;
    t.ui.Answer({"name=一二三四五六七八九十", "yes"});
    t.game.FinishGame();
    auto dialogs = t.ui.Of("dialog");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].id, 164);
    EXPECT_EQ(dialogs[0].texts[1091], "您的财富10000001人民币已经进入Varsen富人前2名。");
    EXPECT_EQ(dialogs[0].texts[1099].rfind("您还被授予“", 0), 0u);
    EXPECT_EQ(dialogs[1].selected, 1);
    EXPECT_EQ(dialogs[1].rows[1], (std::vector<std::string>{"第二名", "一二三四五六七八九", "10000001", "77", "争议人物"}));
    EXPECT_EQ(t.ui.Of("news").back().text, "您挣的钱10000001元人民币很高，建议您发给作者进行高手排行。");
    // Yes: a new game at once, without the new-game question, sound still off.
    EXPECT_EQ(t.ui.Of("question").size(), 1u);
    EXPECT_EQ(t.game.state().daysLeft, 40);
    EXPECT_EQ(t.game.state().cash, 2000);
    EXPECT_EQ(t.game.state().soundOff, 1);
    EXPECT_FALSE(t.ui.closeRequested);
    EXPECT_EQ(LoadTopTen(t.dir)[1].name, "一二三四五六七八九");

    TestGame exact;
    exact.game.state().cash = 10000000;
    exact.game.state().debt = 0;
    exact.ui.Answer({"ok", "no"});
    exact.game.FinishGame();
    EXPECT_TRUE(exact.ui.Of("news").empty());
    EXPECT_EQ(LoadTopTen(exact.dir)[1].name, "");
}

TEST(EndOfGame, DeathOnTheLastDayStillEvaluatesAndCloses)
{
    TestGame t;
    t.game.state().health = 10;
    t.game.state().cash = 50000;
    t.game.state().debt = 0;
    t.game.state().daysLeft = 1;
    for (int i = 0; i < 8; ++i) QueueDraws({1});
    QueueQuietNews();
    QueueDraws({1, 0});   // a blow with a club: 20 health
    QueueQuietMoney();
    t.ui.Answer({"name=ghost", "yes"});
    t.game.Travel(5);
    EXPECT_EQ(t.ui.Of("dialog").at(0).id, 164);
    EXPECT_TRUE(t.ui.closeRequested);
    EXPECT_FALSE(t.ui.closeOk);   // the death's cancel is the last close asked for
}
