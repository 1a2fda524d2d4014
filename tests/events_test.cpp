// The day's random events: market news, street events, money events.

#include <gtest/gtest.h>

#include "scripted_ui.h"
#include "test_draws.h"

namespace {

// Market news where only the rows given fire (draw 0), the others draw 1.
void QueueNews(std::initializer_list<int> firing)
{
    for (int row = 0; row < 18; ++row)
        QueueDraws({std::find(firing.begin(), firing.end(), row) != firing.end() ? 0 : 1});
}

// The street pass with only row `fires` firing (or none for -1).
void QueueStreet(int fires)
{
    for (int row = 0; row < 12 && row <= (fires < 0 ? 11 : fires); ++row)
        QueueDraws({row == fires ? 0 : 1});
}

}  // namespace

TEST(MarketNews, ChangesOfferedPricesOnlyAndCompounds)
{
    TestGame t;
    t.game.state().marketPrices = {7, 20000, 0, 0, 0, 0, 0, 0};
    QueueNews({4, 10, 11, 13});   // cars x3 then x8; cigarettes /8; VCDs absent
    t.game.RunMarketNews();
    EXPECT_EQ(t.game.state().marketPrices[1], 480000);
    EXPECT_EQ(t.game.state().marketPrices[0], 0);
    EXPECT_EQ(t.game.state().marketPrices[2], 0);
    auto news = t.ui.Of("news");
    ASSERT_EQ(news.size(), 3u);
    EXPECT_EQ(news[0].text, "《Varsen经济小报》社论：“走私汽车大力推进汽车消费!”");
    EXPECT_EQ(news[2].text, "市场上充斥着来自福建的走私香烟!");
    t.game.RefreshMarket();
    EXPECT_EQ(t.game.market().rows.size(), 1u);   // a price divided to 0 is not listed
}

TEST(MarketNews, GiftsFillTheRoomUpToItsCapacity)
{
    TestGame t;
    t.game.state().marketPrices = {100, 20000, 0, 1000, 0, 0, 900, 0};
    t.game.room().rows = {{"走私汽车", 18000, 1, false}};
    t.game.state().goodsHeld = 1;
    QueueNews({14, 15});   // 2 cars into their row, 6 cigarettes as a new top row
    t.game.RunMarketNews();
    ASSERT_EQ(t.game.room().rows.size(), 2u);
    EXPECT_EQ(t.game.room().rows[0].name, "进口香烟");
    EXPECT_EQ(t.game.room().rows[0].averagePrice, 0);
    EXPECT_EQ(t.game.room().rows[0].quantity, 6);
    EXPECT_EQ(t.game.room().rows[1].quantity, 3);
    EXPECT_EQ(t.game.room().rows[1].averagePrice, 18000);
    EXPECT_EQ(t.game.state().goodsHeld, 9);

    // 3 free places: 6 cigarettes give 3. Then the room is full: the liquor
    // gift ends the pass and the phone row after it is never tried.
    t.game.state().goodsHeld = 97;
    t.game.room().rows.clear();
    t.game.state().debt = 5000;
    QueueNews({15, 16, 17});
    t.game.RunMarketNews();
    EXPECT_EQ(t.game.room().rows.at(0).quantity, 3);
    EXPECT_EQ(t.game.state().goodsHeld, 100);
    EXPECT_EQ(t.ui.Diaries().back(), "可惜!俺租的房子太小，只能放100个物品。");
    EXPECT_EQ(t.game.state().debt, 5000);
    EXPECT_EQ(t.ui.Of("news").back().text, "俺老乡回家前把一些山西假白酒（剧毒）给俺!");
    ClearQueuedDraws();
}

TEST(MarketNews, ThePhoneSaleAddsToTheDebt)
{
    TestGame t;
    t.game.state().marketPrices = {0, 0, 0, 0, 0, 0, 900, 0};
    t.game.state().debt = 5500;
    QueueNews({17});
    t.game.RunMarketNews();
    EXPECT_EQ(t.game.state().debt, 8000);
    EXPECT_EQ(t.game.room().rows.at(0).name, "水货手机");
    EXPECT_EQ(t.game.room().rows.at(0).quantity, 1);
}

TEST(StreetEvents, HurtThenHospitaliseWhileMoreThanThreeDaysAreLeft)
{
    TestGame t;
    t.game.state().health = 85;
    t.game.state().daysLeft = 4;
    t.game.state().location = 5;
    t.game.state().mapMode = 2;
    t.game.state().debt = 10000;
    QueueStreet(0);                 // two thugs: 3 health
    QueueDraws({1, 28, 7998});      // 2 days, the last spot, 2 x 8998 yuan
    t.game.RunStreetEvents();
    auto diaries = t.ui.Of("diary");
    ASSERT_EQ(diaries.size(), 2u);
    EXPECT_EQ(diaries[0].text, "大街上两个流氓打了俺!俺的健康减少了3点。");
    EXPECT_EQ(t.ui.Of("sound").at(0).text, "kill.wav");
    EXPECT_EQ(diaries[1].text, "好心的市民把我抬到医院，医生让我治疗2天。");
    EXPECT_EQ(diaries[1].top, "由于不注意身体,我被人发现昏迷在三元东桥附近的行骗的知本家旁边。");
    EXPECT_EQ(diaries[1].bottom, "村长让人为我垫付了住院费用17996元。");
    EXPECT_EQ(t.game.state().health, 92);
    EXPECT_EQ(t.game.state().debt, 27996);
    EXPECT_EQ(t.game.state().daysLeft, 2);
}

TEST(StreetEvents, HealthCrisisWarningAndDeathInTheLastThreeDays)
{
    {
        TestGame t;
        t.game.state().health = 19;
        t.game.state().daysLeft = 3;
        QueueStreet(-1);
        t.game.RunStreetEvents();
        EXPECT_EQ(t.ui.Diaries(), std::vector<std::string>{"俺的健康..健康危机..快去医.."});
        EXPECT_FALSE(t.ui.closeRequested);
    }
    {
        TestGame t;
        t.game.state().health = 15;
        t.game.state().daysLeft = 3;
        QueueStreet(1);   // 20 health: -5
        t.game.RunStreetEvents();
        EXPECT_EQ(t.game.state().health, -5);
        EXPECT_EQ(t.ui.Diaries().back(), "俺倒在街头,身边日记本上写着：\"Varsen，我将再来!\"");
        EXPECT_EQ(t.ui.Of("sound").back().text, "death.wav");
        EXPECT_TRUE(t.ui.closeRequested);
        EXPECT_FALSE(t.ui.closeOk);
    }
    {
        TestGame t;   // the same health with four days left goes to hospital
        t.game.state().health = -5;
        t.game.state().daysLeft = 4;
        QueueStreet(-1);
        QueueDraws({0, 0, 0});
        t.game.RunStreetEvents();
        EXPECT_EQ(t.game.state().health, 5);
        EXPECT_FALSE(t.ui.closeRequested);
    }
    {
        TestGame t;   // exactly 0 is neither warned nor dead
        t.game.state().health = 0;
        t.game.state().daysLeft = 2;
        QueueStreet(-1);
        t.game.RunStreetEvents();
        EXPECT_TRUE(t.ui.events.empty());
    }
}

TEST(MoneyEvents, DivideFirstSkipEmptySavingsAndFloorCash)
{
    TestGame t;
    t.game.state().cash = 1999;
    QueueDraws({0, 1});   // the beggar takes 10%; no hackers
    t.game.RunMoneyEvents();
    EXPECT_EQ(t.game.state().cash, 1710);
    EXPECT_EQ(t.ui.Diaries().back(), "俺怜悯地铁口扮演成乞丐的老太太。俺的银子减少了10%。");

    t.ui.Clear();
    t.game.state().savings = 0;
    QueueDraws({1, 1, 1, 1, 0, 1});   // row 4 takes savings, but there are none
    t.game.RunMoneyEvents();
    EXPECT_TRUE(t.ui.events.empty());

    t.game.state().savings = 1050;
    QueueDraws({1, 1, 1, 1, 1, 0, 1});
    t.game.RunMoneyEvents();
    EXPECT_EQ(t.game.state().savings, 900);
    EXPECT_EQ(t.ui.Diaries().back(), "副主任说：“办经商证?晚上不要去我家给我送钱哦。”俺的存款减少了10%。，哎呀!");

    t.ui.Clear();
    t.game.state().cash = -40;
    QueueQuietMoney();
    t.game.RunMoneyEvents();
    EXPECT_EQ(t.game.state().cash, 0);
    EXPECT_EQ(t.ui.Diaries(), std::vector<std::string>{"俺不好办了。"});
}

TEST(MoneyEvents, HackersActOnlyWhenAllowedAndOnAThousandOrMore)
{
    TestGame t;
    auto hack = [&](std::int32_t savings, int enabled, std::initializer_list<std::int32_t> draws) {
        t.ui.Clear();
        t.game.state().savings = savings;
        t.game.state().hackerEnabled = enabled;
        for (int i = 0; i < 7; ++i) QueueDraws({1});
        QueueDraws({0});
        QueueDraws(draws);
        t.game.RunMoneyEvents();
        ClearQueuedDraws();
        return t.game.state().savings;
    };
    EXPECT_EQ(hack(5000, 0, {}), 5000);
    EXPECT_EQ(hack(999, 1, {}), 999);
    EXPECT_EQ(hack(1000, 1, {0}), 2000);                       // a thousand is enough: 1000 / (0 + 1)
    EXPECT_EQ(hack(5000, 1, {4}), 6000);                       // 5000 / (4 + 1)
    EXPECT_EQ(t.ui.Diaries().back(), "黑客入侵银行网络，疯狂修改数据库，我的存款增加了1000");
    EXPECT_EQ(hack(200000, 1, {0, 1}), 100000);                // / 2, lost
    EXPECT_EQ(t.ui.Diaries().back(), "黑客入侵银行网络，疯狂修改数据库，我的存款减少了100000");
    EXPECT_EQ(hack(200000, 1, {0, 3}), 300000);                // / 2, gained
    EXPECT_EQ(hack(2147000000, 1, {0, 0}), 2147483647);        // saturates
}
