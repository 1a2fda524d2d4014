// Start-up: the loading screen (unless a switch skips it), then the game
// window, modally; when it closes the program ends.

#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "game/random_source.h"
#include "records/game_folders.h"
#include "ui/window/command_line.h"
#include "ui/framework/dialog_units.h"
#include "ui/window/main_dlg.h"
#include "ui/records/story_dlg.h"
#include "ui/replay/replay_player.h"

namespace {

// Prints the text of --help or --version; true when the line asks for one.
bool AnswersAtOnce(const CommandLine& line)
{
    if (line.help)
        std::fputs(CommandLineHelp().c_str(), stdout);
    else if (line.version)
        std::fputs(VersionText().c_str(), stdout);
    return line.help || line.version;
}

int UsageError(const CommandLine& line)
{
    std::fprintf(stderr, "torvane: %s\n%s\n", line.error.c_str(), CommandLineUsage().c_str());
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Judged before Qt starts, so that --help, --version and mistakes in the
    // game's own options need no display. Qt's options (-platform, -style...)
    // take one dash: a line with an unknown one is judged once Qt has taken its own.
    const CommandLine early = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (early.error.empty() && AnswersAtOnce(early))
        return 0;
    if (!early.error.empty() && early.offending.starts_with("--"))
        return UsageError(early);
    QApplication app(argc, argv);
    RegisterFontSubstitutes();

    std::vector<std::string> args;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        args.push_back(arguments[i].toStdString());
    const CommandLine line = ParseCommandLine(args);
    if (!line.error.empty())
        return UsageError(line);
    if (AnswersAtOnce(line))
        return 0;
    if (line.seed)
        SetFirstSeed(*line.seed);
    const GameFolders folders =
        line.dir ? GameFolders::Single(*line.dir)
                 : ChooseGameFolders(QCoreApplication::applicationDirPath().toStdString(),
                                     FolderEnvironment::FromProcess());

    if (line.replay)
        return PlayReplayFile(*line.replay, folders);
    if (line.showSplash) {
        CStoryDlg story(0, folders);
        story.exec();
    }
    CMainDlg window(folders);
    window.exec();
    return 0;
}
