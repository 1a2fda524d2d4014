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

FolderEnvironment Home(const std::string& home) { return {home, "", "", "", ""}; }

// A folder anyone may change: not the player's, whoever runs the test.
std::string OpenToAll(const std::string& path)
{
    fs::create_directories(path);
    fs::permissions(path, fs::perms::all);
    return path;
}

}  // namespace

TEST(GameFolders, APortableCopyKeepsEverythingBesideTheExecutable)
{
    Scratch s;
    std::ofstream(s.Bin() + "/helpinfo") << "x";
    const GameFolders folders = ChooseGameFolders(s.Bin(), {"/home/p", "/d", "/c", "/r", ""});
    EXPECT_EQ(folders.content, s.Bin());
    EXPECT_EQ(folders.score, s.Bin());
    EXPECT_EQ(folders.help, s.Bin());
}

TEST(GameFolders, AnInstalledGameReadsItsDataFolderAndWritesThePlayersFolders)
{
    Scratch s;
    const std::string home = s.root + "/home";
    fs::create_directories(home);
    GameFolders folders = ChooseGameFolders(s.Bin(), {home, s.root + "/d", s.root + "/c", s.root + "/r", ""});
    EXPECT_EQ(fs::weakly_canonical(folders.content), fs::path(s.root) / "share" / "torvane");
    EXPECT_EQ(folders.score, s.root + "/d/torvane");
    EXPECT_EQ(folders.help, s.root + "/r/torvane");

    // Unset or relative variables give way to the usual folders under the home.
    folders = ChooseGameFolders(s.Bin(), {home, "data", "", "", ""});
    EXPECT_EQ(folders.score, home + "/.local/share/torvane");
    EXPECT_EQ(folders.help, home + "/.cache/torvane");
    folders = ChooseGameFolders(s.Bin(), {home, "", s.root + "/c", "run", ""});
    EXPECT_EQ(folders.help, s.root + "/c/torvane");

    // Without HOME, or with a relative one, the passwd entry's home serves.
    for (const std::string& unusable : {std::string(), std::string("home")}) {
        folders = ChooseGameFolders(s.Bin(), {unusable, "", "", "", home});
        EXPECT_EQ(folders.score, home + "/.local/share/torvane");
        EXPECT_EQ(folders.help, home + "/.cache/torvane");
    }
}

TEST(GameFolders, FoldersThatAreNotThePlayersArePassedOver)
{
    Scratch s;
    const std::string home = s.root + "/home";
    fs::create_directories(home);
    std::ofstream(s.root + "/file") << "a file, not a folder";
    const std::string shared = OpenToAll(s.root + "/shared");
    GameFolders folders = ChooseGameFolders(s.Bin(), {home, s.root + "/file", "", shared, ""});
    EXPECT_EQ(folders.score, home + "/.local/share/torvane");
    EXPECT_EQ(folders.help, home + "/.cache/torvane");
    // A game folder inside a folder others may change is no better.
    folders = ChooseGameFolders(s.Bin(), {home, shared + "/data", shared + "/cache", "", ""});
    EXPECT_EQ(folders.score, home + "/.local/share/torvane");
    EXPECT_EQ(folders.help, home + "/.cache/torvane");

    // A portable copy whose folder others may change keeps only its content there.
    const std::string open = OpenToAll(s.root + "/open");
    std::ofstream(open + "/helpinfo") << "x";
    folders = ChooseGameFolders(open, Home(home));
    EXPECT_EQ(folders.content, open);
    EXPECT_EQ(folders.score, home + "/.local/share/torvane");

    // A shared sticky folder serves while the files in it are the player's.
    const std::string sticky = OpenToAll(s.root + "/sticky");
    fs::permissions(sticky, fs::perms::sticky_bit, fs::perm_options::add);
    std::ofstream(sticky + "/helpinfo") << "x";
    EXPECT_EQ(ChooseGameFolders(sticky, Home(home)).score, sticky);

    if (::geteuid() == 0) {
        // The runtime folder of another user, as root sees it.
        const std::string theirs = s.root + "/run-of-nobody";
        fs::create_directories(theirs);
        ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
        fs::permissions(theirs, fs::perms::owner_all);
        EXPECT_EQ(ChooseGameFolders(s.Bin(), {home, "", "", theirs, ""}).help, home + "/.cache/torvane");
        std::ofstream(sticky + "/score.txt") << "another player's";
        ASSERT_EQ(::chown((sticky + "/score.txt").c_str(), 65534, 65534), 0);
        EXPECT_EQ(ChooseGameFolders(sticky, Home(home)).score, home + "/.local/share/torvane");
    }
}

TEST(GameFolders, WithNoHomeAtAllNothingIsWrittenBesideTheExecutable)
{
    Scratch s;
    const GameFolders folders = ChooseGameFolders(s.Bin(), Home(""));
    EXPECT_EQ(folders.score, "");
    EXPECT_EQ(folders.help, "");
    ScriptedUi ui;
    Game game(ui, folders);
    game.OnTopTen();
    ASSERT_EQ(ui.Of("box").size(), 1u);
    EXPECT_EQ(ui.Of("box")[0].text, "Error: score file can not be opened.");
    EXPECT_EQ(ui.exitStatus, -1);
    EXPECT_TRUE(fs::is_empty(s.Bin()));
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
