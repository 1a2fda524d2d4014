// torvane-engine: the game without a window, driven by text commands.

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "game/command_args.h"
#include "engine/replay_verify.h"
#include "game/random_source.h"
#include "records/catalogue.h"
#include "records/game_folders.h"
#include "records/regular_file.h"
#include "records/replay_folder.h"
#include "torvane_config.h"

namespace {

constexpr const char* kUsage =
    "usage: torvane-engine [--seed N] [--dir DIR] [--lang zh|en] [-h | --help] [-v | --version]\n"
    "       torvane-engine --verify FILE\n";
// A replay is a few kilobytes; a bound keeps a wrong file from being taken whole.
constexpr std::size_t kMaxReplayBytes = 64 * 1024 * 1024;

void Help()
{
    std::cout << kUsage
              << "Plays Torvane without a window: commands on standard input, events as JSON\n"
                 "Lines on standard output (see engine-protocol.md, installed in\n"
                 "/usr/share/doc/torvane, or docs/ of the source).\n"
                 "  --seed N       seed the random source with N (0 to 4294967295) instead of the clock\n"
                 "  --dir DIR      the folder of score.txt, news.txt, helpinfo and help.html\n"
                 "                 (default: beside the executable, or for an installed game its data\n"
                 "                 folder and the player's own folders)\n"
                 "  --lang L       the language of the texts: zh (Chinese) or en (English); by\n"
                 "                 default the one the locale asks for (LANGUAGE, LC_ALL,\n"
                 "                 LC_MESSAGES, LANG): English for en*, Chinese otherwise\n"
                 "  --verify FILE  play the replay FILE (as written into the replays folder beside\n"
                 "                 score.txt at the end of every game) in a fresh game in a scratch\n"
                 "                 folder; prints \"verified: wealth W fame F days D\" and exits 0, or\n"
                 "                 the first line where the game went otherwise and exits 1; exits 2\n"
                 "                 when FILE is no replay (see replay-format.md beside\n"
                 "                 engine-protocol.md)\n"
                 "  -h, --help     show this help and exit\n"
                 "  -v, --version  show the version and exit\n"
                 "Options that take a value may also be written --seed=N, --dir=DIR and --lang=L.\n";
}

int UsageError(const std::string& message)
{
    std::cerr << "torvane-engine: " << message << "\n" << kUsage;
    return 2;
}

std::string ExecutableDir(const char* argv0)
{
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = std::filesystem::absolute(argv0, error);
    return self.parent_path().string();
}

int Verify(const std::string& file, const std::string& executableDir)
{
    const std::optional<std::string> text = ReadRegularFile(file, kMaxReplayBytes);
    if (!text) {
        std::cerr << "torvane-engine: cannot read the replay " << file << "\n";
        return 2;
    }
    const char* tmp = std::getenv("TMPDIR");
    std::string scratch = std::string(tmp && *tmp == '/' ? tmp : "/tmp") + "/torvane-verify-XXXXXX";
    if (!::mkdtemp(scratch.data())) {
        std::cerr << "torvane-engine: cannot make a scratch folder in " << scratch << "\n";
        return 2;
    }
    const VerifyOutcome outcome = VerifyReplay(*text, scratch, CatalogueFolders(executableDir));
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    if (outcome.status == 2)
        std::cerr << "torvane-engine: " << file << ": " << outcome.message << "\n";
    else
        std::cout << outcome.message << "\n";
    return outcome.status;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args = NormaliseArguments({argv + 1, argv + argc});
    const std::size_t count = args.size();
    if (count >= 1 && args[0] == "--verify") {
        if (count != 2)
            return UsageError(count == 1 ? "missing value after --verify" : "--verify takes no other option");
        return Verify(args[1], ExecutableDir(argv[0]));
    }
    std::string dir;
    std::optional<Language> language;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            Help();
            return 0;
        }
        if (arg == "--version") {
            std::cout << "torvane-engine " << kTorvaneVersion << "\n";
            return 0;
        }
        if (arg == "--verify")
            return UsageError("--verify takes no other option");
        if (arg == "--seed" && i + 1 < count) {
            std::optional<std::uint32_t> seed = ParseSeed(args[++i]);
            if (!seed)
                return UsageError("bad seed: " + args[i]);
            SetFirstSeed(*seed);
        } else if (arg == "--dir" && i + 1 < count) {
            dir = args[++i];
        } else if (arg == "--lang" && i + 1 < count) {
            language = ParseLanguage(args[++i]);
            if (!language)
                return UsageError("bad language: " + args[i]);
        } else if (arg == "--seed" || arg == "--dir" || arg == "--lang") {
            return UsageError("missing value after " + arg);
        } else {
            return UsageError("unknown option: " + arg);
        }
    }
    const std::string executableDir = ExecutableDir(argv[0]);
    const Language chosen = language.value_or(LanguageOfLocale(LocaleEnvironment::FromProcess()));
    if (!UseLanguage(chosen, CatalogueFolders(executableDir)))
        std::cerr << "torvane-engine: the English catalogue cannot be loaded; the texts stay Chinese\n";
    const GameFolders folders =
        dir.empty() ? ChooseGameFolders(executableDir, FolderEnvironment::FromProcess())
                    : GameFolders::Single(dir);
    std::ios::sync_with_stdio(false);
    return RunEngine(std::cin, std::cout, folders, SaveReplaysIn(folders.score));
}
