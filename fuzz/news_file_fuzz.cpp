// news.txt: any bytes give headlines in valid UTF-8, none empty, none more than
// the separators allow, from the text and from the scrambled file alike.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "fuzz_support.h"
#include "records/news_file.h"
#include "records/scrambled_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const NewsText news = MakeNewsText(bytes);
    FUZZ_CHECK(IsValidUtf8(news.whole));
    FUZZ_CHECK(news.segments.size() <= static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '|')));
    for (const std::string& segment : news.segments) {
        FUZZ_CHECK(!segment.empty());
        FUZZ_CHECK(IsValidUtf8(segment));
    }

    const std::string& dir = ScratchDir();
    std::ofstream(dir + "/news.txt", std::ios::binary | std::ios::trunc) << Scramble(bytes, kNewsKey);
    const NewsText loaded = LoadNewsText(dir);
    FUZZ_CHECK(loaded.whole == news.whole && loaded.segments == news.segments);
    return 0;
}
