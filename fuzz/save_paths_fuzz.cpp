// Saving score.txt over any old bytes, by each path: replaced, written in
// place (a hard-linked file), with the backup of an off-format table made as
// score.txt.bak, over a link or a FIFO there, or under a name of its own where
// a folder takes that name. The new table lands whole, the old bytes are kept
// whenever rows would be lost, and nothing else is touched or left behind.
//
// The first byte chooses the path and the score entered; the rest is score.txt.

#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_support.h"
#include "records/temporary_files.h"
#include "records/top_ten.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ino_t Inode(const std::string& path)
{
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned choice = data[0];
    const std::string old(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string& dir = ScratchDir();
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir))
        fs::remove_all(entry.path(), ignored);

    const std::string path = ScoreFilePath(dir);
    const std::string bak = path + ".bak";
    const std::string outside = dir + "/outside";
    std::ofstream(outside, std::ios::binary) << "untouched";
    std::ofstream(path, std::ios::binary) << old;
    const bool inPlace = (choice & 1) != 0;
    if (inPlace)
        fs::create_hard_link(path, dir + "/second-name");
    switch ((choice >> 1) & 3) {
    case 1: fs::create_symlink("outside", bak); break;
    case 2: ::mkfifo(bak.c_str(), 0600); break;
    case 3: fs::create_directory(bak); break;
    default: break;
    }
    const ino_t before = Inode(path);

    const std::int32_t money = static_cast<std::int32_t>(choice >> 3) * 1000;
    TopTenTable expected = ParseScoreFile(old.substr(0, 64 * 1024));
    const int row = InsertScore(expected, "fuzz", money, 100, 100);
    TopTenTable table;
    FUZZ_CHECK(UpdateTopTen(dir, table, [&](TopTenTable& fresh) { InsertScore(fresh, "fuzz", money, 100, 100); }) ==
               ScoreSave::Saved);
    const std::string written = FormatScoreFile(expected);
    FUZZ_CHECK(FormatScoreFile(table) == written);
    FUZZ_CHECK(Read(path) == written);
    FUZZ_CHECK(table[static_cast<std::size_t>(row)].name == expected[static_cast<std::size_t>(row)].name);
    if (inPlace) {
        FUZZ_CHECK(Inode(path) == before);
        FUZZ_CHECK(Read(dir + "/second-name") == written);
    }
    FUZZ_CHECK(Read(outside) == "untouched");

    bool kept = false;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        FUZZ_CHECK(!name.starts_with(kTemporaryPrefix));
        if ((name == "score.txt.bak" || name.starts_with("score.txt.bak-")) && entry.is_regular_file())
            kept |= Read(entry.path()) == old.substr(0, 64 * 1024);
    }
    if (old.size() <= 64 * 1024 && old != written && !IsWellFormedScoreFile(old))
        FUZZ_CHECK(kept);
    return 0;
}
