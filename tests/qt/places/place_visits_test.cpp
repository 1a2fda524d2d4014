// Whole visits through the window: each place button and menu command opens
// its dialog, and the answers given there leave the game, the status displays
// and the diaries exactly as the same answers leave the engine's game.

#include <QMenuBar>
#include <QTemporaryDir>

#include <memory>

#include "places_test_support.h"
#include "tests/scripted_ui.h"
#include "ui/controls/segment_display.h"
#include "ui/window/main_commands.h"
#include "ui/window/main_dlg.h"
#include "ui/window/main_menu.h"

namespace {

// Every field of the record of a game, for comparing two games.
std::vector<std::int64_t> Fields(const GameState& s)
{
    std::vector<std::int64_t> fields{s.mapMode, s.cafeVisits, s.hackerEnabled, s.soundOff,
                                     s.location, s.fame, s.health, s.lastSold, s.lastBought,
                                     s.roomCapacity, s.goodsHeld, s.daysLeft, s.cash, s.debt,
                                     s.savings};
    fields.insert(fields.end(), s.marketPrices.begin(), s.marketPrices.end());
    return fields;
}

struct Trigger {
    int id;
    bool menu;   // a menu command rather than a button
};

constexpr Trigger Button(int id) { return {id, false}; }
constexpr Trigger Menu(int id) { return {id, true}; }

// The status texts the window shows, by field, as the engine reports them.
const std::pair<StatusField, int> kStatusControls[] = {
    {StatusField::Cash, 1020},  {StatusField::Savings, 1035}, {StatusField::Debt, 1050},
    {StatusField::Health, 1047}, {StatusField::Fame, 1048},
};

}  // namespace

class PlaceVisitsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        window_ = ShowMainWindow(dir_.path());
        QVERIFY(window_);
        engine_ = std::make_unique<TestGame>(2);
        engine_->game.state() = window_->game().state();
    }
    void cleanup()
    {
        window_.reset();
        engine_.reset();
    }

    void depositAtTheBank()
    {
        QString proposal;
        Visit(Button(kBankButtonId), &Game::OnBank, {"deposit", "1500"},
              {Press(kIdOk), EnterAndOk(QStringLiteral("1500"), &proposal)});
        QCOMPARE(script_->seen, QStringList({"银行！", "现金交易"}));
        QCOMPARE(proposal, QStringLiteral("2000"));
        QCOMPARE(State().cash, 500);
        QCOMPARE(State().savings, 1500);
        QCOMPARE(Display(1020)->text(), QStringLiteral("500"));
        QCOMPARE(Display(1035)->text(), QStringLiteral("1500"));
        QCOMPARE(window_->soundPlayer().lastPath(), QStringLiteral("sound/opendoor.wav"));
    }

    void escapeAtTheBankWithdraws()
    {
        SetBoth([](GameState& s) { s.savings = 1000; });
        QString prompt;
        Visit(Menu(kCmdBank), &Game::OnBank, {"withdraw", "300"},
              {Key(Qt::Key_Escape),
               Seeing([&prompt](QWidget* cash) { prompt = Text(cash, kIdCashPrompt); },
                      EnterAndOk(QStringLiteral("300")))});
        QCOMPARE(prompt, QStringLiteral("您提走多少钱?"));
        QCOMPARE(State().cash, 2300);
        QCOMPARE(State().savings, 700);

        // The close box withdraws too; cancelling the amount changes nothing.
        Visit(Button(kBankButtonId), &Game::OnBank, {"withdraw", "cancel"},
              {[](QWidget* bank) { bank->close(); }, Press(kIdCancel)});
        QCOMPARE(script_->seen, QStringList({"银行！", "现金交易"}));
        QCOMPARE(State().savings, 700);
    }

    void leavingTheBankAsksNoAmount()
    {
        Visit(Button(kBankButtonId), &Game::OnBank, {"leave"}, {Press(kIdBankLeave)});
        QCOMPARE(script_->seen, QStringList({"银行！"}));
        QCOMPARE(State().cash, 2000);
    }

    void treatmentAtTheHospital()
    {
        SetBoth([](GameState& s) {
            s.health = 60;
            s.cash = 100000;
        });
        QString proposal;
        QString box;
        // 40 points would cost 140000: refused, nothing changes.
        Visit(Button(kHospitalButtonId), &Game::OnHospital, {"0", "40"},
              {EnterAndOk(QStringLiteral("0"), &proposal), ReadBox(&box), EnterAndOk(QStringLiteral("40"))});
        QCOMPARE(proposal, QStringLiteral("40"));
        QCOMPARE(box, QStringLiteral("Please enter an integer between 1 and 40."));
        QCOMPARE(script_->diaries, QStringList({"医生说，“钱不够哎! 拒绝治疗。”"}));
        QCOMPARE(State().health, 60);

        Visit(Menu(kCmdHospital), &Game::OnHospital, {"28"}, {EnterAndOk(QStringLiteral("28"))});
        QCOMPARE(State().health, 88);
        QCOMPARE(State().cash, 2000);
        QCOMPARE(Display(1047)->text(), QStringLiteral("88"));

        SetBoth([](GameState& s) { s.health = 100; });
        Visit(Button(kHospitalButtonId), &Game::OnHospital, {}, {});
        QCOMPARE(script_->seen, QStringList({"我在Varsen的岁月"}));
    }

    void repaymentAtThePostOffice()
    {
        QString proposal;
        Visit(Button(kPostOfficeButtonId), &Game::OnPostOffice, {"ok"},
              {EnterAndOk(QString(), &proposal)});
        QCOMPARE(script_->seen, QStringList({"给村长还钱"}));
        QCOMPARE(proposal, QStringLiteral("2000"));
        QCOMPARE(State().cash, 0);
        QCOMPARE(State().debt, 3500);
        QCOMPARE(Display(1050)->text(), QStringLiteral("3500"));

        Visit(Menu(kCmdPostOffice), &Game::OnPostOffice, {"cancel"}, {Press(kIdCancel)});
        QCOMPARE(State().debt, 3500);

        SetBoth([](GameState& s) {
            s.debt = 0;
            s.cash = 1000;
        });
        Visit(Menu(kCmdPostOffice), &Game::OnPostOffice, {}, {});
        QCOMPARE(script_->diaries, QStringList({"村长说：\"您是农村年轻人的典范！\""}));
    }

    void aBiggerRoomFromTheRentAgent()
    {
        SetBoth([](GameState& s) { s.cash = 30000; });
        Visit(Button(kRentAgentButtonId), &Game::OnRentAgent, {"ok"}, {Press(kIdOk)});
        QCOMPARE(script_->seen, QStringList({"租房中介", "我在Varsen的岁月"}));
        QCOMPARE(State().cash, 5000);
        QCOMPARE(State().roomCapacity, 110);
        QCOMPARE(Text(window_.get(), kGoodsCountLabelId), QStringLiteral("0/110"));
        // The agent plays no sound.
        QCOMPARE(window_->soundPlayer().lastPath(), QString());

        SetBoth([](GameState& s) { s.cash = 100000; });
        Visit(Menu(kCmdRentAgent), &Game::OnRentAgent, {"cancel"}, {Key(Qt::Key_Escape)});
        QCOMPARE(State().roomCapacity, 110);
        QCOMPARE(script_->diaries, QStringList({"呵! 小心为妙! 传闻Varsen有的租房中介公司很能骗人...."}));
    }

    void theAirportOnlyAnnounces()
    {
        Visit(Menu(kCmdAirport), &Game::OnAirport, {}, {Press(kIdOk)});
        QCOMPARE(script_->seen, QStringList({"首都机场"}));
        QCOMPARE(window_->soundPlayer().lastPath(), QStringLiteral("sound/airport.wav"));
    }

    void settingsCancelKeepsBothFlagsAndOkCopiesThem()
    {
        auto toggleBoth = [](QWidget* settings) {
            for (int id : {kIdHackersCheck, kIdSoundOffCheck})
                control<QAbstractButton>(settings, id)->click();
        };
        Visit(Menu(kCmdSettings), &Game::OnSettings, {"hackers=1", "soundoff=1", "cancel"},
              {Seeing(toggleBoth, Press(kIdCancel))});
        QCOMPARE(State().soundOff, 0);
        QCOMPARE(State().hackerEnabled, 0);

        Visit(Menu(kCmdSettings), &Game::OnSettings, {"hackers=1", "soundoff=1", "ok"},
              {Seeing(toggleBoth, Press(kIdOk))});
        QCOMPARE(State().soundOff, 1);
        QCOMPARE(State().hackerEnabled, 1);

        // With sound off the bank's door is silent.
        Visit(Button(kBankButtonId), &Game::OnBank, {"leave"}, {Press(kIdBankLeave)});
        QCOMPARE(window_->soundPlayer().lastPath(), QString());
    }

private:
    GameState& State() { return window_->game().state(); }
    CSegmentDisplay* Display(int id) { return control<CSegmentDisplay>(window_.get(), id); }

    void SetBoth(const std::function<void(GameState&)>& change)
    {
        change(window_->game().state());
        change(engine_->game.state());
    }

    // Runs one visit in both games: the window through its button or menu
    // command with steps for its dialogs, the engine's with the same answers.
    void Visit(Trigger trigger, void (Game::*handler)(), std::initializer_list<std::string> answers,
               std::initializer_list<ModalScript::Step> steps)
    {
        engine_->ui.Clear();
        engine_->ui.Answer(answers);
        (engine_->game.*handler)();
        QCOMPARE(engine_->ui.answers.size(), std::size_t{0});

        script_ = std::make_unique<ModalScript>(steps);
        if (trigger.menu)
            FindMenuCommand(window_->menuBar(), trigger.id)->trigger();
        else
            control<QPushButton>(window_.get(), trigger.id)->click();
        QCOMPARE(script_->unexpected, QStringList());
        QCOMPARE(script_->stepsLeft(), std::size_t{0});

        QCOMPARE(Fields(window_->game().state()), Fields(engine_->game.state()));
        QStringList engineDiaries;
        for (const std::string& middle : engine_->ui.Diaries())
            engineDiaries << QString::fromStdString(middle);
        QCOMPARE(script_->diaries, engineDiaries);
        for (const auto& [field, id] : kStatusControls)
            QCOMPARE(Display(id)->text(), QString::fromStdString(engine_->ui.status[field]));
        QCOMPARE(Text(window_.get(), kGoodsCountLabelId),
                 QString::fromStdString(engine_->ui.status[StatusField::GoodsCount]));
    }

    QTemporaryDir dir_;
    std::unique_ptr<CMainDlg> window_;
    std::unique_ptr<TestGame> engine_;
    std::unique_ptr<ModalScript> script_;
};

TORVANE_WINDOW_TEST_MAIN(PlaceVisitsTest)
#include "place_visits_test.moc"
