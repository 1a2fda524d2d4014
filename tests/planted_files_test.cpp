// Links and FIFOs that another user plants where the game writes: nothing of
// the player's outside the game's own files changes, and nothing blocks.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "file_test_support.h"
#include "records/help_page.h"
#include "records/scrambled_file.h"
#include "records/top_ten.h"
#include "scripted_ui.h"

namespace fs = std::filesystem;

namespace {

// The player's private files, which a planted link aims at.
struct Victims {
    explicit Victims(const std::string& dir) : home(dir + "/home")
    {
        fs::create_directory(home);
        fs::permissions(home, fs::perms::owner_all);
        for (const char* name : {"bashrc", "notes", "profile"}) {
            WriteBytes(home + "/" + name, std::string("the player's ") + name + "\n");
            fs::permissions(home + "/" + name, fs::perms::owner_read | fs::perms::owner_write);
        }
    }
    std::string Path(const char* name) const { return home + "/" + name; }
    bool Untouched() const
    {
        for (const char* name : {"bashrc", "notes", "profile"})
            if (ReadBytes(Path(name)) != std::string("the player's ") + name + "\n" || ModeOf(Path(name)) != 0600)
                return false;
        return true;
    }
    std::string home;
};

// A folder where nobody plants entries: one nobody owns, or a shared sticky one.
std::string SharedFolder(const std::string& dir, bool sticky)
{
    const std::string shared = dir + (sticky ? "/sticky" : "/theirs");
    fs::create_directory(shared);
    if (sticky)
        fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    else
        EXPECT_EQ(chown(shared.c_str(), kNobody, kNobody), 0);
    return shared;
}

void WriteHelpSource(const std::string& dir)
{
    WriteBytes(HelpSourcePath(dir), Scramble("<html>help</html>", kHelpInfoKey));
}

bool PlantAsNobody(const std::function<bool()>& plant) { return InChild(plant, true); }

}  // namespace

TEST(PlantedFiles, LinksOfAnotherUserAreNeverWrittenThrough)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "a second user is needed";
    HangGuard guard;
    for (bool sticky : {false, true}) {
        TestGame t;
        const Victims victims(t.dir);
        const std::string shared = SharedFolder(t.dir, sticky);
        WriteHelpSource(shared);
        // An off-format table of the player's, and a link where its backup goes.
        WriteBytes(ScoreFilePath(shared), "\r\n" + FormatScoreFile(OwnTable()));
        ASSERT_TRUE(PlantAsNobody([&] {
            return symlink(victims.Path("bashrc").c_str(), (ScoreFilePath(shared) + ".bak").c_str()) == 0 &&
                   symlink(victims.Path("profile").c_str(), HelpPagePath(shared).c_str()) == 0;
        }));
        SaveTopTen(shared, DefaultTopTen());
        PrepareHelpPage(shared);
        EXPECT_TRUE(victims.Untouched()) << "sticky " << sticky;

        // A score.txt link of theirs is not followed: the score-file error instead.
        fs::remove(ScoreFilePath(shared));
        ASSERT_TRUE(PlantAsNobody(
            [&] { return symlink(victims.Path("notes").c_str(), ScoreFilePath(shared).c_str()) == 0; }));
        ScriptedUi ui;
        Game game(ui, shared);
        game.OnTopTen();
        ASSERT_EQ(ui.Of("box").size(), 1u);
        EXPECT_EQ(ui.Of("box")[0].text, "Error: score file can not be opened.");
        EXPECT_TRUE(victims.Untouched()) << "sticky " << sticky;
        EXPECT_EQ(FormatScoreFile(LoadTopTen(shared)), FormatScoreFile(DefaultTopTen()))
            << "their link is not read either";
    }
}

TEST(PlantedFiles, InASharedStickyFolderThePlayersOwnFilesAreStillWritten)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "a second user is needed";
    HangGuard guard;
    TestGame t;
    const std::string shared = SharedFolder(t.dir, true);
    WriteHelpSource(shared);
    WriteBytes(ScoreFilePath(shared), "\r\n" + FormatScoreFile(OwnTable()));
    // FIFOs of theirs where the backup, the lock and the help page go.
    ASSERT_TRUE(PlantAsNobody([&] {
        return mkfifo((ScoreFilePath(shared) + ".bak").c_str(), 0666) == 0 &&
               mkfifo((shared + "/" + kScoreLockName).c_str(), 0666) == 0 &&
               mkfifo(HelpPagePath(shared).c_str(), 0666) == 0;
    }));
    EXPECT_TRUE(SaveTopTen(shared, DefaultTopTen()));
    EXPECT_EQ(ReadBytes(ScoreFilePath(shared)), FormatScoreFile(DefaultTopTen()));
    // Their FIFO stays; the old table is kept under a name of its own.
    bool kept = false;
    for (const fs::directory_entry& entry : fs::directory_iterator(shared))
        kept |= entry.path().filename().string().starts_with("score.txt.bak-") &&
                ReadBytes(entry.path()) == "\r\n" + FormatScoreFile(OwnTable());
    EXPECT_TRUE(kept);
    EXPECT_TRUE(fs::is_fifo(ScoreFilePath(shared) + ".bak"));
    EXPECT_EQ(PrepareHelpPage(shared), HelpPageResult::TargetNotWritten);
    EXPECT_TRUE(fs::is_fifo(HelpPagePath(shared)));
}

TEST(PlantedFiles, AFifoOrALinkAsTheHelpPageIsReplacedByThePage)
{
    HangGuard guard;
    TestGame t;
    WriteHelpSource(t.dir);
    const std::string page = "<html>help</html>";
    WriteBytes(t.dir + "/elsewhere", "keep");
    for (int planted = 0; planted < 2; ++planted) {
        fs::remove(HelpPagePath(t.dir));
        if (planted == 0)
            ASSERT_EQ(mkfifo(HelpPagePath(t.dir).c_str(), 0600), 0);
        else
            fs::create_symlink("elsewhere", HelpPagePath(t.dir));
        EXPECT_EQ(PrepareHelpPage(t.dir), HelpPageResult::Written);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(HelpPagePath(t.dir))));
        EXPECT_EQ(ReadBytes(HelpPagePath(t.dir)), page);
    }
    EXPECT_EQ(ReadBytes(t.dir + "/elsewhere"), "keep");
}
