// Buying, selling and the two lists.

#include <gtest/gtest.h>

#include "places/fame_penalties.h"
#include "places/quantity_dialogs.h"
#include "scripted_ui.h"

namespace {

// Today's market: the goods given with their prices, in goods order.
void SetMarket(Game& game, std::initializer_list<std::pair<int, std::int32_t>> offers)
{
    game.state().marketPrices = {};
    for (auto [goods, price] : offers)
        game.state().marketPrices[static_cast<std::size_t>(goods)] = price;
    game.RefreshMarket();
}

void Select(Game& game, ListId list, const std::string& name)
{
    int row = list == ListId::Market ? game.market().Find(name) : game.room().Find(name);
    game.SelectRow(list, row);
}

const std::string kCigarettes = "进口香烟";
const std::string kCars = "走私汽车";
const std::string kLiquor = "假白酒（剧毒！）";
const std::string kBook = "《上海小宝贝》（禁书）";

}  // namespace

TEST(Buying, ProposesWhatCashAndRoomAllowAndKeepsTheAveragePrice)
{
    TestGame t;
    SetMarket(t.game, {{0, 300}, {1, 100}});
    Select(t.game, ListId::Market, kCigarettes);
    t.ui.Answer({"ok"});
    t.game.OnBuy();
    auto dialog = t.ui.Of("dialog").at(0);
    EXPECT_EQ(dialog.id, 131);
    EXPECT_EQ(dialog.texts[1022], "2000元人民币,最多可以买6个进口香烟。");
    EXPECT_EQ(dialog.texts[1107], "");
    EXPECT_EQ(dialog.field, "6");
    EXPECT_EQ(t.game.state().cash, 200);
    EXPECT_EQ(t.game.state().goodsHeld, 6);
    EXPECT_EQ(t.ui.Of("sound").at(0).text, "buy.wav");
    ASSERT_EQ(t.game.room().rows.size(), 1u);
    EXPECT_EQ(t.game.room().rows[0].averagePrice, 300);

    // 10 held at 50, 10 more at 100: 20 at 75. 2 at 33 plus 1 at 100: 3 at 55.
    t.game.room().rows[0] = {kCigarettes, 50, 10, false};
    t.game.state().cash = 5000;
    SetMarket(t.game, {{0, 100}, {1, 100}});
    Select(t.game, ListId::Market, kCigarettes);
    t.ui.Answer({"10"});
    t.game.OnBuy();
    EXPECT_EQ(t.game.room().rows[0].quantity, 20);
    EXPECT_EQ(t.game.room().rows[0].averagePrice, 75);
    t.game.room().rows[0] = {kCigarettes, 33, 2, false};
    t.ui.Answer({"1"});
    t.game.OnBuy();
    EXPECT_EQ(t.game.room().rows[0].quantity, 3);
    EXPECT_EQ(t.game.room().rows[0].averagePrice, 55);

    // New goods go to the top of the room list, above older rows.
    Select(t.game, ListId::Market, kCars);
    t.ui.Answer({"1"});
    t.game.OnBuy();
    EXPECT_EQ(t.game.room().rows[0].name, kCars);
    EXPECT_EQ(t.game.room().Selected(), -1);
    EXPECT_EQ(t.game.market().Selected(), 1);
}

TEST(Buying, RefusesWithTheRightMessages)
{
    TestGame t;
    SetMarket(t.game, {{1, 15000}});
    t.game.SelectRow(ListId::Market, -1);
    t.game.OnBuy();
    Select(t.game, ListId::Market, kCars);
    t.game.OnBuy();
    t.game.state().savings = 1;
    t.game.OnBuy();
    EXPECT_EQ(t.ui.Diaries(), (std::vector<std::string>{"我还没有选定买什么物品呢。",
                                                        "俺的现金不够，银行又没有存款，咋办哩?",
                                                        "俺带的现金不够，去银行提点钱吧。"}));
    EXPECT_TRUE(t.ui.Of("dialog").empty());
    EXPECT_EQ(t.game.state().cash, 2000);
}

TEST(Buying, ValidatesTheQuantityAndHandlesAFullRoom)
{
    TestGame t;
    SetMarket(t.game, {{0, 1000}, {2, 10}});
    t.game.state().goodsHeld = 97;
    Select(t.game, ListId::Market, "盗版VCD、游戏");
    t.ui.Answer({"abc", "4", "-1", "+3"});
    t.game.OnBuy();
    EXPECT_EQ(t.ui.Of("dialog").at(0).field, "3");   // room for 3 of the 200 affordable
    auto boxes = t.ui.Of("box");
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "Please enter an integer.");
    EXPECT_EQ(boxes[1].text, "Please enter an integer between 0 and 3.");
    EXPECT_EQ(boxes[2].text, "Please enter an integer between 0 and 3.");
    EXPECT_EQ(t.game.state().goodsHeld, 100);
    EXPECT_EQ(t.game.state().cash, 1970);

    // A full room: the room-full lines, and only 0 is accepted.
    t.ui.Clear();
    Select(t.game, ListId::Market, kCigarettes);
    t.ui.Answer({"1", "0"});
    t.game.OnBuy();
    auto dialog = t.ui.Of("dialog").at(0);
    EXPECT_EQ(dialog.texts[1022], "1970元人民币, 您租的房子放满了东西，所以不能再进货了。");
    EXPECT_EQ(dialog.texts[1107], "为扩大生意规模，建议您去租更大的房子。");
    EXPECT_EQ(t.ui.Of("box").at(0).text, "Please enter an integer between 0 and 0.");
    EXPECT_EQ(t.ui.Diaries().back(), "好可惜!俺租的房子太小，只能放100个物品。租更大的房子?");
    EXPECT_EQ(t.game.state().lastBought, 0);
    EXPECT_EQ(t.ui.Of("sound").size(), 1u);   // a confirmed 0 still rings the till
}

TEST(Buying, SaturatedCashAtOneYuanStillRespectsTheRoom)
{
    TestGame t;
    SetMarket(t.game, {{2, 1}});
    t.game.state().cash = 2147483647;
    t.game.state().goodsHeld = 5;
    Select(t.game, ListId::Market, "盗版VCD、游戏");
    t.ui.Answer({"ok"});
    t.game.OnBuy();
    EXPECT_EQ(t.ui.Of("dialog").at(0).field, "95");
    EXPECT_EQ(t.game.state().goodsHeld, 100);
    EXPECT_EQ(t.game.state().cash, 2147483647 - 95);
}

TEST(Buying, TheSpinRangeIsCutToSixteenBits)
{
    NumberField field = MakeNumberField(1038, 100000, 0, 100000);
    EXPECT_EQ(field.spinLower, 1);
    EXPECT_EQ(field.spinUpper, -31072);
    EXPECT_EQ(MakeNumberField(1053, 0, 0, 0).spinUpper, 0);
}

TEST(Selling, PaysTodaysPriceAndShrinksOrRemovesTheRow)
{
    TestGame t;
    SetMarket(t.game, {{0, 150}});
    t.game.room().rows = {{kCigarettes, 120, 20, false}};
    t.game.state().goodsHeld = 20;
    Select(t.game, ListId::Room, kCigarettes);
    t.ui.Answer({"5"});
    t.game.OnSell();
    EXPECT_EQ(t.ui.Of("dialog").at(0).texts[1027], "您有20个进口香烟，想卖出多少？");
    EXPECT_EQ(t.ui.Of("dialog").at(0).field, "20");
    EXPECT_EQ(t.game.state().cash, 2750);
    EXPECT_EQ(t.game.room().rows.at(0).quantity, 15);
    EXPECT_EQ(t.game.room().rows.at(0).averagePrice, 120);
    EXPECT_EQ(t.game.room().Selected(), 0);
    t.ui.Answer({"ok"});
    t.game.OnSell();
    EXPECT_TRUE(t.game.room().rows.empty());
    EXPECT_EQ(t.game.state().goodsHeld, 0);
    EXPECT_EQ(t.game.state().cash, 2750 + 15 * 150);
    EXPECT_EQ(t.ui.Of("sound").back().text, "money.wav");
}

TEST(Selling, NothingSelectedDoesNothingAndAbsentGoodsAreRefused)
{
    TestGame t;
    SetMarket(t.game, {{0, 150}});
    t.game.room().rows = {{kCars, 20000, 1, false}};
    t.game.OnSell();
    EXPECT_TRUE(t.ui.events.empty());
    Select(t.game, ListId::Room, kCars);
    t.game.OnSell();
    EXPECT_EQ(t.ui.Diaries(), std::vector<std::string>{"哦？仿佛没有人在这里做走私汽车生意。"});
    EXPECT_TRUE(t.ui.Of("dialog").empty());
}

TEST(Selling, TheBookAndTheLiquorCostFameWithOneMessagePerRun)
{
    TestGame t;
    SetMarket(t.game, {{3, 1000}, {4, 5000}});
    t.game.room().rows = {{kBook, 5000, 10, false}, {kLiquor, 1000, 10, false}};
    t.game.state().goodsHeld = 20;
    for (int i = 0; i < 2; ++i) {
        Select(t.game, ListId::Room, kBook);
        t.ui.Answer({"1"});
        t.game.OnSell();
    }
    EXPECT_EQ(t.game.state().fame, 86);
    EXPECT_EQ(t.ui.Diaries(), std::vector<std::string>{"买卖《上海小宝贝》（禁书）,污染社会,俺的名声变坏了啊!"});

    t.ui.Answer({"yes"});
    t.game.NewGame();
    t.game.room().rows = {{kLiquor, 1000, 10, false}, {kBook, 5000, 10, false}};
    SetMarket(t.game, {{3, 1000}, {4, 5000}});
    t.game.state().fame = 5;
    t.ui.Clear();
    Select(t.game, ListId::Room, kBook);
    t.ui.Answer({"0"});
    t.game.OnSell();
    EXPECT_TRUE(t.ui.Diaries().empty());
    EXPECT_EQ(t.game.state().fame, 0);
    Select(t.game, ListId::Room, kLiquor);
    t.ui.Answer({"1"});
    t.game.OnSell();
    EXPECT_EQ(t.ui.Diaries(), std::vector<std::string>{"买卖假白酒（剧毒！）,危害社会，俺的名声下降了."});
    EXPECT_EQ(t.game.state().fame, 0);
    EXPECT_FALSE(t.ui.fameGood);
}

TEST(Selling, ALargeSaleSaturatesCash)
{
    TestGame t;
    SetMarket(t.game, {{1, 2000000000}});
    t.game.room().rows = {{kCars, 1, 2, false}};
    t.game.state().goodsHeld = 2;
    Select(t.game, ListId::Room, kCars);
    t.ui.Answer({"2"});
    t.game.OnSell();
    EXPECT_EQ(t.game.state().cash, 2147483647);
}

TEST(Lists, HiddenButtonsTradeTheLastRow)
{
    TestGame t;
    SetMarket(t.game, {{0, 100}, {2, 10}, {7, 70}});
    t.ui.Answer({"1"});
    t.game.OnBuyAll();
    EXPECT_EQ(t.game.room().rows.at(0).name, "伪劣化妆品");
    t.ui.Answer({"cancel"});
    t.game.OnSellAll();
    EXPECT_EQ(t.ui.Of("dialog").back().id, 130);
}

TEST(Lists, HeaderClicksSortCellsAsTextAndFlipTheOrder)
{
    TestGame t;
    SetMarket(t.game, {{0, 300}, {1, 15000}, {2, 5}, {7, 1500}});
    t.game.SelectRow(ListId::Market, 2);   // the 5-yuan VCDs stay selected through sorts
    auto prices = [&] {
        std::vector<std::int32_t> out;
        for (const MarketRow& row : t.game.market().rows)
            out.push_back(row.price);
        return out;
    };
    t.game.SortList(ListId::Market, 1);
    EXPECT_EQ(prices(), (std::vector<std::int32_t>{1500, 15000, 300, 5}));
    t.game.SortList(ListId::Market, 1);
    EXPECT_EQ(prices(), (std::vector<std::int32_t>{5, 300, 15000, 1500}));
    EXPECT_EQ(t.game.market().rows[static_cast<std::size_t>(t.game.market().Selected())].price, 5);

    // Quantity ascending, then name ascending, then name descending (GBK byte order).
    t.game.room().rows = {{"进口玩具", 1, 9, false}, {"假白酒（剧毒！）", 1, 10, false}, {"水货手机", 1, 2, false}};
    auto names = [&] {
        std::vector<std::string> out;
        for (const RoomRow& row : t.game.room().rows)
            out.push_back(row.name);
        return out;
    };
    t.game.SortList(ListId::Room, 2);
    EXPECT_EQ(names(), (std::vector<std::string>{"假白酒（剧毒！）", "水货手机", "进口玩具"}));
    t.game.SortList(ListId::Room, 0);
    // As GBK: 假 BC D9, 进 BD F8, 水 CB AE.
    EXPECT_EQ(names(), (std::vector<std::string>{"假白酒（剧毒！）", "进口玩具", "水货手机"}));
    t.game.SortList(ListId::Room, 0);
    EXPECT_EQ(names(), (std::vector<std::string>{"水货手机", "进口玩具", "假白酒（剧毒！）"}));

    t.ui.Answer({"yes"});
    t.game.state().daysLeft = 30;
    t.game.NewGame();
    EXPECT_EQ(t.game.market().sortColumn, -1);
    EXPECT_EQ(t.game.room().sortColumn, -1);
}

TEST(Lists, GoodsNameReportsIndexesOutsideTheTable)
{
    TestGame t;
    EXPECT_EQ(t.game.GoodsName(6), "水货手机");
    EXPECT_EQ(t.game.GoodsName(8), "");
    EXPECT_TRUE(t.ui.events.empty());
    t.game.GoodsName(10);
    EXPECT_EQ(t.ui.Of("box").at(0).text, "ID error.");
}
