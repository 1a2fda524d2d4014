// Replays in the window: a game played with the mouse leaves a replay that
// verifies, its double-clicks, drags and hidden buttons written as the commands
// they amount to; --replay plays a file back, answering every dialog, and
// writes no score.

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <sstream>

#include "engine/engine.h"
#include "engine/replay_verify.h"
#include "game/random_source.h"
#include "places/fame_penalties.h"
#include "ui/controls/segment_display.h"
#include "ui/framework/dialog_builder.h"
#include "ui/replay/replay_player.h"
#include "ui/trading/trade_list_view.h"
#include "ui/window/main_commands.h"
#include "ui/window/main_menu.h"
#include "window_test_support.h"

namespace {

CTradeListView* List(const CMainDlg& window, int id) { return control<CTradeListView>(&window, id); }

QPoint RowCentre(const QTreeWidget* view, int row) { return view->visualItemRect(view->topLevelItem(row)).center(); }

void DoubleClick(QWidget* viewport, QPoint pos)
{
    SendMouse(viewport, QEvent::MouseButtonPress, pos, Qt::LeftButton);
    SendMouse(viewport, QEvent::MouseButtonRelease, pos, Qt::NoButton);
    SendMouse(viewport, QEvent::MouseButtonDblClick, pos, Qt::LeftButton);
    SendMouse(viewport, QEvent::MouseButtonRelease, pos, Qt::NoButton);
}

void DragRow(QTreeWidget* source, int row, QTreeWidget* target)
{
    QWidget* viewport = source->viewport();
    const QPoint start = RowCentre(source, row);
    const QPoint drop = viewport->mapFromGlobal(target->viewport()->mapToGlobal(target->viewport()->rect().center()));
    SendMouse(viewport, QEvent::MouseButtonPress, start, Qt::LeftButton);
    SendMouse(viewport, QEvent::MouseMove, start + QPoint(12, 0), Qt::LeftButton, Qt::NoButton);
    SendMouse(viewport, QEvent::MouseMove, drop, Qt::LeftButton, Qt::NoButton);
    SendMouse(viewport, QEvent::MouseButtonRelease, drop, Qt::NoButton);
}

// Presses OK on the next dialog, with its proposal.
void AcceptNext(QWidget* except) { WhenModal([](QWidget* modal) { control<QPushButton>(modal, 1)->click(); }, except); }

std::string ReadAll(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll().toStdString();
}

// A game of seed 268 played by the engine: into the top ten at place 7.
std::string RecordedGame()
{
    ClearQueuedDraws();
    SeedRandom(268);
    fameMessageFlags = FameMessageFlags();
    std::istringstream in("buyall -- ok\nmap\ntravel 2\nsellall -- ok\nbuy 4 -- 1\nsell 4 -- ok\n"
                          "bank -- deposit 100\nhospital -- cancel\nrent -- cancel\nairport\n"
                          "settings -- soundoff=1 hackers=1 ok\ntopten\nsort room 0\nquit -- name=某人 no\n");
    std::ostringstream out;
    std::string text;
    QTemporaryDir dir;
    RunEngine(in, out, GameFolders::Single(dir.path().toStdString()),
              [&text](const FinishedReplay& replay) { text = replay.text; });
    // The window's name box takes a blank, which the file escapes.
    text.replace(text.find("name=某人"), 11, "name=某%20人");
    text.replace(text.find(" name 某人 "), 13, " name 某%20人 ");
    return text;
}

}  // namespace

class ReplayWindowTest : public QObject {
    Q_OBJECT
private slots:
    void aGamePlayedWithTheMouseLeavesAReplayThatVerifies()
    {
        QTemporaryDir dir;
        fameMessageFlags = FameMessageFlags();
        std::unique_ptr<CMainDlg> window = ShowMainWindow(dir.path());
        QVERIFY(window);
        AcceptNext(window.get());
        DoubleClick(List(*window, kMarketListId)->viewport(), RowCentre(List(*window, kMarketListId), 0));
        AcceptNext(window.get());
        DragRow(List(*window, kRoomListId), 0, List(*window, kMarketListId));
        AcceptNext(window.get());
        control<QPushButton>(window.get(), kBuyAllButtonId)->click();
        QCOMPARE(window->game().state().goodsHeld, 9);
        // Quitting with debts: the newspaper's report, and the window closes.
        WhenModal(Accept, window.get());
        FindMenuCommand(window->menuBar(), kCmdQuit)->trigger();
        QVERIFY(!window->isVisible());

        const QStringList files = QDir(dir.path() + "/replays").entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QVERIFY2(files[0].endsWith(QStringLiteral("_-5444.txt")), qPrintable(files[0]));
        const std::string text = ReadAll(dir.path() + "/replays/" + files[0]);
        QVERIFY2(text.find("\n# random 2\n") != std::string::npos, text.c_str());
        QVERIFY2(text.find("\nbuy 0 -- 13\n#= ") != std::string::npos, text.c_str());
        QVERIFY2(text.find("\nsell 0 -- 13\n#= ") != std::string::npos, text.c_str());
        QVERIFY2(text.find("\nbuyall -- 9\n#= ") != std::string::npos, text.c_str());
        QVERIFY2(text.find("\nquit\n# result wealth -5444 fame 100 days 0 rank 0 name - ") != std::string::npos,
                 text.c_str());
        QTemporaryDir scratch;
        const VerifyOutcome outcome = VerifyReplay(text, scratch.path().toStdString());
        QCOMPARE(outcome.status, 0);
        QCOMPARE(QString::fromStdString(outcome.message), QStringLiteral("verified: wealth -5444 fame 100 days 0"));
    }

    void playbackAnswersEveryDialogAndWritesNoScore()
    {
        const std::string text = RecordedGame();
        QVERIFY2(text.find("quit -- name=某%20人 no") != std::string::npos, text.c_str());
        QTemporaryDir dir;
        const QString file = dir.path() + "/game.txt";
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(text.c_str(), static_cast<qint64>(text.size()));
        out.close();

        QString cash;
        QString streetButton;
        const ReplayRun run = PlayReplay(file.toStdString(), GameFolders::Single(dir.path().toStdString()),
                                         ReplayPace{1, 5}, [&](QWidget* window, const ReplayRun&) {
                                             cash = control<CSegmentDisplay>(window, 1020)->text();
                                             streetButton = window->isVisible() ? "shown" : "hidden";
                                         });
        QCOMPARE(QString::fromStdString(run.line), QStringLiteral("verified: wealth 34740 fame 93 days 1"));
        QCOMPARE(run.status, 0);
        QCOMPARE(cash, QStringLiteral("40690"));
        QCOMPARE(streetButton, QStringLiteral("shown"));
        QVERIFY(run.summary.contains(QStringLiteral("与记录相符")));
        // Nothing of the game landed beside the content.
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList({"game.txt"}));
    }

    void playbackStopsAtADifferenceOrOnEscape()
    {
        std::string text = RecordedGame();
        const std::size_t check = text.find("\n#= day 1 ");
        QVERIFY(check != std::string::npos);
        std::string changed = text;
        changed.replace(text.find(" cash ", check), 6, " cash 1");
        QTemporaryDir dir;
        auto write = [&dir](const std::string& name, const std::string& bytes) {
            QFile out(dir.path() + "/" + QString::fromStdString(name));
            out.open(QIODevice::WriteOnly);
            out.write(bytes.c_str(), static_cast<qint64>(bytes.size()));
            return (dir.path() + "/" + QString::fromStdString(name)).toStdString();
        };
        const GameFolders folders = GameFolders::Single(dir.path().toStdString());
        ReplayRun run = PlayReplay(write("changed.txt", changed), folders, ReplayPace{1, 5});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.line.find("differs at line 12 (travel 2): the file says cash 150, the game did cash 50") == 0, run.line.c_str());

        QTimer::singleShot(30, [] {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            if (QWidget* window = QApplication::activeModalWidget())
                QApplication::sendEvent(window, &escape);
        });
        run = PlayReplay(write("game.txt", text), folders, ReplayPace{40, 40});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.line.find("stopped before line ") == 0, run.line.c_str());

        run = PlayReplay(write("bad.txt", "# torvane replay 9\n"), folders);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.line.find("line 1: ") == 0, run.line.c_str());
    }
};

TORVANE_WINDOW_TEST_MAIN(ReplayWindowTest)
#include "replay_window_test.moc"
