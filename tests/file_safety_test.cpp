// The content files against what a real disk holds: folders, FIFOs, links,
// read-only files and folders, huge files, odd line ends, and two games saving
// at once.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <utility>
#include <iterator>

#include "records/help_page.h"
#include "records/news_file.h"
#include "records/scrambled_file.h"
#include "records/top_ten.h"
#include "file_test_support.h"
#include "scripted_ui.h"

namespace fs = std::filesystem;


TEST(ContentFiles, AFolderOrAFifoReadsAsAMissingFile)
{
    HangGuard guard;
    TestGame t;
    fs::create_directory(t.dir + "/news.txt");
    fs::create_directory(HelpSourcePath(t.dir));
    fs::create_directory(ScoreFilePath(t.dir));
    EXPECT_EQ(LoadNewsText(t.dir).whole, "Error : Couldnt load File...");
    EXPECT_EQ(PrepareHelpPage(t.dir), HelpPageResult::SourceMissing);
    EXPECT_EQ(FormatScoreFile(LoadTopTen(t.dir)), FormatScoreFile(DefaultTopTen()));

    TestGame f;
    ASSERT_EQ(mkfifo((f.dir + "/news.txt").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(HelpSourcePath(f.dir).c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(ScoreFilePath(f.dir).c_str(), 0600), 0);
    EXPECT_EQ(LoadNewsText(f.dir).whole, "Error : Couldnt load File...");
    EXPECT_EQ(PrepareHelpPage(f.dir), HelpPageResult::SourceMissing);
    EXPECT_EQ(FormatScoreFile(LoadTopTen(f.dir)), FormatScoreFile(DefaultTopTen()));
    // A FIFO cannot hold the table: the score-file error, at once.
    f.game.OnTopTen();
    ASSERT_EQ(f.ui.Of("box").size(), 1u);
    EXPECT_EQ(f.ui.Of("box")[0].text, "Error: score file can not be opened.");
    EXPECT_EQ(f.ui.exitStatus, -1);
}

TEST(ContentFiles, OnlyTheStartOfAHugeNewsFileIsRead)
{
    TestGame t;
    // One headline that runs past the bound, then a short one: neither is shown.
    std::string text = "|" + std::string(kMostNewsBytes + 1000, 'A') + "|B|";
    WriteBytes(t.dir + "/news.txt", Scramble(text, kNewsKey));
    NewsText news = LoadNewsText(t.dir);
    EXPECT_EQ(news.whole.size(), kMostNewsBytes);
    EXPECT_TRUE(news.segments.empty());
}

TEST(ScoreFileSafety, AFileThatCannotBeWrittenIsLeftAloneAndReported)
{
    for (mode_t mode : {0444, 0000}) {
        TestGame t;
        ASSERT_TRUE(SaveTopTen(t.dir, OwnTable()));
        const std::string before = ReadBytes(ScoreFilePath(t.dir));
        chmod(ScoreFilePath(t.dir).c_str(), mode);
        const std::string path = ScoreFilePath(t.dir);
        const std::string dir = t.dir;
        EXPECT_TRUE(AsUnprivileged(dir, [&] {
            return !SaveTopTen(dir, DefaultTopTen()) && ModeOf(path) == mode;
        })) << std::oct << mode;
        chmod(path.c_str(), 0644);
        EXPECT_EQ(ReadBytes(path), before);
    }
}

TEST(ScoreFileSafety, SavingKeepsTheModeAndWritesThroughALink)
{
    TestGame t;
    const std::string path = ScoreFilePath(t.dir);
    ASSERT_TRUE(SaveTopTen(t.dir, OwnTable()));
    chmod(path.c_str(), 0600);
    ASSERT_TRUE(SaveTopTen(t.dir, DefaultTopTen()));
    EXPECT_EQ(ModeOf(path), 0600u);
    EXPECT_EQ(ReadBytes(path), FormatScoreFile(DefaultTopTen()));

    // A link named score.txt stays a link; its target gets the table.
    fs::create_directory(t.dir + "/shared");
    const std::string target = t.dir + "/shared/scores";
    fs::remove(path);
    fs::create_symlink("shared/scores", path);   // dangling until the first save
    t.game.OnTopTen();
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(ReadBytes(target), FormatScoreFile(DefaultTopTen()));
    ASSERT_TRUE(SaveTopTen(t.dir, OwnTable()));
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(ReadBytes(target), FormatScoreFile(OwnTable()));
    for (const fs::directory_entry& entry : fs::directory_iterator(t.dir))
        EXPECT_TRUE(entry.path().filename() == "score.txt" || entry.path().filename() == "shared" ||
                    entry.path().filename() == kScoreLockName)
            << entry.path();
}

TEST(ScoreFileSafety, AWritableFileInAReadOnlyFolderIsWrittenInPlace)
{
    TestGame t;
    const std::string dir = t.dir;
    ASSERT_TRUE(SaveTopTen(dir, OwnTable()));
    const bool saved = AsUnprivileged(dir, [&] {
        return chmod(dir.c_str(), 0555) == 0 && SaveTopTen(dir, DefaultTopTen());
    });
    chmod(dir.c_str(), 0755);
    EXPECT_TRUE(saved);
    EXPECT_EQ(ReadBytes(ScoreFilePath(dir)), FormatScoreFile(DefaultTopTen()));
    // No file there yet and none can be made: the score-file error.
    fs::remove(ScoreFilePath(dir));
    EXPECT_TRUE(AsUnprivileged(dir, [&] {
        return chmod(dir.c_str(), 0555) == 0 && !SaveTopTen(dir, DefaultTopTen());
    }));
    chmod(dir.c_str(), 0755);
}

TEST(ScoreFileSafety, ReadsCrLfOrCrAloneAndKeepsAnOffFormatFileAsBak)
{
    std::string crOnly = FormatScoreFile(OwnTable());
    std::string lfOnly;
    for (char c : crOnly)
        if (c != '\n')
            lfOnly += c == '\r' ? '\n' : c;
    crOnly.erase(std::remove(crOnly.begin(), crOnly.end(), '\n'), crOnly.end());
    EXPECT_EQ(FormatScoreFile(ParseScoreFile(crOnly)), FormatScoreFile(OwnTable()));
    EXPECT_EQ(FormatScoreFile(ParseScoreFile(lfOnly)), FormatScoreFile(OwnTable()));

    // A leading blank line and a UTF-16 file do not read as the table they held:
    // the old bytes are kept beside the new file.
    const std::string utf16("\xFF\xFEz\0a\0v\0\r\0\n\0", 12);
    for (const std::string& old : {"\r\n" + FormatScoreFile(OwnTable()), utf16}) {
        TestGame t;
        WriteBytes(ScoreFilePath(t.dir), old);
        t.game.OnTopTen();
        EXPECT_EQ(ReadBytes(ScoreFilePath(t.dir) + ".bak"), old);
        EXPECT_EQ(ReadBytes(ScoreFilePath(t.dir)), FormatScoreFile(ParseScoreFile(old)));
    }
    // A well-formed table, or none, leaves no backup.
    TestGame t;
    t.game.OnTopTen();
    t.game.OnTopTen();
    EXPECT_FALSE(fs::exists(ScoreFilePath(t.dir) + ".bak"));
}

TEST(ScoreFileSafety, GamesSavingAtOnceLoseNoUpdateAndReadersSeeWholeTables)
{
    TestGame t;
    TopTenTable start = OwnTable();
    start[0].money = 0;
    ASSERT_TRUE(SaveTopTen(t.dir, start));
    constexpr int kWriters = 4;
    constexpr int kRounds = 100;
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        pid_t pid = fork();
        if (pid == 0) {
            for (int r = 0; r < kRounds; ++r) {
                TopTenTable table;
                if (UpdateTopTen(t.dir, table, [](TopTenTable& fresh) { ++fresh[0].money; }) != ScoreSave::Saved)
                    _exit(1);
            }
            _exit(0);
        }
        children.push_back(pid);
    }
    const pid_t reader = fork();
    if (reader == 0) {
        for (int r = 0; r < 2000; ++r)
            if (LoadTopTen(t.dir)[9].name != "own9")
                _exit(1);
        _exit(0);
    }
    children.push_back(reader);
    for (pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(LoadTopTen(t.dir)[0].money, kWriters * kRounds);
    for (const fs::directory_entry& entry : fs::directory_iterator(t.dir))
        EXPECT_TRUE(entry.path().filename() == "score.txt" || entry.path().filename() == kScoreLockName)
            << entry.path();

    // Whatever a crashed game or another user left under a temporary name is
    // neither in the way nor written through.
    fs::create_directory(ScoreFilePath(t.dir) + ".tmp");
    EXPECT_TRUE(SaveTopTen(t.dir, start));
    fs::remove(ScoreFilePath(t.dir) + ".tmp");
    WriteBytes(t.dir + "/victim", "keep");
    fs::create_symlink("victim", ScoreFilePath(t.dir) + ".tmp");
    EXPECT_TRUE(SaveTopTen(t.dir, start));
    EXPECT_EQ(ReadBytes(t.dir + "/victim"), "keep");
    EXPECT_FALSE(fs::is_symlink(ScoreFilePath(t.dir)));
}

namespace {

// A player whose congratulations dialog stays open while something else happens.
struct SlowCongratsUi : ScriptedUi {
    std::function<void()> whileOpen;
    DialogResult RunDialog(const DialogRequest& request) override
    {
        if (request.id == 164 && whileOpen)
            std::exchange(whileOpen, {})();
        return ScriptedUi::RunDialog(request);
    }
};

}  // namespace

TEST(ScoreFileSafety, TwoGamesEndingTogetherBothKeepTheirEntries)
{
    TestGame other;
    SlowCongratsUi ui;
    Game first(ui, other.dir);
    first.OpenWindow();
    first.state().cash = 20000000;
    first.state().debt = 0;
    other.game.state().cash = 30000000;
    other.game.state().debt = 0;
    // The other game is another process: the table in memory is one a process.
    ui.whileOpen = [&] {
        const pid_t pid = fork();
        if (pid == 0) {
            other.ui.Answer({"name=second", "no"});
            other.game.FinishGame();
            _exit(other.ui.exited ? 1 : 0);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    };
    ui.Answer({"name=first", "no"});
    first.FinishGame();
    const TopTenTable table = LoadTopTen(other.dir);
    EXPECT_EQ(table[0].name, "second");
    EXPECT_EQ(table[1].name, "first");
    EXPECT_EQ(table[2].name, "zav");
    // The first game shows the table as saved, its own row highlighted.
    EXPECT_EQ(ui.Of("dialog").back().selected, 1);
    EXPECT_EQ(ui.Of("dialog").back().rows[0][1], "second");
}
