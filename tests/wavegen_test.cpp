// The sound tool writes every wave file the game plays, in a format the player can decode.

#include "wave_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

const char* const kGameSounds[] = {
    "buy.wav", "money.wav", "shutdoor.wav", "opendoor.wav", "airport.wav", "kill.wav",
    "death.wav", "dog.wav", "harley.wav", "hit.wav", "flee.wav", "el.wav",
    "vomit.wav", "level.wav", "lan.wav", "breath.wav",
};

std::uint32_t U32(const std::string& b, std::size_t at)
{
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

std::uint16_t U16(const std::string& b, std::size_t at)
{
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

std::int16_t Sample(const std::string& b, std::size_t index)
{
    return static_cast<std::int16_t>(U16(b, 44 + 2 * index));
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class WavegenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / (std::string("torvane-wavegen-") + info->name());
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

TEST_F(WavegenTest, WritesEveryGameSoundAsDistinctCleanMonoPcm)
{
    ASSERT_EQ(wavegen::WriteSounds(dir_ / "sound"), "");

    std::map<std::string, std::string> seen;   // bytes -> file name
    for (const char* name : kGameSounds) {
        SCOPED_TRACE(name);
        const std::string b = ReadAll(dir_ / "sound" / name);
        ASSERT_GT(b.size(), 44u);
        EXPECT_EQ(b.substr(0, 4), "RIFF");
        EXPECT_EQ(U32(b, 4), b.size() - 8);
        EXPECT_EQ(b.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(U32(b, 16), 16u);
        EXPECT_EQ(U16(b, 20), 1u);        // PCM
        EXPECT_EQ(U16(b, 22), 1u);        // mono
        EXPECT_EQ(U32(b, 24), 22050u);
        EXPECT_EQ(U32(b, 28), 44100u);
        EXPECT_EQ(U16(b, 32), 2u);
        EXPECT_EQ(U16(b, 34), 16u);
        EXPECT_EQ(b.substr(36, 4), "data");
        ASSERT_EQ(U32(b, 40), b.size() - 44);

        const std::size_t count = (b.size() - 44) / 2;
        const double seconds = double(count) / 22050.0;
        EXPECT_GE(seconds, 0.2);
        EXPECT_LE(seconds, 2.0);

        int peak = 0;
        for (std::size_t i = 0; i < count; ++i)
            peak = std::max(peak, std::abs(int(Sample(b, i))));
        // Normalised to about -3 dBFS: loud enough to hear, never at full scale.
        EXPECT_GT(peak, 20000);
        EXPECT_LT(peak, 32000);
        // Faded at both ends, so playback starts and stops without a click.
        EXPECT_LT(std::abs(int(Sample(b, 0))), 200);
        EXPECT_LT(std::abs(int(Sample(b, count - 1))), 200);

        const auto [it, fresh] = seen.emplace(b, name);
        EXPECT_TRUE(fresh) << name << " has the same bytes as " << it->second;
    }
}

TEST_F(WavegenTest, RewritesTheSameBytesEveryRun)
{
    ASSERT_EQ(wavegen::WriteSounds(dir_ / "a"), "");
    ASSERT_EQ(wavegen::WriteSounds(dir_ / "b"), "");
    for (const char* name : kGameSounds)
        EXPECT_EQ(ReadAll(dir_ / "a" / name), ReadAll(dir_ / "b" / name)) << name;
}

TEST_F(WavegenTest, ReportsAFolderThatCannotBeCreated)
{
    fs::create_directories(dir_);
    std::ofstream(dir_ / "plain-file") << "x";
    const std::string error = wavegen::WriteSounds(dir_ / "plain-file" / "sound");
    EXPECT_NE(error, "");
    EXPECT_NE(error.find("plain-file"), std::string::npos);
}

}  // namespace
