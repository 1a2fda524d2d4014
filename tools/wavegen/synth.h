#pragma once
// Building blocks for the game's sounds: a mono float buffer at 22050 Hz,
// oscillators, envelopes, filters and a seeded noise source. Every sound is a
// pure function of its recipe and seed, so each build writes the same bytes.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace wavegen {

constexpr int kSampleRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Buffer = std::vector<float>;

std::size_t Samples(double seconds);
Buffer Silence(double seconds);

// Scales b so that its largest magnitude is peak (a silent buffer stays silent).
void ScaleToPeak(Buffer& b, double peak = 1.0);

// Mixes part into into, starting at the given time, scaled by gain; into grows as needed.
void MixAt(Buffer& into, const Buffer& part, double startSeconds, double gain = 1.0);

// xorshift32: small, fast and the same on every platform.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    double Uniform();            // [0, 1)
    double Between(double lo, double hi);
    double White() { return Uniform() * 2.0 - 1.0; }
    Buffer WhiteBuffer(double seconds);

private:
    std::uint32_t state_;
};

enum class Wave { Sine, Triangle, Saw, Square };

// A tone whose frequency glides exponentially from f0 to f1 over its length.
Buffer Glide(Wave wave, double f0, double f1, double seconds);
Buffer Tone(Wave wave, double frequency, double seconds);

// A tone that follows an arbitrary frequency curve (hertz per sample).
Buffer Follow(Wave wave, const std::vector<double>& frequency);

// Sum of decaying sine partials, for bells, coins and other struck metal;
// partials above what the sample rate can carry are left out instead of aliasing.
struct Partial {
    double ratio;       // of the base frequency
    double gain;
    double decay;       // seconds to fall to 1/e
};
Buffer Struck(double base, const std::vector<Partial>& partials, double seconds);

// Envelopes, applied in place.
void ExpDecay(Buffer& b, double tau);
void AttackRelease(Buffer& b, double attack, double release);
void Tremolo(Buffer& b, double rate, double depth);

// A struck or knocked part: decaying from its peak of 1, closed by a short
// release so that cutting it off does not click.
Buffer Decayed(Buffer b, double tau);

// State-variable filter (trapezoidal, stable at any cutoff) that can move its
// cutoff every sample.
class Filter {
public:
    enum class Kind { Low, Band, High };
    Filter(Kind kind, double q) : kind_(kind), k_(1.0 / q) {}
    float Step(float in, double cutoff);

private:
    Kind kind_;
    double k_;
    double ic1_ = 0.0;
    double ic2_ = 0.0;
};

Buffer Filtered(const Buffer& in, Filter::Kind kind, double cutoff, double q = 0.707);
Buffer SweptFilter(const Buffer& in, Filter::Kind kind, double cutoff0, double cutoff1,
                   double q);

// A vowel-like colour: the input through several band-pass formants in parallel.
Buffer Formants(const Buffer& in, const std::vector<double>& centres, double q);

}  // namespace wavegen
