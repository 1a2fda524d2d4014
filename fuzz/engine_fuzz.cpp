// The engine's command loop: any input lines are played to the end without a
// fault, and every event is one line of valid UTF-8 JSON object.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>

#include "engine/engine.h"
#include "fuzz_support.h"
#include "game/random_source.h"
#include "places/fame_penalties.h"
#include "records/top_ten.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& dir = ScratchDir();
    std::error_code ignored;
    std::filesystem::remove(ScoreFilePath(dir), ignored);   // each run starts from the default table
    SeedRandom(1);
    fameMessageFlags = FameMessageFlags();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    FUZZ_CHECK(RunEngine(in, out, dir) == 0);
    std::istringstream events(out.str());
    for (std::string line; std::getline(events, line);) {
        FUZZ_CHECK(line.size() >= 2 && line.front() == '{' && line.back() == '}');
        FUZZ_CHECK(IsValidUtf8(line));
    }
    return 0;
}
