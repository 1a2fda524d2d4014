// Replays: every game that reaches its final evaluation leaves a replay that
// verifies in a fresh game, and any change to it is found at its line.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "engine/engine.h"
#include "engine/replay_verify.h"
#include "game/random_source.h"
#include "game/replay_format.h"
#include "places/fame_penalties.h"
#include "records/catalogue.h"
#include "records/replay_folder.h"

namespace fs = std::filesystem;

namespace {

std::string TempDir()
{
    static std::mt19937 names(std::random_device{}());
    const fs::path dir = fs::temp_directory_path() / ("torvane-replay-" + std::to_string(names()));
    fs::create_directories(dir);
    return dir.string();
}

struct Played {
    std::string events;
    std::vector<FinishedReplay> replays;
};

// Plays the engine's input in this process, as a fresh engine seeded with seed would.
Played Play(const std::string& input, std::uint32_t seed)
{
    ClearQueuedDraws();
    SeedRandom(seed);
    fameMessageFlags = FameMessageFlags();
    Played played;
    std::istringstream in(input);
    std::ostringstream out;
    RunEngine(in, out, GameFolders::Single(TempDir()),
              [&played](const FinishedReplay& replay) { played.replays.push_back(replay); });
    played.events = out.str();
    return played;
}

VerifyOutcome Verify(const std::string& text) { return VerifyReplay(text, TempDir()); }

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string Join(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// The text with line n (from 1) replaced.
std::string WithLine(const std::string& text, int n, const std::string& line)
{
    std::vector<std::string> lines = Lines(text);
    lines.at(static_cast<std::size_t>(n - 1)) = line;
    return Join(lines);
}

int LineOf(const std::vector<std::string>& lines, const std::string& start)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind(start, 0) == 0)
            return static_cast<int>(i) + 1;
    return 0;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// With seed 268 the cosmetics bought on day 0 sell for 40790 on day 1 and
// the debt is repaid; forty days then end in the top ten as "bot", and
// playAgain answers the question of another game.
std::string WholeGame(const std::string& playAgain)
{
    std::string input = "buyall -- ok\ntravel 2\nsellall -- ok\npost -- ok\n";
    for (int day = 2; day <= 40; ++day)
        input += "travel " + std::to_string(day % 10 + 1) + " -- name=bot " + playAgain + "\n";
    return input;
}

// A short game that sells the banned book and the fake liquor, visits every
// place and changes both settings before quitting.
// With seed 268 it ends in the top ten, at place 7.
const char* const kShortGame =
    "buyall -- ok\n"
    "sort market 1\n"
    "sort market 1\n"
    "map\n"
    "travel 2\n"
    "sellall -- ok\n"
    "buy 4 -- 1\n"
    "sell 4 -- ok\n"
    "bank -- deposit 100\n"
    "bank -- withdraw 50\n"
    "bank -- leave\n"
    "hospital -- cancel\n"
    "post -- 10\n"
    "rent -- ok\n"
    "cafe\n"
    "airport\n"
    "settings -- soundoff=1 hackers=1 ok\n"
    "topten\n"
    "travel 3\n"
    "travel 4\n"
    "new -- no\n"
    "quit -- name=某人 no\n";

}  // namespace

TEST(Replay, AWholeGameLeavesAReplayThatVerifies)
{
    Played played = Play(WholeGame("no"), 268);
    ASSERT_EQ(played.replays.size(), 1u);
    const std::string& text = played.replays[0].text;
    const std::vector<std::string> lines = Lines(text);
    EXPECT_EQ(lines[0], "# torvane replay 1");
    EXPECT_EQ(lines[2], "# random 268");
    EXPECT_EQ(lines[3], "# fame-messages book 0 liquor 0");
    EXPECT_EQ(lines[4], "# settings sound-off 0 hackers 0 map 1");
    // Each command with its check, the last with the result; the answers no
    // question took are not kept.
    EXPECT_EQ(lines.size(), 6u + 2 * 43u);
    EXPECT_EQ(lines[6], "buyall -- 30");
    EXPECT_EQ(lines[lines.size() - 2], "travel 1 -- name=bot no");
    EXPECT_EQ(lines[lines.size() - 4], "travel 10");
    EXPECT_EQ(lines.back().rfind("# result wealth 31230 fame 100 days 40 rank 6 name bot check ", 0), 0u)
        << lines.back();
    EXPECT_EQ(played.replays[0].wealth, 31230);

    const VerifyOutcome outcome = Verify(text);
    EXPECT_EQ(outcome.status, 0) << outcome.message;
    EXPECT_EQ(outcome.message.rfind("verified: wealth " + std::to_string(played.replays[0].wealth) + " fame ", 0), 0u)
        << outcome.message;
    EXPECT_TRUE(Has(outcome.message, " days 40")) << outcome.message;
}

TEST(Replay, AGamePlayedInEnglishVerifiesInEnglishOnly)
{
    ASSERT_TRUE(UseLanguage(Language::English, {TORVANE_LOCALE_DIR}));
    Played played = Play(WholeGame("no"), 268);
    UseLanguage(Language::Chinese, {});
    ASSERT_EQ(played.replays.size(), 1u);
    const std::string& text = played.replays[0].text;
    EXPECT_EQ(Lines(text)[4], "# settings sound-off 0 hackers 0 map 1 language en");

    // The texts shown are part of each check: the file names its language, and
    // the verifier plays it in that language whatever its own.
    const VerifyOutcome outcome = VerifyReplay(text, TempDir(), {TORVANE_LOCALE_DIR});
    EXPECT_EQ(outcome.status, 0) << outcome.message;
    UseLanguage(Language::Chinese, {});
    const VerifyOutcome noCatalogue = Verify(text);
    EXPECT_EQ(noCatalogue.status, 2);
    EXPECT_TRUE(Has(noCatalogue.message, "English catalogue")) << noCatalogue.message;

    // Without its language line the same game is a Chinese one, and differs.
    std::string chinese = text;
    chinese.replace(chinese.find(" language en"), 12, "");
    EXPECT_EQ(Verify(chinese).status, 1);
    std::string unknown = text;
    unknown.replace(unknown.find(" language en"), 12, " language fr");
    EXPECT_EQ(Verify(unknown).status, 2);
}

TEST(Replay, TheSecondGameOfAProcessVerifiesFromItsOwnStart)
{
    Played played = Play(WholeGame("yes") + "travel 3\nmap\nquit -- name=two no\n", 268);
    ASSERT_EQ(played.replays.size(), 2u);
    const std::vector<std::string> first = Lines(played.replays[0].text);
    const std::vector<std::string> second = Lines(played.replays[1].text);
    EXPECT_NE(first[2], second[2]);   // a later state of the generator, not the seed
    EXPECT_EQ(second[4], "# settings sound-off 0 hackers 0 map 1");
    EXPECT_EQ(second.size(), 6u + 2 * 3u);
    for (const FinishedReplay& replay : played.replays) {
        const VerifyOutcome outcome = Verify(replay.text);
        EXPECT_EQ(outcome.status, 0) << outcome.message;
    }
    // A game begun by the menu keeps the street map and the sound setting of
    // the one given up, and not its hackers.
    Played third = Play("map\nsettings -- soundoff=1 hackers=1 ok\nnew\nquit\n", 268);
    ASSERT_EQ(third.replays.size(), 1u);
    EXPECT_EQ(Lines(third.replays[0].text)[4], "# settings sound-off 1 hackers 0 map 2");
    EXPECT_NE(Lines(third.replays[0].text)[2], "# random 268");
    EXPECT_EQ(Verify(third.replays[0].text).status, 0) << Verify(third.replays[0].text).message;
}

TEST(Replay, EveryPlaceAndSettingAndOnceShownMessagesVerify)
{
    Played played = Play(kShortGame, 268);
    ASSERT_EQ(played.replays.size(), 1u);
    const std::string& text = played.replays[0].text;
    EXPECT_TRUE(Has(text, "\nsettings -- hackers=1 soundoff=1 ok\n")) << text;
    EXPECT_TRUE(Has(text, "\nbank -- deposit 100\n")) << text;
    EXPECT_TRUE(Has(text, "\nnew -- no\n")) << text;
    EXPECT_TRUE(Has(text, "\nhospital -- cancel\n")) << text;
    EXPECT_TRUE(Has(text, "\n# result wealth 11110 fame 93 days 3 rank 7 name 某人 check ")) << text;
    EXPECT_EQ(Verify(text).status, 0) << Verify(text).message;

    // A new game started by the menu leaves no replay of the game given up.
    Played abandoned = Play("travel 1\ntravel 2\ntravel 3\nnew -- yes\nquit\n", 2);
    ASSERT_EQ(abandoned.replays.size(), 1u);
    EXPECT_EQ(Lines(abandoned.replays[0].text).size(), 6u + 2u);
    EXPECT_EQ(Verify(abandoned.replays[0].text).status, 0);
}

TEST(Replay, RecordingChangesNoEventOfTheEngine)
{
    const std::string input = "fly\nbuy 9 -- x\n# note\n\n" + WholeGame("yes") + kShortGame;
    Played recorded = Play(input, 268);
    ClearQueuedDraws();
    SeedRandom(268);
    fameMessageFlags = FameMessageFlags();
    std::istringstream in(input);
    std::ostringstream plain;
    RunEngine(in, plain, GameFolders::Single(TempDir()));
    EXPECT_EQ(recorded.events, plain.str());
    EXPECT_EQ(recorded.replays.size(), 2u);
}

TEST(Replay, AChangedLineFailsAtThatLine)
{
    const std::string text = Play(kShortGame, 268).replays.at(0).text;
    const std::vector<std::string> lines = Lines(text);
    const int buy = LineOf(lines, "buy 4 -- 1");
    const int travel = LineOf(lines, "travel 3");
    const int deposit = LineOf(lines, "bank -- deposit 100");
    const int settings = LineOf(lines, "settings -- ");
    const int sell = LineOf(lines, "sell 4 -- ");
    const int quit = LineOf(lines, "quit -- ");
    ASSERT_TRUE(buy && travel && deposit && settings && sell && quit);
    const int result = quit + 1;

    struct Case {
        int line;
        std::string replacement;
        int status;
        int reported;
    };
    const std::string check = lines[static_cast<std::size_t>(buy)];
    const Case cases[] = {
        // An answer: a second book costs money.
        {buy, "buy 4 -- 2", 1, buy + 1},
        // An action: another place has other news.
        {travel, "travel 5", 1, travel + 1},
        // An answer no button takes.
        {deposit, "bank -- deposit abc", 1, deposit},
        // A setting the dialog was left with.
        {settings, "settings -- hackers=0 soundoff=1 ok", 1, settings + 1},
        // A check line.
        {buy + 1, check.substr(0, check.find(" cash ")) + " cash 35318" + check.substr(check.find(" debt ")), 1, buy + 1},
        // The header: the generator, the fame messages shown, the settings.
        {3, "# random 3", 1, 6},
        {4, "# fame-messages book 1 liquor 0", 1, 6},
        {5, "# settings sound-off 1 hackers 0 map 1", 1, 6},
        {2, "# program torvane 0.0.1", 1, 2},
        {1, "# torvane replay 2", 2, 1},
        {3, "# random -1", 2, 3},
        // The result and the name entered.
        {result, std::string(lines[static_cast<std::size_t>(result - 1)]).replace(
                     lines[static_cast<std::size_t>(result - 1)].find(" wealth ") + 8, 1, "9"),
         1, result},
        {quit, "quit -- name=别人 no", 1, result},
        // The last action going on past the evaluation.
        {sell, "quit -- name=某人 no", 1, sell + 1},
    };
    for (const Case& c : cases) {
        const VerifyOutcome outcome = Verify(WithLine(text, c.line, c.replacement));
        EXPECT_EQ(outcome.status, c.status) << c.replacement << ": " << outcome.message;
        EXPECT_TRUE(Has(outcome.message, "line " + std::to_string(c.reported) + ":") ||
                    Has(outcome.message, "line " + std::to_string(c.reported) + " ("))
            << c.replacement << ": " << outcome.message;
    }
    const VerifyOutcome cash = Verify(WithLine(text, buy, "buy 4 -- 2"));
    EXPECT_TRUE(Has(cash.message, "the file says cash 35317, the game did cash 29844")) << cash.message;
}

TEST(Replay, MalformedFilesAreRefusedWithTheirLine)
{
    const std::string text = Play(kShortGame, 268).replays.at(0).text;
    std::vector<std::string> lines = Lines(text);
    const std::pair<std::string, int> cases[] = {
        {"", 1},
        {"hello\n", 1},
        {Join({lines.begin(), lines.begin() + 4}), 5},
        {Join({lines.begin(), lines.end() - 1}), static_cast<int>(lines.size())},   // no result line
        {Join({lines.begin(), lines.end() - 2}), static_cast<int>(lines.size()) - 1},
        {text + "travel 1\n", static_cast<int>(lines.size()) + 1},                   // beyond the result
        {WithLine(text, 8, "# comment"), 8},                                          // a check without its command
        {WithLine(text, 7, "fly away"), 7},
        {WithLine(text, static_cast<int>(lines.size()), "# result wealth x"), static_cast<int>(lines.size())},
    };
    for (const auto& [bad, line] : cases) {
        const VerifyOutcome outcome = Verify(bad);
        EXPECT_EQ(outcome.status, 2) << outcome.message;
        EXPECT_EQ(outcome.message.rfind("line " + std::to_string(line) + ":", 0), 0u) << outcome.message;
    }
    // Blank lines and comments of one's own change nothing.
    lines.insert(lines.begin() + 6, "# my best game");
    lines.insert(lines.begin() + 7, "");
    EXPECT_EQ(Verify(Join(lines)).status, 0);
}

TEST(Replay, NamesKeepTheirBlanksThroughEscapes)
{
    for (const std::string name : {"", "-", "ko mirin", "a%b", "某 人\t", "x"}) {
        const std::string word = EscapeName(name);
        EXPECT_EQ(word.find_first_of(" \t\n"), std::string::npos) << word;
        EXPECT_EQ(UnescapeName(word), name) << word;
    }
    EXPECT_EQ(UnescapeName("%2"), std::nullopt);
    EXPECT_EQ(UnescapeName("%zz"), std::nullopt);
    // A name with a blank, as the window's dialog takes it, verifies.
    std::string text = Play("buyall -- ok\ntravel 2\nsellall -- ok\nquit -- name=ko no\n", 268).replays.at(0).text;
    const std::string blank = text.replace(text.find("name=ko"), 7, "name=ko%20mirin");
    const std::size_t result = blank.find(" name ko ");
    ASSERT_NE(result, std::string::npos);
    std::string both = blank;
    both.replace(result, 9, " name ko%20mirin ");
    EXPECT_EQ(Verify(both).status, 0) << Verify(both).message;
}

TEST(Replay, TheEngineScriptsOfTheTestsLeaveReplaysThatVerify)
{
    std::vector<std::string> scripts;
    for (const auto& entry : fs::directory_iterator(TORVANE_ENGINE_SCRIPTS)) {
        std::ifstream in(entry.path());
        scripts.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // The engine protocol's whole-game script, which plays on after its first game.
    std::string bot;
    for (int day = 0; day < 45; ++day)
        bot += "buyall -- ok\nsellall -- ok\ntravel " + std::to_string(day % 10 + 1) + " -- name=bot no\n";
    scripts.push_back(bot);
    ASSERT_GE(scripts.size(), 4u);
    std::size_t verified = 0;
    for (const std::string& script : scripts)
        for (std::uint32_t seed : {1u, 2u, 99u, 268u, 4294967295u}) {
            // Every script ends in the final evaluation, by the menu if not before.
            for (const FinishedReplay& replay : Play(script + "\nquit -- name=x yes\nquit -- no\n", seed).replays) {
                const VerifyOutcome outcome = Verify(replay.text);
                EXPECT_EQ(outcome.status, 0) << "seed " << seed << ": " << outcome.message << "\n" << replay.text;
                verified += outcome.status == 0;
            }
        }
    // The scripts that quit give one game a seed at least; one that ends by the
    // window's own "ok", or a death, leaves none.
    EXPECT_GE(verified, 10u);
}

TEST(ReplayFiles, SavedBesideTheScoreFileForThePlayerAlone)
{
    const std::string score = TempDir() + "/data";
    const std::string first = SaveReplay(score, "one\n", 123, 0);
    const std::string second = SaveReplay(score, "two\n", 123, 0);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(fs::path(first).parent_path(), fs::path(score) / "replays");
    EXPECT_EQ(fs::path(first).filename(), ReplayFileName(0, 123));
    EXPECT_NE(first, second);   // the same second and wealth: no file is replaced
    EXPECT_EQ(fs::path(second).filename().string().substr(0, ReplayFileName(0, 123).size() - 4),
              ReplayFileName(0, 123).substr(0, ReplayFileName(0, 123).size() - 4));
    std::ifstream in(first);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "one\n");
    struct stat info {};
    ASSERT_EQ(::stat((score + "/replays").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat(first.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(ReplayFiles, ALinkOrAFileInTheWayIsNotWrittenAndTheGameGoesOn)
{
    // replays is a link to another folder: nothing lands there.
    const std::string elsewhere = TempDir();
    const std::string score = TempDir();
    fs::create_directory_symlink(elsewhere, score + "/replays");
    EXPECT_EQ(SaveReplay(score, "x\n", 1, 0), "");
    EXPECT_TRUE(fs::is_empty(elsewhere));

    // A file named like the replays folder: the engine plays on unchanged.
    const std::string blocked = TempDir();
    std::ofstream(blocked + "/replays") << "not a folder";
    const std::string command = std::string(TORVANE_ENGINE) + " --seed 3 --dir " + blocked +
                                " > " + blocked + "/out.txt <<'EOF'\nquit -- name=a no\nEOF\n";
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::ifstream out(blocked + "/out.txt");
    const std::string events(std::istreambuf_iterator<char>(out), {});
    EXPECT_TRUE(Has(events, "\"ev\":\"close\",\"result\":\"ok\"")) << events;
    EXPECT_TRUE(fs::is_regular_file(blocked + "/replays"));
}

TEST(ReplayFiles, TheEngineWritesAndVerifiesItsOwnReplays)
{
    const std::string dir = TempDir();
    const std::string play = std::string(TORVANE_ENGINE) + " --seed 268 --dir " + dir + " > /dev/null <<'EOF'\n" +
                             kShortGame + "EOF\n";
    ASSERT_EQ(std::system(play.c_str()), 0);
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir + "/replays"))
        files.push_back(entry.path());
    ASSERT_EQ(files.size(), 1u);
    const std::string verify = std::string(TORVANE_ENGINE) + " --verify '" + files[0].string() + "' > " + dir + "/v.txt";
    const int raw = std::system(verify.c_str());
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    std::ifstream out(dir + "/v.txt");
    std::string line;
    std::getline(out, line);
    EXPECT_EQ(line.rfind("verified: wealth ", 0), 0u) << line;
    // The player's score file was not touched by the verification.
    EXPECT_TRUE(fs::exists(dir + "/score.txt"));
    const auto before = fs::last_write_time(dir + "/score.txt");
    EXPECT_EQ(WEXITSTATUS(std::system(verify.c_str())), 0);
    EXPECT_EQ(fs::last_write_time(dir + "/score.txt"), before);

    std::ofstream(dir + "/bad.txt") << "# torvane replay 1\n";
    EXPECT_EQ(WEXITSTATUS(std::system((std::string(TORVANE_ENGINE) + " --verify " + dir + "/bad.txt 2>/dev/null").c_str())), 2);
    EXPECT_EQ(WEXITSTATUS(std::system((std::string(TORVANE_ENGINE) + " --verify " + dir + "/none.txt 2>/dev/null").c_str())), 2);
    EXPECT_EQ(WEXITSTATUS(std::system((std::string(TORVANE_ENGINE) + " --verify 2>/dev/null").c_str())), 2);
}
