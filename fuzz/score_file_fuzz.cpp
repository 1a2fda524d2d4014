// score.txt: any bytes read as a table whose fields fit, written back as a
// well-formed file that reads as the same table, through the real files too.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "fuzz_support.h"
#include "records/gbk.h"
#include "records/top_ten.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TopTenTable table = ParseScoreFile(bytes);
    for (const TopTenEntry& row : table) {
        FUZZ_CHECK(Utf8ToGbk(row.name).size() <= kTopTenFieldBytes);
        FUZZ_CHECK(Utf8ToGbk(row.reputation).size() <= kTopTenFieldBytes);
        FUZZ_CHECK(IsValidUtf8(row.name) && IsValidUtf8(row.reputation));
    }
    const std::string written = FormatScoreFile(table);
    FUZZ_CHECK(IsWellFormedScoreFile(written));
    FUZZ_CHECK(FormatScoreFile(ParseScoreFile(written)) == written);
    if (IsWellFormedScoreFile(bytes))
        FUZZ_CHECK(written == bytes);

    // The same through score.txt: what is saved is what is read back.
    const std::string& dir = ScratchDir();
    std::ofstream(ScoreFilePath(dir), std::ios::binary | std::ios::trunc) << bytes;
    FUZZ_CHECK(FormatScoreFile(LoadTopTen(dir)) == written || bytes.size() > 64 * 1024);
    TopTenTable saved = table;
    FUZZ_CHECK(SaveTopTen(dir, saved));
    std::ifstream in(ScoreFilePath(dir), std::ios::binary);
    const std::string onDisk((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    FUZZ_CHECK(onDisk == written);
    return 0;
}
