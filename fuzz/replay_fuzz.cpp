// The replay verifier: any bytes are read without a fault, judged as a replay
// that verifies, one that differs or no replay at all, with a line number.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "engine/replay_verify.h"
#include "fuzz_support.h"
#include "records/top_ten.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& dir = ScratchDir();
    std::error_code ignored;
    std::filesystem::remove(ScoreFilePath(dir), ignored);
    const VerifyOutcome outcome = VerifyReplay(std::string(reinterpret_cast<const char*>(data), size), dir);
    FUZZ_CHECK(outcome.status >= 0 && outcome.status <= 2);
    FUZZ_CHECK(outcome.status == 0 ? outcome.message.rfind("verified: ", 0) == 0
                                   : outcome.message.find("line ") != std::string::npos);
    return 0;
}
