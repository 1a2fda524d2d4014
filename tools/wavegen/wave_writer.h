#pragma once
// Turns synthesised buffers into the game's wave files: PCM WAV (RIFF), mono,
// 16-bit, 22050 Hz.

#include "synth.h"

#include <filesystem>
#include <string>

namespace wavegen {

// Peak level every sound is normalised to: about -3 dBFS, well clear of clipping.
constexpr double kPeakLevel = 0.7071;

// The bytes of a complete wave file holding samples, normalised to kPeakLevel
// and faded in and out so it starts and ends without a click.
std::string EncodeWave(Buffer samples);

// Writes every sound of the game into folder, creating the folder when needed.
// Returns an empty string on success, otherwise what could not be written.
std::string WriteSounds(const std::filesystem::path& folder);

}  // namespace wavegen
