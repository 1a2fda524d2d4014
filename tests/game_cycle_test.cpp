// New game, travel and the day cycle.

#include <gtest/gtest.h>

#include "game/money.h"
#include "scripted_ui.h"
#include "test_draws.h"

TEST(RandomSource, ReplaysTheClassicGeneratorAfterSeedingWithOne)
{
    SeedRandom(1);
    EXPECT_EQ(RandomDraw(), 41);
    EXPECT_EQ(RandomDraw(), 18467);
    EXPECT_EQ(RandomDraw(), 6334);
    EXPECT_EQ(RandomDraw(), 26500);
    EXPECT_EQ(RandomDraw(), 19169);
    SeedRandom(1);
    EXPECT_EQ(RandomBelow(40), 41 % 40);
}

TEST(NewGame, OpensWithOneDaysInterestAndAFreshMarket)
{
    TestGame t;
    const GameState& s = t.game.state();
    EXPECT_EQ(s.cash, 2000);
    EXPECT_EQ(s.debt, 5500);
    EXPECT_EQ(s.savings, 0);
    EXPECT_EQ(s.health, 100);
    EXPECT_EQ(s.fame, 100);
    EXPECT_EQ(s.location, -1);
    EXPECT_EQ(s.daysLeft, 40);
    EXPECT_EQ(t.ui.title, "Torvane(0/40天)");
    EXPECT_EQ(t.ui.status[StatusField::GoodsCount], "0/100");
    EXPECT_EQ(t.ui.status[StatusField::Debt], "5500");
    EXPECT_TRUE(t.game.room().rows.empty());
    const std::size_t offered = t.game.market().rows.size();
    EXPECT_GE(offered, 5u);
    EXPECT_LE(offered, 7u);
    // The list shows exactly the goods with a price, in goods order.
    std::size_t row = 0;
    for (int i = 0; i < kGoodsCount; ++i)
        if (s.marketPrices[static_cast<std::size_t>(i)] != 0) {
            EXPECT_EQ(t.game.market().rows[row++].price, s.marketPrices[static_cast<std::size_t>(i)]);
        }
}

TEST(NewGame, AsksOnlyAfterThreeDaysAndNoKeepsEverything)
{
    TestGame t;
    t.game.state().mapMode = 2;
    t.game.state().soundOff = 1;
    t.game.state().hackerEnabled = 1;
    t.game.state().daysLeft = 38;   // two days played: no question
    t.game.NewGame();
    EXPECT_TRUE(t.ui.Of("question").empty());
    EXPECT_EQ(t.game.state().mapMode, 2);
    EXPECT_EQ(t.game.state().soundOff, 1);
    EXPECT_EQ(t.game.state().hackerEnabled, 0);

    t.game.state().daysLeft = 37;
    t.game.state().cash = 12345;
    t.ui.Answer({"no"});
    t.game.NewGame();
    ASSERT_EQ(t.ui.Of("question").size(), 1u);
    EXPECT_EQ(t.ui.Of("question")[0].text, "您正在玩一个游戏，要放弃它并开始新的吗?");
    EXPECT_EQ(t.game.state().cash, 12345);
    EXPECT_EQ(t.game.state().daysLeft, 37);

    t.ui.Answer({"yes"});
    t.game.NewGame();
    EXPECT_EQ(t.game.state().cash, 2000);
    EXPECT_EQ(t.game.state().daysLeft, 40);
    EXPECT_EQ(t.ui.title, "Torvane(0/40天)");
}

TEST(Travel, SamePlaceCostsNothingAndMapToggleKeepsThePlace)
{
    TestGame t;
    QueueQuietDay(3);
    t.game.Travel(4);
    EXPECT_EQ(t.game.state().daysLeft, 39);
    ASSERT_EQ(t.ui.Of("sound").size(), 1u);
    EXPECT_EQ(t.ui.Of("sound")[0].text, "shutdoor.wav");
    t.ui.Clear();
    t.game.ToggleMap();
    EXPECT_EQ(t.game.state().mapMode, 2);
    t.game.Travel(4);
    EXPECT_EQ(t.game.state().daysLeft, 39);
    EXPECT_TRUE(t.ui.events.empty());
    t.game.ToggleMap();
    EXPECT_EQ(t.game.state().mapMode, 1);
}

TEST(DayCycle, InterestComesBeforeTheDaysEventsAndTheLastTwoDaysOfferEverything)
{
    TestGame t;
    t.game.state().savings = 10000;
    t.game.state().debt = 1000;
    t.game.state().daysLeft = 3;
    // Removal draws 2, 2, 5 take goods 2 and 5 away on a day with 3 days left.
    for (int i = 0; i < 8; ++i) QueueDraws({1});
    QueueDraws({2, 2, 5});
    QueueQuietNews();
    QueueQuietStreet();
    QueueDraws({0});   // the first money event (10% of cash) fires...
    QueueDraws({1});   // ...and the hackers do not
    t.game.Travel(1);
    EXPECT_EQ(t.game.state().debt, 1100);
    EXPECT_EQ(t.game.state().savings, 10100);
    EXPECT_EQ(t.game.market().rows.size(), 6u);
    EXPECT_EQ(t.game.state().marketPrices[2], 0);

    QueueQuietDay(0);
    t.game.Travel(2);
    EXPECT_EQ(t.game.market().rows.size(), 8u);
    EXPECT_EQ(t.ui.Diaries().back(), "俺明天回家乡，快把全部货物卖掉。");
    EXPECT_EQ(t.ui.title, "Torvane(39/40天)");
}

TEST(DayCycle, ADebtAbove100000AfterTheDaysEventsBringsTheBeating)
{
    // Debt 90000 grows to 99000; a one-day hospital stay costing 1000 or 1001
    // brings it to exactly 100000 or to 100001 before the check.
    for (int extra : {0, 1}) {
        TestGame t;
        t.game.state().debt = 90000;
        t.game.state().health = 50;
        for (int i = 0; i < 11; ++i) QueueDraws({1});
        QueueQuietNews();
        QueueQuietStreet();
        QueueDraws({0, 0, extra});   // 1 day, spot 0, cost 1000 + extra
        QueueQuietMoney();
        t.game.Travel(3);
        EXPECT_EQ(t.game.state().debt, 100000 + extra);
        EXPECT_EQ(t.game.state().health, extra ? 30 : 60);
        EXPECT_EQ(t.ui.Of("sound").back().text, extra ? "kill.wav" : "shutdoor.wav");
        EXPECT_EQ(t.ui.Diaries().back(), extra ? "俺欠钱太多，村长叫一群老乡揍了俺一顿!"
                                                : "好心的市民把我抬到医院，医生让我治疗1天。");
    }
}

TEST(DayCycle, AWholeGameEndsAfterFortyMoves)
{
    TestGame t(7);
    t.game.state().soundOff = 1;
    int moves = 0;
    while (!t.ui.closeRequested && moves < 60) {
        t.ui.Answer({"no"});   // the replay question, when it comes
        t.game.state().health = 100;
        t.game.Travel(moves % 10 + 1);
        ++moves;
        if (t.game.state().daysLeft > 0) {
            EXPECT_EQ(t.ui.title, "Torvane(" + std::to_string(40 - t.game.state().daysLeft) + "/40天)");
        }
    }
    EXPECT_LE(moves, 40);
    EXPECT_TRUE(t.ui.closeRequested);
    EXPECT_TRUE(t.ui.Of("sound").empty());
    auto diaries = t.ui.Diaries();
    EXPECT_NE(std::find(diaries.begin(), diaries.end(), "俺已经在Varsen40天了，该回去结婚去了。"), diaries.end());
}

TEST(Money, InterestSaturatesInsteadOfWrapping)
{
    TestGame t;
    t.game.state().debt = 2000000000;
    t.game.state().savings = 2147000000;
    t.game.ApplyInterest();
    EXPECT_EQ(t.game.state().debt, 2147483647);
    EXPECT_EQ(t.game.state().savings, 2147483647);
    EXPECT_EQ(Saturate(-3000000000LL), -2147483647 - 1);
}
