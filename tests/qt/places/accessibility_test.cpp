// What a screen reader finds: every control a player uses in the main window
// and the place dialogs has an accessible name, the status displays read the
// number they show, and edits are named after their label.

#include <QAccessible>
#include <QAbstractItemView>
#include <QHeaderView>
#include <QMenuBar>
#include <QTemporaryDir>

#include "game/dialog_ids.h"
#include "places/quantity_dialogs.h"
#include "places_test_support.h"
#include "ui/controls/segment_display.h"
#include "ui/controls/ticker_ctrl.h"
#include "ui/places/airport_dlg.h"
#include "ui/places/bank_dlg.h"
#include "ui/places/cash_dlg.h"
#include "ui/places/hospital_dlg.h"
#include "ui/places/rent_agent_dlg.h"
#include "ui/places/repay_dlg.h"
#include "ui/records/settings_dlg.h"
#include "ui/trading/buy_dlg.h"
#include "ui/window/main_commands.h"
#include "ui/window/main_dlg.h"

namespace {

QString Name(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

bool UsedByPlayer(const QWidget* widget)
{
    if (qobject_cast<const QHeaderView*>(widget))
        return false;
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().isEmpty();
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const CSegmentDisplay*>(widget) || qobject_cast<const CTickerCtrl*>(widget);
}

// The visible controls of top a player uses that have no accessible name.
QStringList Unnamed(QWidget* top)
{
    QStringList unnamed;
    for (QWidget* widget : top->findChildren<QWidget*>())
        if (widget->isVisibleTo(top) && UsedByPlayer(widget) && Name(widget).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 %2").arg(widget->metaObject()->className(),
                                                   widget->property("controlId").toString());
    return unnamed;
}

QString DisplayName(const CMainDlg& window, int id)
{
    return Name(control<CSegmentDisplay>(&window, id));
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowControlsAreNamed()
    {
        QTemporaryDir dir;
        CMainDlg window(dir.path().toStdString());
        window.show();
        QCOMPARE(Unnamed(&window), QStringList());
        for (QAction* menu : window.menuBar()->actions()) {
            QVERIFY(!menu->text().isEmpty());
            for (QAction* command : menu->menu()->actions())
                QVERIFY(command->isSeparator() || !command->text().isEmpty());
        }
        QCOMPARE(Name(control<QWidget>(&window, kMarketListId)), QStringLiteral("黑市"));
        QCOMPARE(Name(control<QWidget>(&window, kRoomListId)), QStringLiteral("您的出租屋"));
        QCOMPARE(Name(control<QWidget>(&window, kTickerId)), QStringLiteral("新闻"));
        QCOMPARE(Name(control<QWidget>(&window, kBankButtonId)), QStringLiteral("银  行"));
        QCOMPARE(Name(control<QWidget>(&window, kBossButtonId)), QStringLiteral("老板来了"));
        QCOMPARE(Name(control<QWidget>(&window, kGoodsCountLabelId)), QStringLiteral("0/100"));
    }

    void statusDisplaysReadTheirNumbers()
    {
        QTemporaryDir dir;
        CMainDlg window(dir.path().toStdString());
        QCOMPARE(DisplayName(window, 1020), QStringLiteral("现金 2000"));
        QCOMPARE(DisplayName(window, 1035), QStringLiteral("存款 0"));
        QCOMPARE(DisplayName(window, 1050), QStringLiteral("欠债 5500"));
        QCOMPARE(DisplayName(window, 1047), QStringLiteral("健康 100"));
        QCOMPARE(DisplayName(window, 1048), QStringLiteral("名声 100"));

        window.SetStatusText(StatusField::Cash, "-1500");
        QCOMPARE(DisplayName(window, 1020), QStringLiteral("现金 -1500"));
        window.SetStatusText(StatusField::Health, "88");
        QCOMPARE(DisplayName(window, 1047), QStringLiteral("健康 88"));
    }

    void placeDialogControlsAreNamed()
    {
        DialogRequest rent;
        rent.id = kRentAgentDialogId;
        DialogRequest airport;
        airport.id = kAirportDialogId;
        DialogRequest settings;
        settings.id = kSettingsDialogId;
        settings.checks = SettingsChecks{};
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.push_back(std::make_unique<CBankDlg>(BankDialog(2000, 0), nullptr));
        dialogs.push_back(std::make_unique<CCashDlg>(CashDialog(1, 2000, 0), nullptr));
        dialogs.push_back(std::make_unique<CHospitalDlg>(HospitalDialog(50), nullptr));
        dialogs.push_back(std::make_unique<CRepayDlg>(RepayDialog(2000, 5500), nullptr));
        dialogs.push_back(std::make_unique<CRentAgentDlg>(rent, nullptr));
        dialogs.push_back(std::make_unique<CAirportDlg>(airport, nullptr));
        dialogs.push_back(std::make_unique<CSettingsDlg>(settings, nullptr));
        for (const auto& dialog : dialogs) {
            dialog->show();
            QVERIFY(!Name(dialog.get()).isEmpty());
            QCOMPARE(Unnamed(dialog.get()), QStringList());
        }
    }

    void numberFieldsAreNamedAfterTheirLabel()
    {
        const std::pair<std::unique_ptr<QDialog>, QString> cases[] = {
            {std::make_unique<CCashDlg>(CashDialog(2, 2000, 10), nullptr), "您提走多少钱?"},
            {std::make_unique<CHospitalDlg>(HospitalDialog(50), nullptr), "治疗点数："},
            {std::make_unique<CRepayDlg>(RepayDialog(2000, 5500), nullptr), "您还多少？"},
            {std::make_unique<CBuyDlg>(BuyDialog(2000, 13, "进口香烟"), nullptr), "您想买多少？"},
        };
        for (const auto& [dialog, name] : cases) {
            QCOMPARE(Name(dialog->findChild<QLineEdit*>()), name);
            QStringList arrows;
            for (QAbstractButton* arrow : dialog->findChildren<QAbstractButton*>())
                if (!qobject_cast<QPushButton*>(arrow))
                    arrows << Name(arrow);
            arrows.sort();
            QCOMPARE(arrows, QStringList({"减少", "增加"}));
        }
    }
};

TORVANE_WINDOW_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
