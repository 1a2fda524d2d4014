// Saving score.txt when things go wrong: a lock held for ever, a folder the
// player cannot list, a backup that cannot be written, a game killed while it
// writes the file in place, and the temporary files such kills leave.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

#include "file_test_support.h"
#include "records/folder_handle.h"
#include "records/folder_lock.h"
#include "records/temporary_files.h"
#include "records/top_ten.h"
#include "scripted_ui.h"

namespace fs = std::filesystem;

namespace {

// A game that holds the score lock (it is saving) until it is killed.
struct LockHolder {
    explicit LockHolder(const std::string& dir)
    {
        int ready[2];
        EXPECT_EQ(pipe(ready), 0);
        pid = fork();
        if (pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);   // gone with a test that fails
            TopTenTable table;
            UpdateTopTen(dir, table, [&](TopTenTable&) {
                (void)!write(ready[1], "x", 1);
                for (;;)
                    pause();
            });
            _exit(0);
        }
        char byte = 0;
        close(ready[1]);
        EXPECT_EQ(read(ready[0], &byte, 1), 1);
        close(ready[0]);
    }
    ~LockHolder()
    {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    pid_t pid = -1;
};

struct CountingUi : ScriptedUi {
    int waits = 0;
    void WaitingForFile() override { ++waits; }
};

// Writers that each add one to row 0's money, rounds times; the final money.
std::int32_t CountTogether(const std::string& dir, int writers, int rounds)
{
    std::vector<pid_t> children;
    for (int w = 0; w < writers; ++w) {
        const pid_t pid = fork();
        if (pid == 0) {
            for (int r = 0; r < rounds; ++r) {
                TopTenTable table;
                auto add = [](TopTenTable& fresh) {
                    ++fresh[0].money;
                    usleep(200);   // a slow save: an unlocked one loses updates
                };
                if (UpdateTopTen(dir, table, add) != ScoreSave::Saved)
                    _exit(1);
            }
            _exit(0);
        }
        children.push_back(pid);
    }
    bool allSaved = true;
    for (pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        allSaved &= WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return allSaved ? LoadTopTen(dir)[0].money : -1;
}

TopTenTable Counting()
{
    TopTenTable table = OwnTable();
    table[0].money = 0;
    return table;
}

std::vector<std::string> EntriesStartingWith(const std::string& dir, const std::string& prefix)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir))
        if (entry.path().filename().string().starts_with(prefix))
            names.push_back(entry.path().filename().string());
    return names;
}

void SetAge(const std::string& path, int seconds)
{
    const struct timespec times[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
    utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

}  // namespace

TEST(ScoreLock, ALockHeldForEverIsWaitedForBrieflyAndTheSaveStillLands)
{
    HangGuard guard;
    TestGame t;
    ASSERT_TRUE(SaveTopTen(t.dir, Counting()));
    const LockHolder holder(t.dir);
    int waits = 0;
    TopTenTable table;
    EXPECT_EQ(UpdateTopTen(t.dir, table, [](TopTenTable& fresh) { fresh[0].money = 7; }, [&] { ++waits; }),
              ScoreSave::Saved);
    EXPECT_GT(waits, 0);
    EXPECT_EQ(LoadTopTen(t.dir)[0].money, 7);

    // A game keeps its window painting meanwhile, and shows the table.
    CountingUi ui;
    Game game(ui, t.dir);
    game.OnTopTen();
    EXPECT_GT(ui.waits, 0);
    EXPECT_TRUE(ui.Of("box").empty());
    ASSERT_EQ(ui.Of("dialog").size(), 1u);
    EXPECT_EQ(ui.Of("dialog")[0].rows[0][2], "7");
}

TEST(ScoreLock, AFolderThePlayerCannotListStillKeepsGamesApart)
{
    TestGame t;
    const std::string dir = t.dir;
    ASSERT_TRUE(SaveTopTen(dir, Counting()));
    EXPECT_TRUE(AsUnprivileged(dir, [&] {
        const bool counted = chmod(dir.c_str(), 0300) == 0 && CountTogether(dir, 8, 25) == 200;
        chmod(dir.c_str(), 0755);
        return counted;
    }));
}

TEST(ScoreBackup, AnOffFormatTableIsKeptSomewhereOrNotReplaced)
{
    const std::string old = "\r\n" + FormatScoreFile(OwnTable());
    {
        // score.txt.bak is a folder: the old bytes go under a name of their own.
        TestGame t;
        WriteBytes(ScoreFilePath(t.dir), old);
        fs::create_directory(ScoreFilePath(t.dir) + ".bak");
        ASSERT_TRUE(SaveTopTen(t.dir, DefaultTopTen()));
        const std::vector<std::string> kept = EntriesStartingWith(t.dir, "score.txt.bak-");
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(ReadBytes(t.dir + "/" + kept[0]), old);
        EXPECT_EQ(ReadBytes(ScoreFilePath(t.dir)), FormatScoreFile(DefaultTopTen()));
    }
    {
        // A read-only score.txt.bak of an earlier backup gives way to the new one.
        TestGame t;
        const std::string dir = t.dir;
        WriteBytes(ScoreFilePath(dir), old);
        WriteBytes(ScoreFilePath(dir) + ".bak", "an earlier backup");
        chmod((ScoreFilePath(dir) + ".bak").c_str(), 0444);
        EXPECT_TRUE(AsUnprivileged(dir, [&] { return SaveTopTen(dir, DefaultTopTen()); }));
        EXPECT_EQ(ReadBytes(ScoreFilePath(dir) + ".bak"), old);
    }
    {
        // A folder that takes no new file: score.txt stays, and the game says so.
        TestGame t;
        const std::string dir = t.dir;
        WriteBytes(ScoreFilePath(dir), old);
        EXPECT_TRUE(AsUnprivileged(dir, [&] {
            ScriptedUi ui;
            Game game(ui, dir);
            const bool refused = chmod(dir.c_str(), 0555) == 0 && (game.OnTopTen(), true) &&
                                 ui.Of("box").size() == 1 &&
                                 ui.Of("box")[0].text.starts_with("Error: score file can not be opened.\n") &&
                                 ui.exitStatus == -1;
            chmod(dir.c_str(), 0755);
            return refused;
        }));
        EXPECT_EQ(ReadBytes(ScoreFilePath(dir)), old);
    }
}

TEST(InPlaceSave, KillsAndReadersAlwaysFindAWholeTable)
{
    // A hard-linked score.txt is written in place.
    TestGame t;
    const std::string path = ScoreFilePath(t.dir);
    const TopTenTable longer = OwnTable("a rather long name ");
    const TopTenTable shorter = OwnTable("s");
    const std::string longBytes = FormatScoreFile(longer);
    const std::string shortBytes = FormatScoreFile(shorter);
    ASSERT_TRUE(SaveTopTen(t.dir, longer));
    fs::create_hard_link(path, t.dir + "/second-name");
    const auto inode = [&] {
        struct stat info {};
        stat(path.c_str(), &info);
        return info.st_ino;
    };
    const ino_t before = inode();
    auto isWhole = [&](const std::string& bytes) {
        return bytes.compare(0, longBytes.size(), longBytes) == 0 ||
               bytes.compare(0, shortBytes.size(), shortBytes) == 0;
    };
    auto saveForEver = [&] {
        for (;;) {
            SaveTopTen(t.dir, shorter);
            SaveTopTen(t.dir, longer);
        }
    };

    const pid_t writer = fork();
    if (writer == 0)
        saveForEver();
    // Readers read as games do, under the shared lock; a reader that ignores
    // the lock may meet a page the writer is copying into.
    int torn = 0;
    int locked = 0;
    const FolderHandle folder(t.dir);
    for (int r = 0; r < 3000; ++r) {
        const FolderLock lock(folder, kScoreLockName, LockKind::Shared);
        if (lock.held()) {
            ++locked;
            torn += !isWhole(ReadBytes(path));
        }
    }
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    EXPECT_GT(locked, 0);
    EXPECT_EQ(torn, 0) << "of " << locked << " reads found no whole table";

    const char* count = std::getenv("TORVANE_SAVE_KILLS");
    const int kills = count ? std::atoi(count) : 300;
    std::mt19937 delays(268);
    int lost = 0;
    for (int k = 0; k < kills; ++k) {
        const pid_t victim = fork();
        if (victim == 0)
            saveForEver();
        usleep(delays() % 3000);
        kill(victim, SIGKILL);
        waitpid(victim, nullptr, 0);
        lost += !isWhole(ReadBytes(path));
    }
    EXPECT_EQ(lost, 0) << "of " << kills << " kills left no whole table";
    EXPECT_EQ(inode(), before) << "the file was replaced, not written in place";
    EXPECT_EQ(ReadBytes(t.dir + "/second-name"), ReadBytes(path));
}

TEST(Temporaries, TheGamesStaleOnesAreRemovedAtTheNextSave)
{
    TestGame t;
    ASSERT_TRUE(SaveTopTen(t.dir, OwnTable()));
    // Games killed while they replaced the file leave their temporary files.
    std::mt19937 delays(3);
    for (int k = 0; k < 60; ++k) {
        const pid_t victim = fork();
        if (victim == 0)
            for (;;)
                SaveTopTen(t.dir, OwnTable(k % 2 ? "odd" : "even"));
        usleep(delays() % 2000);
        kill(victim, SIGKILL);
        waitpid(victim, nullptr, 0);
    }
    const std::string prefix = TemporaryPrefixFor("score.txt");
    for (const std::string& name : EntriesStartingWith(t.dir, prefix))
        SetAge(t.dir + "/" + name, 2 * kStaleTemporarySeconds);
    WriteBytes(t.dir + "/" + prefix + "stale1", "a save killed long ago");
    SetAge(t.dir + "/" + prefix + "stale1", 2 * kStaleTemporarySeconds);
    WriteBytes(t.dir + "/" + prefix + "fresh1", "a save still running");
    WriteBytes(t.dir + "/score.txt.keepme", "not the game's");
    SetAge(t.dir + "/score.txt.keepme", 2 * kStaleTemporarySeconds);

    ASSERT_TRUE(SaveTopTen(t.dir, OwnTable()));
    EXPECT_EQ(EntriesStartingWith(t.dir, prefix), std::vector<std::string>{prefix + "fresh1"});
    EXPECT_TRUE(fs::exists(t.dir + "/score.txt.keepme"));
    EXPECT_EQ(ReadBytes(ScoreFilePath(t.dir)), FormatScoreFile(OwnTable()));
}
