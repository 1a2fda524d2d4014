// Start-up: the loading screen (unless a switch skips it), then the game
// window, modally; when it closes the program ends.

#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "game/random_source.h"
#include "ui/window/command_line.h"
#include "ui/framework/dialog_units.h"
#include "ui/window/main_dlg.h"
#include "ui/records/story_dlg.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    RegisterFontSubstitutes();

    std::vector<std::string> args;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        args.push_back(arguments[i].toStdString());
    const CommandLine line = ParseCommandLine(args);
    if (!line.error.empty()) {
        std::fprintf(stderr, "%s\n%s\n", line.error.c_str(), CommandLineUsage().c_str());
        return 2;
    }
    if (line.seed)
        SetFirstSeed(*line.seed);
    const std::string dir = line.dir.value_or(QCoreApplication::applicationDirPath().toStdString());

    if (line.showSplash) {
        CStoryDlg story(0, dir);
        story.exec();
    }
    CMainDlg window(dir);
    window.exec();
    return 0;
}
