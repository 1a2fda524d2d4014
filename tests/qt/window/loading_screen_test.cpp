// Start-up: the loading screen's messages, the help page it writes and its
// button; the story screen from the menu; the command line.

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <fstream>

#include "game/ui.h"
#include "records/scrambled_file.h"
#include "ui/window/command_line.h"
#include "ui/framework/dialog_builder.h"
#include "ui/records/story_dlg.h"
#include "window_test_support.h"

namespace {

const std::string kPage = "<html><body>帮助 help</body></html>\n";

QString Status(const QWidget* dialog) { return control<QLabel>(dialog, 1112)->text(); }
QPushButton* Button(const QWidget* dialog) { return control<QPushButton>(dialog, kIdOk); }

}  // namespace

class LoadingScreenTest : public QObject {
    Q_OBJECT
private slots:
    void loadingScreenCountsDownThenWritesTheHelpPage()
    {
        QTemporaryDir dir;
        const std::string path = dir.path().toStdString();
        std::ofstream(path + "/helpinfo", std::ios::binary) << Scramble(kPage, kHelpInfoKey);

        CStoryDlg dialog(0, path);
        dialog.show();
        QVERIFY(!Button(&dialog)->isEnabled());

        // Watch the status line until the button comes on.
        QStringList seen;
        QStringList seenWhileDisabled;
        QElapsedTimer clock;
        clock.start();
        while (!Button(&dialog)->isEnabled() && clock.elapsed() < 5000) {
            QTest::qWait(10);
            const QString status = Status(&dialog);
            if (!status.isEmpty() && (seen.isEmpty() || seen.last() != status)) {
                seen << status;
                if (!Button(&dialog)->isEnabled())
                    seenWhileDisabled << status;
            }
        }
        QCOMPARE(seenWhileDisabled,
                 QStringList({"初始化黑客信息....", "初始化二环路信息.....", "初始化黑市物品......",
                              "初始化随机事件......", "加载Varsen实时新闻...."}));
        QVERIFY(Button(&dialog)->isEnabled());
        QCOMPARE(Status(&dialog), QStringLiteral("游戏初始化完毕,准备进入Varsen..."));
        QCOMPARE(Button(&dialog)->text(), QStringLiteral("开始游戏 >>"));
        // Six ticks of 330 ms.
        QVERIFY(clock.elapsed() >= 1900);

        QFile page(dir.filePath(QStringLiteral("help.html")));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QCOMPARE(page.readAll().toStdString(), kPage);

        Button(&dialog)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void storyScreenIsReadyAtOnce()
    {
        QTemporaryDir dir;
        CStoryDlg dialog(1, dir.path().toStdString());
        dialog.show();
        QVERIFY(Button(&dialog)->isEnabled());
        QCOMPARE(Button(&dialog)->text(), QStringLiteral("继续游戏"));
        QTest::qWait(800);
        QCOMPARE(Status(&dialog), QString());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("help.html"))));
    }

    void switchesSkipTheLoadingScreen()
    {
        for (const char* flag : {"-Embedding", "/embedding", "-AUTOMATION", "/Automation"})
            QVERIFY2(!ParseCommandLine({flag}).showSplash, flag);
        QVERIFY(ParseCommandLine({}).showSplash);

        const CommandLine line = ParseCommandLine({"--seed", "4294967295", "--dir", "/x"});
        QVERIFY(line.error.empty());
        QCOMPARE(*line.seed, 4294967295u);
        QCOMPARE(*line.dir, std::string("/x"));
        QVERIFY(line.showSplash);

        QVERIFY(!ParseCommandLine({"--seed", "4294967296"}).error.empty());
        QVERIFY(!ParseCommandLine({"--seed"}).error.empty());
        QVERIFY(!ParseCommandLine({"Embedding"}).error.empty());
        QVERIFY(ParseCommandLine({"--help"}).help);
        QVERIFY(ParseCommandLine({"-Embedding", "--version"}).version);
        const CommandLine unknown = ParseCommandLine({"--seed", "1", "--colour"});
        QCOMPARE(unknown.offending, std::string("--colour"));
        QCOMPARE(unknown.error, std::string("unknown option: --colour"));
    }
};

TORVANE_WINDOW_TEST_MAIN(LoadingScreenTest)
#include "loading_screen_test.moc"
