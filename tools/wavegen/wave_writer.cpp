#include "wave_writer.h"

#include "sound_recipes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <system_error>

namespace wavegen {

namespace {

constexpr double kFadeIn = 0.005;
constexpr double kFadeOut = 0.03;

void PutU16(std::string& out, std::uint16_t v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void PutU32(std::string& out, std::uint32_t v)
{
    PutU16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    PutU16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

std::string EncodeWave(Buffer samples)
{
    // Fade before normalising, so a sound that opens on a blow still peaks at the level.
    AttackRelease(samples, kFadeIn, kFadeOut);
    ScaleToPeak(samples, kPeakLevel);

    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    PutU32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    PutU32(out, 16);                 // size of the format chunk
    PutU16(out, 1);                  // PCM
    PutU16(out, 1);                  // mono
    PutU32(out, kSampleRate);
    PutU32(out, kSampleRate * 2);    // bytes per second
    PutU16(out, 2);                  // bytes per frame
    PutU16(out, 16);                 // bits per sample
    out += "data";
    PutU32(out, dataBytes);
    for (float s : samples) {
        const long v = std::lround(std::clamp(double(s), -1.0, 1.0) * 32767.0);
        PutU16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    return out;
}

std::string WriteSounds(const std::filesystem::path& folder)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        return "cannot create " + folder.string() + ": " + ec.message();
    for (const SoundRecipe& recipe : SoundRecipes()) {
        const std::filesystem::path path = folder / recipe.fileName;
        const std::string bytes = EncodeWave(recipe.make());
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file)
            return "cannot write " + path.string();
    }
    return {};
}

}  // namespace wavegen
