// What a screen reader finds: every window and every control a player uses has
// an accessible name and the right role, the status displays and up-downs read
// their number as a value, edits are named after their label, links and
// stations act as links and radio buttons, event dialogs carry their text,
// and Tab walks each dialog in a sensible order.

#include <QAccessible>
#include <QAbstractItemView>
#include <QHeaderView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "game/dialog_ids.h"
#include "places/quantity_dialogs.h"
#include "places_test_support.h"
#include "stand_in_opener.h"
#include "ui/controls/hyper_link.h"
#include "ui/controls/segment_display.h"
#include "ui/controls/station_button.h"
#include "ui/controls/ticker_ctrl.h"
#include "ui/controls/up_down.h"
#include "ui/info/about_dlg.h"
#include "ui/info/fixed_text_dlgs.h"
#include "ui/info/info_ids.h"
#include "ui/info/writing_dlg.h"
#include "ui/places/airport_dlg.h"
#include "ui/places/bank_dlg.h"
#include "ui/places/cash_dlg.h"
#include "ui/places/hospital_dlg.h"
#include "ui/places/net_cafe_dlg.h"
#include "ui/places/rent_agent_dlg.h"
#include "ui/places/repay_dlg.h"
#include "ui/records/congrats_dlg.h"
#include "ui/records/news_dlg.h"
#include "ui/records/settings_dlg.h"
#include "ui/records/story_dlg.h"
#include "ui/records/top_ten_dlg.h"
#include "ui/framework/message_box.h"
#include "ui/trading/buy_dlg.h"
#include "ui/trading/sell_dlg.h"
#include "ui/window/main_commands.h"
#include "ui/window/main_dlg.h"

namespace {

QString Name(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

QAccessibleInterface* Face(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

// Shows the window, makes it active and returns the names of the widgets the
// focus visits on count presses of Tab, starting with the one it has first.
QStringList TabStops(QWidget* window, int count)
{
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return {QStringLiteral("<window never active>")};
    QStringList stops;
    for (int i = 0; i < count; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            return stops << QStringLiteral("<no focus>");
        stops << Name(focus);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return stops;
}


bool UsedByPlayer(const QWidget* widget)
{
    if (qobject_cast<const QHeaderView*>(widget))
        return false;
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().isEmpty() || !label->pixmap().isNull();
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const CUpDown*>(widget) ||
           qobject_cast<const CHyperLink*>(widget) ||
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
        QCOMPARE(Name(control<QWidget>(&window, kGoodsCountLabelId)), QStringLiteral("您的出租屋 0/100"));
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

    void statusNumbersAreTabStopsWithValues()
    {
        QTemporaryDir dir;
        auto window = ShowMainWindow(dir.path());
        QVERIFY(window);
        const QStringList stops = TabStops(window.get(), 11);
        QCOMPARE(stops.mid(0, 3), QStringList({"黑市", "您的出租屋 0/100", "您的出租屋"}));
        QCOMPARE(stops.mid(5, 6),
                 QStringList({"现金 2000", "存款 0", "欠债 5500", "健康 100", "名声 100", "西直门"}));

        auto* cash = control<CSegmentDisplay>(window.get(), 1020);
        QAccessibleInterface* face = Face(cash);
        QCOMPARE(face->role(), QAccessible::StaticText);
        QVERIFY(face->state().focusable);
        QAccessibleValueInterface* value = face->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->currentValue().toInt(), 2000);
        QCOMPARE(face->text(QAccessible::Value), QStringLiteral("2000"));

        window->SetStatusText(StatusField::Cash, "-1500");
        QCOMPARE(value->currentValue().toInt(), -1500);
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("现金 -1500"));

        window->SetStatusText(StatusField::GoodsCount, "12/110");
        QCOMPARE(Name(control<QWidget>(window.get(), kGoodsCountLabelId)),
                 QStringLiteral("您的出租屋 12/110"));
    }

    void stationsAreOneOfTenRadioButtons()
    {
        QTemporaryDir dir;
        auto window = ShowMainWindow(dir.path());
        QVERIFY(window);
        const QList<CStationButton*> stations = window->findChildren<CStationButton*>();
        QCOMPARE(stations.size(), 10);
        for (CStationButton* station : stations) {
            QAccessibleInterface* face = Face(station);
            QCOMPARE(face->role(), QAccessible::RadioButton);
            QCOMPARE(face->text(QAccessible::Name), station->text());
            QVERIFY(face->state().checkable);
            QVERIFY(face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        }
        // Pressed over the bus it travels, once the call has returned.
        QTimer closer;
        connect(&closer, &QTimer::timeout, [] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                modal->accept();
        });
        closer.start(20);
        auto* station = control<CStationButton>(window.get(), 1011);
        Face(station)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(window->windowTitle(), QStringLiteral("Torvane(0/40天)"));
        QTRY_COMPARE(window->windowTitle(), QStringLiteral("Torvane(1/40天)"));
        int checked = 0;
        for (CStationButton* other : stations)
            checked += Face(other)->state().checked ? 1 : 0;
        QCOMPARE(checked, 1);
        QVERIFY(Face(station)->state().checked);
    }

    void linksAreLinksReachedByTabAndOpenedByEnter()
    {
        StandInOpener opener;
        CAboutDlg about(nullptr);
        QCOMPARE(TabStops(&about, 7),
                 QStringList({"确   定", "作者", "mailto:author@torvane.example",
                              "https://forum.torvane.example/", "寄5分钱", "特别声明", "确   定"}));
        auto* mail = control<CHyperLink>(&about, kAboutMailLinkId);
        QAccessibleInterface* face = Face(mail);
        QCOMPARE(face->role(), QAccessible::Link);
        QCOMPARE(face->text(QAccessible::Description), mail->target());
        QVERIFY(face->state().focusable);
        QVERIFY(face->state().linked);
        QVERIFY(!face->state().traversed);

        // Enter on the focused link opens it; the dialog's default button does not take it.
        mail->setFocus(Qt::TabFocusReason);
        QTest::keyClick(mail, Qt::Key_Return);
        QCOMPARE(opener.Opened(), mail->target());
        QVERIFY(about.isVisible());
        QVERIFY(face->state().traversed);

        opener.Forget();
        auto* forum = control<CHyperLink>(&about, kAboutDiscussionLinkId);
        Face(forum)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(opener.Opened(), QString());
        QTRY_COMPARE(opener.Opened(), forum->target());

        CNetCafeDlg cafe(DialogRequest{}, nullptr);
        QCOMPARE(TabStops(&cafe, 8),
                 QStringList({"离开网吧", "mailto:author@torvane.example", "https://forum.torvane.example/",
                              "https://www.torvane.example/", "https://home.torvane.example/",
                              "https://free-games.example/", "https://game-making.example/", "离开网吧"}));
    }

    void everyWindowAndPictureIsNamed()
    {
        QTemporaryDir dir;
        DialogRequest topTen;
        topTen.id = kTopTenDialogId;
        topTen.rows = {{"1", "某人", "90000", "100", "100"}};
        DialogRequest congrats;
        congrats.id = kCongratsDialogId;
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.push_back(std::make_unique<CStoryDlg>(1, dir.path().toStdString()));
        dialogs.push_back(std::make_unique<CStatementDlg>(nullptr));
        dialogs.push_back(std::make_unique<CDonateDlg>(nullptr));
        dialogs.push_back(std::make_unique<CCityIntroDlg>(nullptr));
        dialogs.push_back(std::make_unique<CAboutDlg>(nullptr));
        dialogs.push_back(std::make_unique<CWritingDlg>(nullptr));
        dialogs.push_back(std::make_unique<CNetCafeDlg>(DialogRequest{}, nullptr));
        dialogs.push_back(std::make_unique<CTopTenDlg>(topTen, nullptr));
        dialogs.push_back(std::make_unique<CCongratsDlg>(congrats, nullptr));
        dialogs.push_back(std::make_unique<CNewsDlg>(QStringLiteral("新闻"), nullptr));
        dialogs.push_back(std::make_unique<CDiaryDlg>("", "", QStringLiteral("日记"), nullptr));
        dialogs.push_back(std::make_unique<CSellDlg>(SellDialog(5, "进口香烟"), nullptr));
        for (const auto& dialog : dialogs) {
            dialog->show();
            QVERIFY2(!Name(dialog.get()).isEmpty(), dialog->metaObject()->className());
            QCOMPARE(Unnamed(dialog.get()), QStringList());
        }
        QCOMPARE(Name(dialogs[0].get()), QStringLiteral("“Torvane记”的故事"));
        QCOMPARE(Name(dialogs[1].get()), QStringLiteral("关于本游戏的特别声明"));
        QCOMPARE(Name(control<QWidget>(dialogs[7].get(), 1045)), QStringLiteral("Torvane高手前10名"));

        auto pictureName = [](QWidget* dialog) {
            for (QLabel* label : dialog->findChildren<QLabel*>())
                if (!label->pixmap().isNull())
                    return Name(label);
            return QStringLiteral("<no picture>");
        };
        QCOMPARE(pictureName(dialogs[9].get()), QStringLiteral("报纸"));
        QCOMPARE(pictureName(dialogs[10].get()), QStringLiteral("日记本"));
        CHospitalDlg hospital(HospitalDialog(50), nullptr);
        QCOMPARE(pictureName(&hospital), QStringLiteral("医药箱"));
        QCOMPARE(pictureName(dialogs[4].get()), QStringLiteral("Torvane记"));
    }

    void upDownsReadTheirValueAndRange()
    {
        CHospitalDlg hospital(HospitalDialog(50), nullptr);
        auto* upDown = hospital.findChild<CUpDown*>();
        QVERIFY(upDown);
        QAccessibleInterface* face = Face(upDown);
        QCOMPARE(face->role(), QAccessible::SpinBox);
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("治疗点数："));
        QAccessibleValueInterface* value = face->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->currentValue().toInt(), upDown->Position());
        QCOMPARE(value->minimumValue().toInt(), std::min(upDown->lower(), upDown->upper()));
        QCOMPARE(value->maximumValue().toInt(), std::max(upDown->lower(), upDown->upper()));

        // A reversed range reads from its low end to its high end.
        upDown->SetRange(10, 3);
        QCOMPARE(value->minimumValue().toInt(), 3);
        QCOMPARE(value->maximumValue().toInt(), 10);
        value->setCurrentValue(99);
        QCOMPARE(upDown->buddy()->text(), QStringLiteral("10"));
        value->setCurrentValue(5);
        QCOMPARE(value->currentValue().toInt(), 5);
        upDown->StepUp();   // toward the upper end, 3
        QCOMPARE(value->currentValue().toInt(), 4);
    }

    void eventDialogsCarryTheirText()
    {
        CNewsDlg news(QStringLiteral("市场上走私汽车暴涨！"), nullptr);
        QCOMPARE(Face(&news)->text(QAccessible::Description), QStringLiteral("市场上走私汽车暴涨！"));
        CDiaryDlg middleOnly(QString(), QString(), QStringLiteral("村长的老乡揍了我一顿！"), nullptr);
        QCOMPARE(Face(&middleOnly)->text(QAccessible::Description),
                 QStringLiteral("村长的老乡揍了我一顿！"));
        CDiaryDlg three(QStringLiteral("下"), QStringLiteral("上"), QStringLiteral("中"), nullptr);
        QCOMPARE(Face(&three)->text(QAccessible::Description), QStringLiteral("上\n中\n下"));

        QString read;
        AnswerNextMessageBox([&read](QMessageBox& box) {
            read = Face(&box)->text(QAccessible::Description);
            return int(QMessageBox::Ok);
        });
        ShowMessageBox(nullptr, QStringLiteral("您的钱不够！"));
        QCOMPARE(read, QStringLiteral("您的钱不够！"));
    }
};

TORVANE_WINDOW_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
