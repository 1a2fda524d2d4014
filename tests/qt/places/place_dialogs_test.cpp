// The place dialogs and the settings on their own: what they show on entry,
// which answer each button, key and the close box gives, and the number
// fields' validation.

#include <QCheckBox>
#include <QPointer>
#include <QTemporaryDir>

#include "game/dialog_ids.h"
#include "places/quantity_dialogs.h"
#include "places_test_support.h"
#include "ui/controls/up_down.h"
#include "ui/places/airport_dlg.h"
#include "ui/places/bank_dlg.h"
#include "ui/places/cash_dlg.h"
#include "ui/places/hospital_dlg.h"
#include "ui/places/rent_agent_dlg.h"
#include "ui/places/repay_dlg.h"
#include "ui/records/settings_dlg.h"
#include "ui/window/game_dialogs.h"
#include "ui/window/main_commands.h"

namespace {

// Presses OK with text in the number field; returns the text of the message
// box that brought, or a null string when none came.
QString PressOk(QDialog& dialog, const QString& text)
{
    QString box;
    ModalScript script{ReadBox(&box)};
    dialog.findChild<QLineEdit*>()->setText(text);
    control<QPushButton>(&dialog, kIdOk)->click();
    return box;
}

// A refused number leaves the dialog open with the text selected for retyping.
void CheckRefused(CNumberFieldDlg& dialog, const QString& text, const QString& message)
{
    QCOMPARE(PressOk(dialog, text), message);
    QVERIFY(dialog.isVisible());
    auto* edit = dialog.findChild<QLineEdit*>();
    QCOMPARE(edit->selectedText(), text);
    QCOMPARE(dialog.focusWidget(), edit);
    QCOMPARE(dialog.answer().button, kIdCancel);
}

void CheckAccepted(CNumberFieldDlg& dialog, const QString& text, int value)
{
    QCOMPARE(PressOk(dialog, text), QString());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.answer().button, kIdOk);
    QCOMPARE(dialog.answer().value, value);
}

void CheckSpin(const QWidget& dialog, int lower, int upper)
{
    auto* spin = dialog.findChild<CUpDown*>();
    QCOMPARE(spin->lower(), lower);
    QCOMPARE(spin->upper(), upper);
}

DialogRequest SettingsRequest(int hackers, int soundOff)
{
    DialogRequest request;
    request.id = kSettingsDialogId;
    request.checks = SettingsChecks{hackers, soundOff};
    return request;
}

}  // namespace

class PlaceDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void everyPlaceHasItsDialog()
    {
        for (int id : {kCashDialogId, kBankDialogId, kHospitalDialogId, kRepayDialogId,
                       kAirportDialogId, kRentAgentDialogId, kSettingsDialogId})
            QVERIFY2(HasGameDialog(id), qPrintable(QString::number(id)));
    }

    void bankGreetsAndOffersThreeButtons()
    {
        CBankDlg bank(BankDialog(2000, 0), nullptr);
        QCOMPARE(bank.windowTitle(), QStringLiteral("银行！"));
        QCOMPARE(Text(&bank, kIdBankGreeting),
                 QStringLiteral("客户您好! 您的现金是2000, 您的存款是0. 请问您要..."));
        QCOMPARE(Text(&bank, kIdOk), QStringLiteral("存  钱"));
        QCOMPARE(Text(&bank, kIdCancel), QStringLiteral("取  钱"));
        QCOMPARE(Text(&bank, kIdBankLeave), QStringLiteral("离  开"));
        QVERIFY(control<QPushButton>(&bank, kIdOk)->isDefault());
    }

    void bankAnswersWithTheButtonThatClosedIt()
    {
        // Withdrawing is the bank's Cancel: Esc and the close box withdraw as well.
        const std::pair<std::function<void(CBankDlg&)>, int> cases[] = {
            {[](CBankDlg& bank) { control<QPushButton>(&bank, kIdOk)->click(); }, kIdOk},
            {[](CBankDlg& bank) { QTest::keyClick(&bank, Qt::Key_Return); }, kIdOk},
            {[](CBankDlg& bank) { control<QPushButton>(&bank, kIdCancel)->click(); }, kIdCancel},
            {[](CBankDlg& bank) { QTest::keyClick(&bank, Qt::Key_Escape); }, kIdCancel},
            {[](CBankDlg& bank) { bank.close(); }, kIdCancel},
            {[](CBankDlg& bank) { control<QPushButton>(&bank, kIdBankLeave)->click(); }, kIdBankLeave},
        };
        for (const auto& [close, button] : cases) {
            CBankDlg bank(BankDialog(2000, 0), nullptr);
            bank.show();
            close(bank);
            QVERIFY(!bank.isVisible());
            QCOMPARE(bank.answer().button, button);
        }
    }

    // The amount dialog opens on top of the bank, which closes after it, however
    // the bank was left for it: deposit, withdraw, Esc or the close box.
    void bankStaysUnderTheAmountItAsksFor()
    {
        const std::pair<std::function<void(QDialog*)>, QString> ways[] = {
            {[](QDialog* bank) { control<QPushButton>(bank, kIdOk)->click(); }, QStringLiteral("您存多少钱?")},
            {[](QDialog* bank) { control<QPushButton>(bank, kIdCancel)->click(); }, QStringLiteral("您提走多少钱?")},
            {[](QDialog* bank) { QTest::keyClick(bank, Qt::Key_Escape); }, QStringLiteral("您提走多少钱?")},
            {[](QDialog* bank) { bank->close(); }, QStringLiteral("您提走多少钱?")},
        };
        QTemporaryDir dir;
        auto window = ShowMainWindow(dir.path());
        for (const auto& [leave, prompt] : ways) {
            QString asked;
            bool bankBeneath = false;
            QPointer<QDialog> bank;
            WhenModal([&, leave = leave](QWidget* modal) {
                bank = qobject_cast<QDialog*>(modal);
                QCOMPARE(bank->windowTitle(), QStringLiteral("银行！"));
                WhenModal([&](QWidget* cash) {
                    asked = Text(cash, kIdCashPrompt);
                    bankBeneath = bank && bank->isVisible() && cash->parentWidget() == bank;
                    qobject_cast<QDialog*>(cash)->reject();
                }, bank);
                leave(bank);
            });
            control<QPushButton>(window.get(), kBankButtonId)->click();
            QCOMPARE(asked, prompt);
            QVERIFY(bankBeneath);
            QVERIFY(!bank);   // closed once the amount dialog had
        }
        // Leaving asks nothing and closes the bank at once.
        QPointer<QDialog> bank;
        WhenModal([&](QWidget* modal) {
            bank = qobject_cast<QDialog*>(modal);
            control<QPushButton>(bank, kIdBankLeave)->click();
        });
        control<QPushButton>(window.get(), kBankButtonId)->click();
        QVERIFY(!bank);
        QCOMPARE(window->game().state().cash, 2000);
    }

    void cashDialogProposesTheLimitOfItsMode()
    {
        CCashDlg deposit(CashDialog(1, 2000, 500), nullptr);
        QCOMPARE(deposit.windowTitle(), QStringLiteral("现金交易"));
        QCOMPARE(Text(&deposit, kIdCashPrompt), QStringLiteral("您存多少钱?"));
        QCOMPARE(Text(&deposit, kIdCashAmount), QStringLiteral("2000"));
        QCOMPARE(Text(&deposit, kIdOk), QStringLiteral("确认交易"));
        QCOMPARE(Text(&deposit, kIdCancel), QStringLiteral("取消交易"));
        CheckSpin(deposit, 1, 2000);

        CCashDlg withdraw(CashDialog(2, 2000, 500), nullptr);
        QCOMPARE(Text(&withdraw, kIdCashPrompt), QStringLiteral("您提走多少钱?"));
        QCOMPARE(Text(&withdraw, kIdCashAmount), QStringLiteral("500"));
        CheckSpin(withdraw, 1, 500);
    }

    void cashDialogValidatesAgainstItsLimit()
    {
        CCashDlg withdraw(CashDialog(2, 2000, 500), nullptr);
        withdraw.show();
        CheckRefused(withdraw, QStringLiteral("abc"), QStringLiteral("Please enter an integer."));
        CheckRefused(withdraw, QStringLiteral("501"),
                     QStringLiteral("Please enter an integer between 0 and 500."));
        CheckRefused(withdraw, QStringLiteral("-1"),
                     QStringLiteral("Please enter an integer between 0 and 500."));
        CheckAccepted(withdraw, QStringLiteral("0"), 0);

        // Nothing to deposit: only 0 is taken.
        CCashDlg deposit(CashDialog(1, 0, 500), nullptr);
        deposit.show();
        CheckRefused(deposit, QStringLiteral("1"), QStringLiteral("Please enter an integer between 0 and 0."));
        CheckAccepted(deposit, QStringLiteral("0"), 0);
    }

    void hospitalShowsTheDoctorTheIconAndTheFixedLines()
    {
        CHospitalDlg hospital(HospitalDialog(60), nullptr);
        QCOMPARE(hospital.windowTitle(), QStringLiteral("在医院里"));
        QCOMPARE(LabelTexts(&hospital),
                 QStringList({"大夫高兴地拍着手：“您的健康点数是60，需要治疗的点数是40。",
                              "坚决抵制腐败！每个健康点数俺只收您3500元红包。”", "治疗点数："}));
        QCOMPARE(Text(&hospital, kIdTreatPoints), QStringLiteral("40"));
        QCOMPARE(Text(&hospital, kIdOk), QStringLiteral("确 认"));
        QCOMPARE(Text(&hospital, kIdCancel), QStringLiteral("你太黑了!俺告你去!"));
        CheckSpin(hospital, 1, 40);
        bool icon = false;
        for (const QLabel* label : hospital.findChildren<QLabel*>())
            icon = icon || !label->pixmap().isNull();
        QVERIFY(icon);
    }

    void hospitalTreatsAtLeastOnePoint()
    {
        CHospitalDlg hospital(HospitalDialog(60), nullptr);
        hospital.show();
        CheckRefused(hospital, QStringLiteral("0"), QStringLiteral("Please enter an integer between 1 and 40."));
        CheckRefused(hospital, QStringLiteral("41"), QStringLiteral("Please enter an integer between 1 and 40."));
        CheckRefused(hospital, QStringLiteral("2x"), QStringLiteral("Please enter an integer."));
        CheckAccepted(hospital, QStringLiteral("1"), 1);

        CHospitalDlg cancelled(HospitalDialog(99), nullptr);
        cancelled.show();
        QTest::keyClick(&cancelled, Qt::Key_Escape);
        QCOMPARE(cancelled.answer().button, kIdCancel);
    }

    void repaymentIsBoundByCashAndDebt()
    {
        CRepayDlg repay(RepayDialog(2000, 5500), nullptr);
        repay.show();
        QCOMPARE(repay.windowTitle(), QStringLiteral("给村长还钱"));
        QCOMPARE(Text(&repay, kIdRepayPrompt), QStringLiteral("村长在电话中说：\"铁牛，你欠俺5500元，快还!\""));
        QCOMPARE(LabelTexts(&repay).last(), QStringLiteral("您还多少？"));
        QCOMPARE(Text(&repay, kIdRepayAmount), QStringLiteral("2000"));
        QCOMPARE(Text(&repay, kIdOk), QStringLiteral("确  定"));
        QCOMPARE(Text(&repay, kIdCancel), QStringLiteral("缓几天吧"));
        CheckSpin(repay, 1, 2000);
        CheckRefused(repay, QStringLiteral("2001"), QStringLiteral("Please enter an integer between 0 and 2000."));
        CheckRefused(repay, QStringLiteral(""), QStringLiteral("Please enter an integer."));
        control<QPushButton>(&repay, kIdCancel)->click();
        QCOMPARE(repay.answer().button, kIdCancel);

        // With cash below zero no amount is acceptable; the dialog can only be cancelled.
        CRepayDlg broke(RepayDialog(-5, 100), nullptr);
        broke.show();
        CheckRefused(broke, QStringLiteral("0"), QStringLiteral("Please enter an integer between 0 and -5."));
    }

    void rentAgentShowsItsOfferAndAnswersOkOrCancel()
    {
        DialogRequest request;
        request.id = kRentAgentDialogId;
        request.texts = {{kIdRoomNow, "想把生意做大?您现在的房子只能放100个物品，太小啦!"},
                         {kIdRoomOffer, "您花费20000元，可以租能放110个物品的房子。"}};
        CRentAgentDlg agent(request, nullptr);
        agent.show();
        QCOMPARE(agent.windowTitle(), QStringLiteral("租房中介"));
        QCOMPARE(LabelTexts(&agent),
                 QStringList({"欢迎来到Varsen“扁子居”租房中介公司!",
                              "我们的理念：免费看房，成交补款，童叟全欺，无耻无畏!",
                              "想把生意做大?您现在的房子只能放100个物品，太小啦!",
                              "您花费20000元，可以租能放110个物品的房子。"}));
        QCOMPARE(Text(&agent, kIdOk), QStringLiteral("成  交"));
        QCOMPARE(Text(&agent, kIdCancel), QStringLiteral("怕上当，下次吧"));
        QTest::keyClick(&agent, Qt::Key_Escape);
        QCOMPARE(agent.answer().button, kIdCancel);
        agent.show();
        QTest::keyClick(&agent, Qt::Key_Return);
        QCOMPARE(agent.answer().button, kIdOk);
    }

    void airportShowsItsFiveLinesAndCountsAsRead()
    {
        DialogRequest request;
        request.id = kAirportDialogId;
        CAirportDlg airport(request, nullptr);
        QCOMPARE(airport.windowTitle(), QStringLiteral("首都机场"));
        QCOMPARE(LabelTexts(&airport),
                 QStringList({"您想飞到美国，在全球建立贸易网？",
                              "     即将到来的2.0版本中，您可以在世界各大城市（纽约、东京、伦敦、巴黎、上海、孟买、新加坡和朝鲜的平壤）间",
                              "从事国际贸易。",
                              "    给朝鲜卖粮食？从巴黎倒化妆品？在纽约卖印度特产？还是到新加坡进口东南亚水果？",
                              "    最刺激的恐怕是在东京!  倒卖日本特产----“死不认帐药”和“卑鄙丸子”? "}));
        QCOMPARE(Text(&airport, kIdOk), QStringLiteral("OK"));

        ModalScript script{Key(Qt::Key_Escape)};
        QCOMPARE(RunGameDialog(request, nullptr).answer.button, kIdOk);
        QCOMPARE(script.seen, QStringList({"首都机场"}));
    }

    void settingsShowTheFlagsAndOkCopiesBoth()
    {
        CSettingsDlg settings(SettingsRequest(1, 0), nullptr);
        settings.show();
        QCOMPARE(settings.windowTitle(), QStringLiteral("游戏设置"));
        auto* hackers = control<QCheckBox>(&settings, kIdHackersCheck);
        auto* sound = control<QCheckBox>(&settings, kIdSoundOffCheck);
        QCOMPARE(hackers->text(), QStringLiteral("允许黑客攻击银行网络"));
        QCOMPARE(sound->text(), QStringLiteral("关闭声音"));
        QCOMPARE(LabelTexts(&settings), QStringList({"您的存款可能疯狂减少或者增加，小心为妙。"}));
        QCOMPARE(Text(&settings, kIdOk), QStringLiteral("确  定"));
        QCOMPARE(Text(&settings, kIdCancel), QStringLiteral("取  消"));
        QVERIFY(hackers->isChecked());
        QVERIFY(!sound->isChecked());

        hackers->click();
        sound->click();
        control<QPushButton>(&settings, kIdOk)->click();
        QCOMPARE(settings.answer().button, kIdOk);
        QCOMPARE(settings.answer().checks.hackersAllowed, 0);
        QCOMPARE(settings.answer().checks.soundOff, 1);
    }

    void settingsCancelAndEscapeChangeNothing()
    {
        const std::function<void(CSettingsDlg&)> closers[] = {
            [](CSettingsDlg& settings) { control<QPushButton>(&settings, kIdCancel)->click(); },
            [](CSettingsDlg& settings) { QTest::keyClick(&settings, Qt::Key_Escape); },
        };
        for (const auto& close : closers) {
            CSettingsDlg settings(SettingsRequest(0, 1), nullptr);
            settings.show();
            control<QCheckBox>(&settings, kIdHackersCheck)->click();
            control<QCheckBox>(&settings, kIdSoundOffCheck)->click();
            close(settings);
            QVERIFY(!settings.isVisible());
            QCOMPARE(settings.answer().button, kIdCancel);
            QCOMPARE(settings.answer().checks.hackersAllowed, 0);
            QCOMPARE(settings.answer().checks.soundOff, 1);
        }
    }
};

TORVANE_WINDOW_TEST_MAIN(PlaceDialogsTest)
#include "place_dialogs_test.moc"
