#include "synth.h"

#include <algorithm>
#include <cmath>

namespace wavegen {

std::size_t Samples(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

Buffer Silence(double seconds)
{
    return Buffer(Samples(seconds), 0.0f);
}

void ScaleToPeak(Buffer& b, double peak)
{
    float top = 0.0f;
    for (float s : b)
        top = std::max(top, std::fabs(s));
    if (top == 0.0f)
        return;
    const double k = peak / top;
    for (float& s : b)
        s = static_cast<float>(s * k);
}

void MixAt(Buffer& into, const Buffer& part, double startSeconds, double gain)
{
    const std::size_t start = Samples(startSeconds);
    if (into.size() < start + part.size())
        into.resize(start + part.size(), 0.0f);
    for (std::size_t i = 0; i < part.size(); ++i)
        into[start + i] += static_cast<float>(part[i] * gain);
}

double Noise::Uniform()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_ / 4294967296.0;
}

double Noise::Between(double lo, double hi)
{
    return lo + (hi - lo) * Uniform();
}

Buffer Noise::WhiteBuffer(double seconds)
{
    Buffer b(Samples(seconds));
    for (float& s : b)
        s = static_cast<float>(White());
    return b;
}

namespace {

// Every shape starts at zero and rises, so a tone starts without a step
// that a resonant filter would turn into a click.
double Shape(Wave wave, double phase)   // phase in [0, 1)
{
    switch (wave) {
    case Wave::Sine:
        return std::sin(2.0 * kPi * phase);
    case Wave::Triangle:
        if (phase < 0.25)
            return 4.0 * phase;
        return phase < 0.75 ? 2.0 - 4.0 * phase : 4.0 * phase - 4.0;
    case Wave::Saw:
        return phase < 0.5 ? 2.0 * phase : 2.0 * phase - 2.0;
    case Wave::Square:
        return phase < 0.5 ? 1.0 : -1.0;
    }
    return 0.0;
}

}  // namespace

Buffer Follow(Wave wave, const std::vector<double>& frequency)
{
    Buffer b(frequency.size());
    double phase = 0.0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        b[i] = static_cast<float>(Shape(wave, phase));
        phase += frequency[i] / kSampleRate;
        phase -= std::floor(phase);
    }
    return b;
}

Buffer Glide(Wave wave, double f0, double f1, double seconds)
{
    const std::size_t n = Samples(seconds);
    std::vector<double> f(n);
    for (std::size_t i = 0; i < n; ++i)
        f[i] = f0 * std::pow(f1 / f0, n > 1 ? double(i) / double(n - 1) : 0.0);
    return Follow(wave, f);
}

Buffer Tone(Wave wave, double frequency, double seconds)
{
    return Follow(wave, std::vector<double>(Samples(seconds), frequency));
}

Buffer Struck(double base, const std::vector<Partial>& partials, double seconds)
{
    Buffer b(Samples(seconds), 0.0f);
    for (const Partial& p : partials) {
        if (base * p.ratio >= kSampleRate * 0.45)
            continue;
        const double w = 2.0 * kPi * base * p.ratio / kSampleRate;
        for (std::size_t i = 0; i < b.size(); ++i) {
            const double t = double(i) / kSampleRate;
            b[i] += static_cast<float>(p.gain * std::exp(-t / p.decay) * std::sin(w * double(i)));
        }
    }
    return b;
}

void ExpDecay(Buffer& b, double tau)
{
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] *= static_cast<float>(std::exp(-double(i) / kSampleRate / tau));
}

void AttackRelease(Buffer& b, double attack, double release)
{
    const double n = double(b.size());
    const double a = attack * kSampleRate;
    const double r = release * kSampleRate;
    for (std::size_t i = 0; i < b.size(); ++i) {
        double g = 1.0;
        if (a > 0.0 && double(i) < a)
            g = double(i) / a;
        if (r > 0.0 && n - double(i) < r)
            g = std::min(g, (n - double(i)) / r);
        b[i] *= static_cast<float>(g);
    }
}

Buffer Decayed(Buffer b, double tau)
{
    ExpDecay(b, tau);
    AttackRelease(b, 0.0, std::min(0.01, double(b.size()) / kSampleRate / 4.0));
    ScaleToPeak(b);
    return b;
}

void Tremolo(Buffer& b, double rate, double depth)
{
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kSampleRate;
        b[i] *= static_cast<float>(1.0 - depth * 0.5 * (1.0 - std::cos(2.0 * kPi * rate * t)));
    }
}

float Filter::Step(float in, double cutoff)
{
    cutoff = std::clamp(cutoff, 10.0, kSampleRate * 0.45);
    const double g = std::tan(kPi * cutoff / kSampleRate);
    const double a1 = 1.0 / (1.0 + g * (g + k_));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = in - ic2_;
    const double v1 = a1 * ic1_ + a2 * v3;
    const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    switch (kind_) {
    case Kind::Low:
        return static_cast<float>(v2);
    case Kind::Band:
        return static_cast<float>(v1);
    case Kind::High:
        return static_cast<float>(in - k_ * v1 - v2);
    }
    return 0.0f;
}

Buffer SweptFilter(const Buffer& in, Filter::Kind kind, double cutoff0, double cutoff1, double q)
{
    Filter f(kind, q);
    Buffer out(in.size());
    const double last = in.size() > 1 ? double(in.size() - 1) : 1.0;
    for (std::size_t i = 0; i < in.size(); ++i)
        out[i] = f.Step(in[i], cutoff0 * std::pow(cutoff1 / cutoff0, double(i) / last));
    return out;
}

Buffer Filtered(const Buffer& in, Filter::Kind kind, double cutoff, double q)
{
    return SweptFilter(in, kind, cutoff, cutoff, q);
}

Buffer Formants(const Buffer& in, const std::vector<double>& centres, double q)
{
    Buffer out(in.size(), 0.0f);
    for (double c : centres)
        MixAt(out, Filtered(in, Filter::Kind::Band, c, q), 0.0);
    return out;
}

}  // namespace wavegen
