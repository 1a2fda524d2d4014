// Where a portable and an installed game keep their files, and that a score
// saved into the player's data folder is the file a portable copy writes.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "records/game_folders.h"
#include "records/help_page.h"
#include "records/top_ten.h"
#include "scripted_ui.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Scratch {
    Scratch()
    {
        static std::mt19937 names(std::random_device{}());
        root = (fs::temp_directory_path() / ("torvane-folders-" + std::to_string(names()))).string();
        fs::create_directories(root + "/bin");
    }
    ~Scratch()
    {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    std::string Bin() const { return root + "/bin"; }
    std::string root;
};

FolderEnvironment Home(const std::string& home) { return {home, "", "", ""}; }

}  // namespace

TEST(GameFolders, APortableCopyKeepsEverythingBesideTheExecutable)
{
    Scratch s;
    std::ofstream(s.Bin() + "/helpinfo") << "x";
    const GameFolders folders = ChooseGameFolders(s.Bin(), {"/home/p", "/d", "/c", "/r"});
    EXPECT_EQ(folders.content, s.Bin());
    EXPECT_EQ(folders.score, s.Bin());
    EXPECT_EQ(folders.help, s.Bin());
}

TEST(GameFolders, AnInstalledGameReadsItsDataFolderAndWritesThePlayersFolders)
{
    Scratch s;
    GameFolders folders = ChooseGameFolders(s.Bin(), {"/home/p", "/d", "/c", "/r"});
    EXPECT_EQ(fs::weakly_canonical(folders.content), fs::path(s.root) / "share" / "torvane");
    EXPECT_EQ(folders.score, "/d/torvane");
    EXPECT_EQ(folders.help, "/r/torvane");

    // Unset or relative variables give way to the usual folders under the home.
    folders = ChooseGameFolders(s.Bin(), {"/home/p", "data", "", ""});
    EXPECT_EQ(folders.score, "/home/p/.local/share/torvane");
    EXPECT_EQ(folders.help, "/home/p/.cache/torvane");
    folders = ChooseGameFolders(s.Bin(), {"/home/p", "", "/c", "run"});
    EXPECT_EQ(folders.help, "/c/torvane");

    // With no home to fall back on, the files stay beside the executable, where
    // saving fails as it does for a read-only portable copy.
    folders = ChooseGameFolders(s.Bin(), Home(""));
    EXPECT_EQ(folders.score, s.Bin());
    EXPECT_EQ(folders.help, s.Bin());
}

TEST(GameFolders, AReadOnlyPortableCopyWritesThePlayersFolders)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    Scratch s;
    std::ofstream(s.Bin() + "/helpinfo") << "x";
    fs::permissions(s.Bin(), fs::perms::owner_read | fs::perms::owner_exec);
    const GameFolders folders = ChooseGameFolders(s.Bin(), Home("/home/p"));
    fs::permissions(s.Bin(), fs::perms::owner_all);
    EXPECT_EQ(folders.content, s.Bin());
    EXPECT_EQ(folders.score, "/home/p/.local/share/torvane");
}

TEST(GameFolders, TheFirstScoreCreatesThePlayersFolderWithThePortableBytes)
{
    Scratch s;
    GameFolders folders = GameFolders::Single(s.Bin());
    folders.score = s.root + "/data/torvane";
    folders.help = s.root + "/run/torvane";

    ScriptedUi installedUi;
    Game installed(installedUi, folders);
    EXPECT_EQ(installed.state().helpPath, s.root + "/run/torvane/help.html");
    installed.OnTopTen();
    ASSERT_FALSE(installedUi.exited);
    EXPECT_EQ(fs::status(folders.score).permissions() & fs::perms::all, fs::perms::owner_all);

    ScriptedUi portableUi;
    Game portable(portableUi, s.Bin());
    portable.OnTopTen();
    const std::string bytes = ReadBytes(ScoreFilePath(folders.score));
    EXPECT_FALSE(bytes.empty());
    EXPECT_EQ(bytes, ReadBytes(ScoreFilePath(s.Bin())));
}

TEST(GameFolders, AScoreFolderThatCannotBeMadeEndsTheGameWithTheScoreFileError)
{
    Scratch s;
    std::ofstream(s.root + "/data") << "a file where the folder would go";
    GameFolders folders = GameFolders::Single(s.Bin());
    folders.score = s.root + "/data/torvane";
    ScriptedUi ui;
    Game game(ui, folders);
    game.OnTopTen();
    ASSERT_EQ(ui.Of("box").size(), 1u);
    EXPECT_EQ(ui.Of("box")[0].text, "Error: score file can not be opened.");
    EXPECT_TRUE(ui.exited);
    EXPECT_EQ(ui.exitStatus, -1);
}

TEST(GameFolders, TheHelpPageIsWrittenIntoANewHelpFolder)
{
    Scratch s;
    std::ofstream(s.Bin() + "/helpinfo", std::ios::binary) << "\x01\x02";
    const std::string help = s.root + "/run/torvane";
    EXPECT_EQ(PrepareHelpPage(s.Bin(), help), HelpPageResult::Written);
    EXPECT_EQ(ReadBytes(HelpPagePath(help)).size(), 2u);
    EXPECT_FALSE(fs::exists(HelpPagePath(s.Bin())));
    std::ofstream(s.root + "/file") << "x";
    EXPECT_EQ(PrepareHelpPage(s.Bin(), s.root + "/file/torvane"), HelpPageResult::TargetNotWritten);
}
