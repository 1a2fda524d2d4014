// Start-up: the loading screen (unless a switch skips it), then the game
// window, modally; when it closes the program ends.

#include <QApplication>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/display_check.h"
#include "app/font_config_loader.h"
#include "app/x11_connection.h"
#include "game/random_source.h"
#include "records/catalogue.h"
#include "records/game_folders.h"
#include "torvane_config.h"
#include "ui/framework/application_setup.h"
#include "ui/window/command_line.h"
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

// Shared-memory images make every ticker frame wait for the X server to let
// go of the last one, waking the program twice more a frame; a band this small
// is as quickly sent through the socket. Set only for this process's own
// connection, so that programs it starts keep the default.
bool PreferPlainImages()
{
    if (qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        return false;
    qputenv("QT_XCB_NO_MITSHM", "1");
    return true;
}

int UsageError(const CommandLine& line)
{
    std::fprintf(stderr, "torvane: %s\n%s\n", line.error.c_str(), CommandLineUsage().c_str());
    return 2;
}

constexpr const char* kNameOption = "-name";

// The arguments Qt gets: the program's own, and the window class the desktop
// entry names (StartupWMClass), so the desktop can match the window to it.
// The X11 platform takes the class option out; other platforms leave it.
std::vector<char*> QtArguments(int argc, char* argv[])
{
    static std::string nameOption = kNameOption;
    static std::string appId = kTorvaneAppId;
    std::vector<char*> args(argv, argv + argc);
    args.insert(args.begin() + 1, {nameOption.data(), appId.data()});
    args.push_back(nullptr);
    return args;
}

// The program's own arguments once Qt has taken its options.
std::vector<std::string> GameArguments()
{
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 2 && arguments[1] == QLatin1String(kNameOption) &&
        arguments[2] == QLatin1String(kTorvaneAppId))
        arguments.remove(1, 2);
    std::vector<std::string> args;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        args.push_back(arguments[i].toStdString());
    return args;
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
    RequireDisplay(argc, argv);
    std::vector<char*> qtArgs = QtArguments(argc, argv);
    int qtArgc = static_cast<int>(qtArgs.size()) - 1;
    const bool plainImages = PreferPlainImages();
    FontConfigLoader fontConfig;
    const std::unique_ptr<QApplication> app =
        StartApplication([&] { return std::make_unique<QApplication>(qtArgc, qtArgs.data()); });
    if (plainImages)
        qunsetenv("QT_XCB_NO_MITSHM");
    WidenX11SendBuffer();
    fontConfig.Wait();

    const CommandLine line = ParseCommandLine(GameArguments());
    if (!line.error.empty())
        return UsageError(line);
    if (AnswersAtOnce(line))
        return 0;
    if (line.seed)
        SetFirstSeed(*line.seed);
    // After QApplication, which sets the locale from the environment.
    const Language language = line.language.value_or(LanguageOfLocale(LocaleEnvironment::FromProcess()));
    if (!UseLanguage(language, CatalogueFolders(QCoreApplication::applicationDirPath().toStdString())))
        std::fputs("torvane: the English catalogue cannot be loaded; the game stays Chinese\n", stderr);
    SetUpApplication(*app, CurrentLanguage());
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
