// helpinfo: any bytes are unscrambled into help.html exactly.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_support.h"
#include "records/help_page.h"
#include "records/scrambled_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string& dir = ScratchDir();
    std::ofstream(HelpSourcePath(dir), std::ios::binary | std::ios::trunc) << bytes;
    FUZZ_CHECK(PrepareHelpPage(dir) == HelpPageResult::Written);
    std::ifstream in(HelpPagePath(dir), std::ios::binary);
    const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    FUZZ_CHECK(page == Scramble(bytes, kHelpInfoKey));
    FUZZ_CHECK(ReadScrambledFile(HelpSourcePath(dir), kHelpInfoKey) == page);
    return 0;
}
