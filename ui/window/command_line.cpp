#include "ui/window/command_line.h"

#include <algorithm>
#include <cctype>

#include "game/command_args.h"
#include "game/random_source.h"
#include "torvane_config.h"

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsSplashSwitch(const std::string& arg)
{
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-'))
        return false;
    const std::string name = Lower(arg.substr(1));
    return name == "embedding" || name == "automation";
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& given)
{
    const std::vector<std::string> args = NormaliseArguments(given);
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (IsSplashSwitch(arg)) {
            line.showSplash = false;
        } else if (arg == "--help") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if ((arg == "--seed" || arg == "--dir" || arg == "--lang" || arg == "--replay") &&
                   i + 1 < args.size()) {
            const std::string& value = args[++i];
            if (arg == "--replay") {
                line.replay = value;
            } else if (arg == "--dir") {
                line.dir = value;
            } else if (arg == "--lang") {
                line.language = ParseLanguage(value);
                if (!line.language) {
                    line.error = "bad language: " + value;
                    line.offending = arg;
                    return line;
                }
            } else if (auto seed = ParseSeed(value)) {
                line.seed = seed;
            } else {
                line.error = "bad seed: " + value;
                line.offending = arg;
                return line;
            }
        } else {
            line.error = (arg == "--seed" || arg == "--dir" || arg == "--lang" || arg == "--replay")
                             ? "missing value after " + arg
                             : "unknown option: " + arg;
            line.offending = arg;
            return line;
        }
    }
    return line;
}

std::string CommandLineUsage()
{
    return "usage: torvane [--seed N] [--dir DIR] [--lang zh|en] [--replay FILE] [-Embedding | -Automation] [-h | --help] [-v | --version]";
}

std::string CommandLineHelp()
{
    return CommandLineUsage() +
           "\n"
           "Torvane, a trading game: 40 days in the city of Varsen to get rich.\n"
           "  --seed N       seed the random source with N (0 to 4294967295) instead of the clock\n"
           "  --dir DIR      the folder of score.txt, news.txt, helpinfo and help.html\n"
           "                 (default: beside the executable, or for an installed game its data\n"
           "                 folder and the player's own folders)\n"
           "  --lang L       the language of the game: zh (Chinese) or en (English); by default\n"
           "                 the one the locale asks for (LANGUAGE, LC_ALL, LC_MESSAGES, LANG):\n"
           "                 English for en*, Chinese otherwise\n"
           "  --replay FILE  play back the game of a replay file (the replays folder beside\n"
           "                 score.txt holds one for every finished game) in the window, at a\n"
           "                 readable pace: Space pauses, Esc stops; score.txt is not written\n"
           "  -Embedding, -Automation\n"
           "                 skip the loading screen\n"
           "  -h, --help     show this help and exit\n"
           "  -v, --version  show the version and exit\n"
           "Options that take a value may also be written --seed=N, --dir=DIR and --lang=L.\n";
}

std::string VersionText() { return std::string("torvane ") + kTorvaneVersion + "\n"; }
