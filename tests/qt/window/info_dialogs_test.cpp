// The boss key, the help menu's screens, the about box and the internet cafe
// in the real window: their texts, links and boxes, the help page opened
// through a stand-in xdg-open, and the game left exactly as it was.

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "../controls/stand_in_opener.h"
#include "records/gbk.h"
#include "ui/controls/hyper_link.h"
#include "ui/framework/dialog_builder.h"
#include "ui/framework/message_box.h"
#include "ui/info/help_viewer.h"
#include "ui/window/main_commands.h"
#include "ui/window/main_dlg.h"
#include "ui/window/main_menu.h"
#include "window_test_support.h"

namespace {

// The report as the writing screen must show it, one piece per item.
const char* const kReport[] = {
    "                              关于做好本月工作的一些具体想法  \n",
    "一、坚持做好本职工作，把业务和技术方面的协调任务进一步\n抓起来。工作要专注。\n",
    "二、虚心听取同事的意见。这一点很重要。\n",
    "三、我目前工作情况很好，但是要争取更好，无止境地提高自己的能力。\n",
    "四、主动、积极、制定计划、按时完成计划，每一天都要问自己：\n我工作得怎么样了？\n",
    "五、老板、经理非常有能力，而且对我很关心很照顾，我一定要认\n真工作,\n",
    "六、每天下班后，把自己的办公桌收拾干净，因为整洁有助于营造\n高效益的工作气氛，也能给人空气清香的感觉。\n",
    "七、每周六半夜，应把下一周该做的事情考虑好，并且最好把较容\n易的事放在周四下午，半个星期都干劲十足。 \n",
    "八、说话和做事不要自做主张，重要的事都要经理和老板指点，他们是\n绝对是正确的。\n",
};

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* owner = nullptr;
    QStringList buttons;
};

// Reads and closes the next message box.
QTimer* CatchBox(SeenBox* seen, QWidget* except)
{
    return WhenModal([seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        QStringList buttons;
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        *seen = {box->windowTitle(), box->text(), box->icon(), box->parentWidget(), buttons};
        box->accept();
    }, except);
}

// Everything of the game the window shows or keeps.
QStringList Snapshot(CMainDlg& window)
{
    const GameState& s = window.game().state();
    QStringList values{window.windowTitle()};
    for (int value : {s.mapMode, s.cafeVisits, s.hackerEnabled, s.soundOff, s.location, s.fame,
                      s.health, s.lastSold, s.lastBought, s.roomCapacity, s.goodsHeld, s.daysLeft,
                      s.cash, s.debt, s.savings})
        values << QString::number(value);
    for (int price : s.marketPrices)
        values << QString::number(price);
    for (const RoomRow& row : window.game().room().rows)
        values << QString::fromStdString(row.name) << QString::number(row.quantity);
    values << control<QLabel>(&window, kGoodsCountLabelId)->text();
    return values;
}

// Controls a player reads or uses that no screen reader could name.
QStringList Unnamed(QWidget* dialog)
{
    QStringList unnamed;
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(child);
        const bool shows = qobject_cast<QAbstractButton*>(child) || qobject_cast<CHyperLink*>(child) ||
                           qobject_cast<QPlainTextEdit*>(child) || qobject_cast<QGroupBox*>(child) ||
                           (label && (!label->text().isEmpty() || !label->pixmap().isNull()));
        if (!shows)
            continue;
        if (QAccessible::queryAccessibleInterface(child)->text(QAccessible::Name).isEmpty())
            unnamed << child->metaObject()->className() + QStringLiteral(" %1").arg(child->property("controlId").toInt());
    }
    return unnamed;
}

QStringList LinkTargets(QWidget* dialog, std::initializer_list<int> ids)
{
    QStringList targets;
    for (int id : ids) {
        auto* link = control<CHyperLink>(dialog, id);
        targets << (link ? link->target() : QStringLiteral("no link %1").arg(id));
    }
    return targets;
}

}  // namespace

class InfoDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        window_ = ShowMainWindow(dir_.path());
        QVERIFY(window_);
    }
    void cleanup() { window_.reset(); }

    void bossScreenShowsTheReportAndForgetsEdits()
    {
        auto* boss = control<QPushButton>(window_.get(), kBossButtonId);
        // Goods in the room first, so the check below covers them.
        WhenModal([](QWidget* modal) { control<QPushButton>(modal, kIdOk)->click(); });
        window_->game().SelectRow(ListId::Market, 0);
        window_->game().OnBuy();
        QVERIFY(!window_->game().room().rows.empty());
        const QStringList before = Snapshot(*window_);

        QString shown;
        bool saveSaidNothing = false;
        WhenModal([&](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("写作"));
            auto* report = control<QPlainTextEdit>(modal, 1053);
            shown = report->toPlainText();
            QCOMPARE(report->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(report->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(Unnamed(modal), QStringList());
            control<QPushButton>(modal, 1114)->click();
            saveSaidNothing = QApplication::activeModalWidget() == modal;
            report->selectAll();
            QTest::keyClicks(report, QStringLiteral("edited"));
            QCOMPARE(report->toPlainText(), QStringLiteral("edited"));
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        boss->click();
        QVERIFY(saveSaidNothing);
        qsizetype at = 0;
        for (const char* piece : kReport) {
            const QString expected = QString::fromUtf8(piece);
            QCOMPARE(shown.mid(at, expected.size()), expected);
            at += expected.size();
        }
        QCOMPARE(at, shown.size());

        WhenModal([&](QWidget* modal) {
            shown = control<QPlainTextEdit>(modal, 1053)->toPlainText();
            control<QPushButton>(modal, kIdOk)->click();
        });
        boss->click();
        QCOMPARE(shown.left(40), QString::fromUtf8(kReport[0]).left(40));
        QVERIFY(shown.endsWith(QString::fromUtf8(kReport[8])));
        QCOMPARE(Snapshot(*window_), before);
    }

    void spellingCheckTellsItsJoke()
    {
        SeenBox seen;
        WhenModal([&seen](QWidget* modal) {
            CatchBox(&seen, modal);
            control<QPushButton>(modal, 1115)->click();
            qobject_cast<QDialog*>(modal)->accept();
        });
        control<QPushButton>(window_.get(), kBossButtonId)->click();
        QCOMPARE(seen.text, QStringLiteral("拼写检查建议：“空气清香”改为“空气清新”\n“老板”改为“老板娘”。"));
        QCOMPARE(seen.caption, ExecutableBaseName());
        QCOMPARE(seen.icon, QMessageBox::Information);
    }

    void helpMenuEntriesOpenTheirScreens()
    {
        const QStringList before = Snapshot(*window_);
        const std::pair<int, const char*> entries[] = {
            {kCmdCityIntro, "Varsen介绍"}, {kCmdStory, ""}, {kCmdAbout, "关于Torvane记"}};
        for (const auto& [command, caption] : entries) {
            QString seen = QStringLiteral("nothing opened");
            QStringList unnamed;
            QString button;
            WhenModal([&](QWidget* modal) {
                seen = modal->windowTitle();
                unnamed = Unnamed(modal);
                button = control<QPushButton>(modal, kIdOk)->text();
                control<QPushButton>(modal, kIdOk)->click();
            });
            FindMenuCommand(window_->menuBar(), command)->trigger();
            QCOMPARE(seen, QString::fromUtf8(caption));
            QCOMPARE(unnamed, QStringList());
            if (command == kCmdStory)
                QCOMPARE(button, QStringLiteral("继续游戏"));
        }
        QCOMPARE(Snapshot(*window_), before);
    }

    void aboutBoxTellsTheCreditAndLeadsOn()
    {
        SeenBox byClick;
        SeenBox byDoubleClick;
        QStringList links;
        QStringList onward;
        WhenModal([&](QWidget* about) {
            links = LinkTargets(about, {1097, 1101});
            auto* credit = control<QPushButton>(about, 1029);
            CatchBox(&byClick, about);
            QTest::mouseClick(credit, Qt::LeftButton);
            CatchBox(&byDoubleClick, about);
            SendMouse(credit, QEvent::MouseButtonDblClick, credit->rect().center(), Qt::LeftButton);
            SendMouse(credit, QEvent::MouseButtonRelease, credit->rect().center(), Qt::NoButton);
            for (int id : {1121, 1122}) {
                WhenModal([&](QWidget* next) {
                    onward << next->windowTitle();
                    QCOMPARE(Unnamed(next), QStringList());
                    control<QPushButton>(next, kIdOk)->click();
                }, about);
                control<QPushButton>(about, id)->click();
            }
            qobject_cast<QDialog*>(about)->accept();
        });
        FindMenuCommand(window_->menuBar(), kCmdAbout)->trigger();
        QCOMPARE(links, QStringList({"mailto:author@torvane.example", "https://forum.torvane.example/"}));
        const QString credit = QStringLiteral("Programmed by Ardo Venn (author@torvane.example) 2000/12");
        QCOMPARE(byClick.text, credit);
        QCOMPARE(byClick.icon, QMessageBox::Warning);
        QCOMPARE(byClick.caption, ExecutableBaseName());
        QCOMPARE(byDoubleClick.text, credit);
        QCOMPARE(onward, QStringList({"寄钱", ""}));
    }

    void systemMenuAppendsOnlyASeparator()
    {
        auto* menu = window_->findChild<QMenu*>(QStringLiteral("systemMenu"));
        QVERIFY(menu);
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 4);
        QCOMPARE(actions[0]->text(), QStringLiteral("最小化"));
        QVERIFY(actions[1]->isSeparator());
        QCOMPARE(actions[2]->text(), QStringLiteral("关闭"));
        QVERIFY(!actions[2]->isEnabled());
        QVERIFY(actions[3]->isSeparator());

        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(window_.get(), Qt::Key_Space, Qt::AltModifier);
        QVERIFY(menu->isVisible());
        menu->hide();
        actions[0]->trigger();
        QTRY_VERIFY(window_->isMinimized());
        window_->showNormal();
    }

    void cafeShowsItsLinks()
    {
        window_->game().state().cash = 100;
        QStringList links;
        QStringList unnamed;
        QString caption;
        WhenModal([&](QWidget* cafe) {
            caption = cafe->windowTitle();
            links = LinkTargets(cafe, {1074, 1102, 1103, 1104, 1095, 1096});
            unnamed = Unnamed(cafe);
            control<QPushButton>(cafe, kIdOk)->click();
            WhenModal(Accept, cafe);   // the fee is told in the diary
        });
        control<QPushButton>(window_.get(), kNetCafeButtonId)->click();
        QCOMPARE(caption, QStringLiteral("街头网吧"));
        QCOMPARE(links, QStringList({"mailto:author@torvane.example", "https://forum.torvane.example/",
                                     "https://www.torvane.example/", "https://home.torvane.example/",
                                     "https://free-games.example/", "https://game-making.example/"}));
        QCOMPARE(unnamed, QStringList());
        QCOMPARE(window_->game().state().cafeVisits, 1);
    }

    void helpOpensThePageBesideTheGame()
    {
        StandInOpener opener;
        const QString page = QString::fromStdString(window_->game().state().helpPath);
        QCOMPARE(page, dir_.filePath(QStringLiteral("help.html")));
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QStringList before = Snapshot(*window_);
        QTimer* watch = WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        FindMenuCommand(window_->menuBar(), kCmdHelp)->trigger();
        QCOMPARE(opener.Opened(), page);
        QTest::qWait(30);
        QVERIFY(watch->isActive());   // no box came
        delete watch;

        // Nothing can open it: the game shows it itself, beside the window.
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Utf8ToGbk("<html><head><title>帮助页</title></head><body><p>黑市</p></body></html>").c_str());
        file.close();
        opener.Forget();
        opener.SetStatus(3);
        watch = WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        FindMenuCommand(window_->menuBar(), kCmdHelp)->trigger();
        QCOMPARE(opener.Opened(), page);
        QTest::qWait(30);
        QVERIFY(watch->isActive());   // no box came
        delete watch;
        QTextBrowser* viewer = HelpViewerOf(window_.get());
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QVERIFY(!viewer->isModal());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("帮助页"));
        QCOMPARE(viewer->toPlainText(), QStringLiteral("黑市"));
        // No xdg-open at all: the same viewer serves again.
        opener.Remove();
        viewer->hide();
        FindMenuCommand(window_->menuBar(), kCmdHelp)->trigger();
        QVERIFY(viewer->isVisible());
        QCOMPARE(HelpViewerOf(window_.get()), viewer);
        viewer->close();

        // The page is gone: it is not even handed on.
        opener.Forget();
        opener.SetStatus(0);
        QFile::remove(page);
        SeenBox seen;
        CatchBox(&seen, nullptr);
        FindMenuCommand(window_->menuBar(), kCmdHelp)->trigger();
        QVERIFY(opener.Opened().isEmpty());
        QCOMPARE(seen.text, QStringLiteral("找不到帮助文件"));
        QCOMPARE(seen.caption, QStringLiteral("错误"));
        QCOMPARE(seen.buttons, QStringList({"确定"}));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.owner, window_.get());
        QCOMPARE(Snapshot(*window_), before);
    }

    void helpIsFoundFromAnotherWorkingDirectory()
    {
        // The game's folder is the executable's, as at a normal start.
        const QString gameDir = QCoreApplication::applicationDirPath();
        CMainDlg window(gameDir.toStdString());
        const QString page = gameDir + QStringLiteral("/help.html");
        const bool made = !QFile::exists(page);
        if (made) {
            QFile file(page);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        StandInOpener opener;
        QTemporaryDir elsewhere;
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        QTimer* watch = WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        FindMenuCommand(window.menuBar(), kCmdHelp)->trigger();
        QDir::setCurrent(saved);
        delete watch;
        if (made)
            QFile::remove(page);
        QCOMPARE(opener.Opened(), page);
    }

private:
    QTemporaryDir dir_;
    std::unique_ptr<CMainDlg> window_;
};

TORVANE_WINDOW_TEST_MAIN(InfoDialogsTest)
#include "info_dialogs_test.moc"
