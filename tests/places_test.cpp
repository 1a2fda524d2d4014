// The places that cost no day: bank, hospital, post office, rent agent,
// internet cafe, airport, and the settings.

#include <gtest/gtest.h>

#include "game/random_source.h"
#include "scripted_ui.h"

TEST(Bank, DepositsWithdrawsAndEscWithdraws)
{
    TestGame t;
    t.ui.Answer({"ok", "ok"});
    t.game.OnBank();
    auto dialogs = t.ui.Of("dialog");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].texts[1040], "客户您好! 您的现金是2000, 您的存款是0. 请问您要...");
    EXPECT_EQ(dialogs[1].texts[1037], "您存多少钱?");
    EXPECT_EQ(dialogs[1].field, "2000");
    EXPECT_EQ(t.game.state().cash, 0);
    EXPECT_EQ(t.game.state().savings, 2000);
    EXPECT_EQ(t.ui.status[StatusField::Savings], "2000");
    EXPECT_EQ(t.ui.Of("sound").at(0).text, "opendoor.wav");

    t.ui.Clear();
    t.ui.Answer({"cancel", "2001", "500"});   // Esc is the withdraw button
    t.game.OnBank();
    EXPECT_EQ(t.ui.Of("dialog").at(1).texts[1037], "您提走多少钱?");
    EXPECT_EQ(t.ui.Of("box").at(0).text, "Please enter an integer between 0 and 2000.");
    EXPECT_EQ(t.game.state().cash, 500);
    EXPECT_EQ(t.game.state().savings, 1500);

    t.ui.Clear();
    t.ui.Answer({"leave"});
    t.game.OnBank();
    EXPECT_EQ(t.ui.Of("dialog").size(), 1u);
    t.ui.Answer({"ok", "0"});
    t.game.OnBank();
    EXPECT_EQ(t.game.state().cash, 500);
    EXPECT_EQ(t.ui.unanswered, 0);
}

TEST(Hospital, SellsHealthAt3500APointUpToFullHealth)
{
    TestGame t;
    t.game.OnHospital();
    EXPECT_EQ(t.ui.Diaries().at(0), "小护士笑咪咪地望着俺：\"大哥！神经科这边挂号.\"");
    EXPECT_TRUE(t.ui.Of("dialog").empty());

    t.game.state().health = 60;
    t.game.state().cash = 100000;
    t.ui.Answer({"ok", "0", "28"});
    t.game.OnHospital();
    auto dialog = t.ui.Of("dialog").at(0);
    EXPECT_EQ(dialog.texts[1041], "大夫高兴地拍着手：“您的健康点数是60，需要治疗的点数是40。");
    EXPECT_EQ(dialog.field, "40");
    EXPECT_EQ(t.ui.Diaries().back(), "医生说，“钱不够哎! 拒绝治疗。”");
    EXPECT_EQ(t.game.state().health, 60);
    t.game.OnHospital();
    EXPECT_EQ(t.ui.Of("box").at(0).text, "Please enter an integer between 1 and 40.");
    EXPECT_EQ(t.game.state().health, 88);
    EXPECT_EQ(t.game.state().cash, 2000);

    t.game.state().health = 99;
    t.game.state().cash = 3499;
    t.ui.Answer({"ok"});
    t.game.OnHospital();
    EXPECT_EQ(t.game.state().health, 99);
    t.game.state().cash = 3500;
    t.ui.Answer({"ok"});
    t.game.OnHospital();
    EXPECT_EQ(t.game.state().health, 100);
    EXPECT_EQ(t.game.state().cash, 0);
}

TEST(PostOffice, RepaysAtMostCashAndDebt)
{
    TestGame t;
    t.ui.Answer({"ok"});
    t.game.OnPostOffice();
    auto dialog = t.ui.Of("dialog").at(0);
    EXPECT_EQ(dialog.texts[1043], "村长在电话中说：\"铁牛，你欠俺5500元，快还!\"");
    EXPECT_EQ(dialog.field, "2000");
    EXPECT_EQ(t.game.state().cash, 0);
    EXPECT_EQ(t.game.state().debt, 3500);

    t.game.state().cash = 8000;
    t.ui.Answer({"3501", "3500"});
    t.game.OnPostOffice();
    EXPECT_EQ(t.ui.Of("box").at(0).text, "Please enter an integer between 0 and 3500.");
    EXPECT_EQ(t.game.state().debt, 0);
    EXPECT_EQ(t.game.state().cash, 4500);
    t.ui.Answer({"cancel"});
    t.game.state().debt = 10;
    t.game.OnPostOffice();
    EXPECT_EQ(t.game.state().debt, 10);
}

TEST(PostOffice, TheVillageHeadsRemarksFollowWealth)
{
    TestGame t;
    t.game.state().debt = 0;
    auto remark = [&](std::int32_t cash, std::int32_t savings) {
        t.game.state().cash = cash;
        t.game.state().savings = savings;
        t.game.OnPostOffice();
        return t.ui.Diaries().back();
    };
    const std::string model = "村长说：\"您是农村年轻人的典范！\"";
    EXPECT_EQ(remark(500, 400), "村长嘿嘿笑道：“你没钱,有神经病!”");
    EXPECT_EQ(remark(600, 400), model);
    EXPECT_EQ(remark(1001, 0), "村长朝俺点头：\"兄弟,您想支援家乡1000元吗？\"");
    EXPECT_EQ(remark(100000, 0), model);
    EXPECT_EQ(remark(100001, 0), "村长在电话中朝俺鞠躬:\"富豪!我想把我女儿嫁给您.\"...");
    EXPECT_EQ(remark(5000000, 5000000), model);
    EXPECT_EQ(remark(2147483647, 2147483647), "村长在电话中朝俺下跪，说：\"您简直是我亲爹！\"");
    EXPECT_TRUE(t.ui.Of("dialog").empty());
}

TEST(RentAgent, CheatsOnEveryDealUpTo140)
{
    TestGame t;
    t.game.state().cash = 29999;
    t.game.OnRentAgent();
    EXPECT_EQ(t.ui.Diaries().back(), "中介说，您没有三万现金就想租房? 一边凉快去!");

    t.game.state().cash = 30000;
    t.ui.Answer({"ok"});
    t.game.OnRentAgent();
    auto dialog = t.ui.Of("dialog").back();
    EXPECT_EQ(dialog.texts[1089], "想把生意做大?您现在的房子只能放100个物品，太小啦!");
    EXPECT_EQ(dialog.texts[1090], "您花费20000元，可以租能放110个物品的房子。");
    EXPECT_EQ(t.game.state().cash, 5000);
    EXPECT_EQ(t.game.state().roomCapacity, 110);
    EXPECT_EQ(t.ui.Diaries().back(), "我的房子可以放110个物品了!可是，好象中介公司骗了我一些钱...");
    EXPECT_EQ(t.ui.status[StatusField::GoodsCount], "0/110");

    t.game.state().cash = 30001;
    t.ui.Answer({"ok"});
    t.game.OnRentAgent();
    EXPECT_EQ(t.ui.Of("dialog").back().texts[1090], "您花费15000元，可以租能放120个物品的房子。");
    EXPECT_EQ(t.game.state().cash, 13000);

    t.game.state().cash = 100000;
    t.ui.Answer({"cancel"});
    t.game.OnRentAgent();
    EXPECT_EQ(t.ui.Diaries().back(), "呵! 小心为妙! 传闻Varsen有的租房中介公司很能骗人....");
    EXPECT_EQ(t.game.state().roomCapacity, 120);
    t.game.state().roomCapacity = 130;
    t.ui.Answer({"ok"});
    t.game.OnRentAgent();
    EXPECT_EQ(t.game.state().cash, 48000);
    EXPECT_EQ(t.game.state().roomCapacity, 140);
    t.game.OnRentAgent();
    EXPECT_EQ(t.ui.Diaries().back(), "中介说，您的房子比局长的还大!还租房?");
    EXPECT_TRUE(t.ui.Of("sound").empty());
}

TEST(NetCafe, PaysThreeVisitsAGameFromFifteenYuan)
{
    TestGame t;
    t.game.state().cash = 14;
    t.game.OnNetCafe();
    EXPECT_EQ(t.ui.Diaries().back(), "进网吧至少身上要带15元，呵呵，取钱再来。");
    EXPECT_EQ(t.game.state().cafeVisits, 0);

    t.game.state().cash = 15;
    QueueDraws({9});
    t.game.OnNetCafe();
    EXPECT_EQ(t.ui.Of("dialog").back().id, 160);
    EXPECT_EQ(t.game.state().cash, 25);
    EXPECT_EQ(t.ui.Diaries().back(), "感谢电信改革，可以免费上网! 还挣了美国网络广告费10元，嘿嘿!");
    t.game.OnNetCafe();
    t.game.OnNetCafe();
    EXPECT_EQ(t.game.state().cafeVisits, 3);
    t.game.OnNetCafe();
    EXPECT_EQ(t.ui.Diaries().back(), "村长放出话来：你别总是在网吧里鬼混，快去做正经买卖! ");
    EXPECT_EQ(t.game.state().cafeVisits, 3);
    t.game.NewGame();
    t.game.OnNetCafe();
    EXPECT_EQ(t.game.state().cafeVisits, 1);
    EXPECT_TRUE(t.ui.Of("sound").empty());
}

TEST(Airport, PlaysItsSoundAndChangesNothing)
{
    TestGame t;
    const GameState before = t.game.state();
    t.game.OnAirport();
    EXPECT_EQ(t.ui.Of("sound").at(0).text, "airport.wav");
    EXPECT_EQ(t.ui.Of("dialog").at(0).id, 145);
    EXPECT_EQ(t.game.state().cash, before.cash);
    EXPECT_EQ(t.game.state().daysLeft, before.daysLeft);
}

TEST(Settings, OkTakesTheBoxesCancelKeepsTheFlags)
{
    TestGame t;
    t.ui.Answer({"soundoff=1", "hackers=1", "cancel"});
    t.game.OnSettings();
    EXPECT_EQ(t.game.state().soundOff, 0);
    EXPECT_EQ(t.game.state().hackerEnabled, 0);
    t.ui.Answer({"soundoff=1", "hackers=1", "ok"});
    t.game.OnSettings();
    EXPECT_EQ(t.game.state().soundOff, 1);
    EXPECT_EQ(t.game.state().hackerEnabled, 1);
    t.ui.Clear();
    t.game.OnBank();   // no answer left: the withdrawal dialog is cancelled, silently
    EXPECT_TRUE(t.ui.Of("sound").empty());
    t.game.NewGame();
    EXPECT_EQ(t.game.state().soundOff, 1);
    EXPECT_EQ(t.game.state().hackerEnabled, 0);
}
