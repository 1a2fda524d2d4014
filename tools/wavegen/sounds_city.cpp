// Sounds of the city: a motorbike in the traffic, the stinking river, a mocking
// laugh, the heat and a sandstorm.

#include "sound_recipes.h"

#include <algorithm>
#include <cmath>

namespace wavegen {

namespace {

using K = Filter::Kind;

// A random walk smoothed into a slowly wandering curve between lo and hi.
std::vector<double> Wander(Noise& noise, std::size_t n, double lo, double hi, double speed)
{
    std::vector<double> c(n);
    double value = 0.5;
    double target = noise.Uniform();
    for (std::size_t i = 0; i < n; ++i) {
        if (i % Samples(0.08) == 0)
            target = noise.Uniform();
        value += (target - value) * speed / kSampleRate;
        c[i] = lo + (hi - lo) * value;
    }
    return c;
}

}  // namespace

Buffer MakeEngine()
{
    Noise noise(0x4A41);
    // A big twin: two firings close together, then a gap, the beat quickening as
    // the rider opens the throttle and easing off again.
    const double length = 1.4;
    Buffer firing = Silence(length);
    Buffer exhaust = noise.WhiteBuffer(length);
    double phase = 0.0;
    double envelope = 0.0;
    for (std::size_t i = 0; i < firing.size(); ++i) {
        const double t = double(i) / kSampleRate / length;
        const double rate = 13.0 + 12.0 * std::sin(kPi * std::min(1.0, t * 1.4));
        const double before = phase;
        phase += rate / kSampleRate;
        const bool first = phase >= 1.0;
        const bool second = before < 0.35 && phase >= 0.35;
        if (first)
            phase -= 1.0;
        if (first || second) {
            firing[i] = 1.0f;
            envelope = 1.0;
        }
        envelope *= std::exp(-1.0 / (0.025 * kSampleRate));
        exhaust[i] = static_cast<float>(exhaust[i] * envelope);
    }
    Buffer out = Filtered(firing, K::Band, 75.0, 3.0);
    ScaleToPeak(out);
    Buffer growl = Filtered(firing, K::Band, 170.0, 2.5);
    ScaleToPeak(growl);
    MixAt(out, growl, 0.0, 0.5);
    Buffer pop = Filtered(exhaust, K::Low, 700.0, 0.8);
    ScaleToPeak(pop);
    MixAt(out, pop, 0.0, 0.45);
    AttackRelease(out, 0.08, 0.3);
    return out;
}

Buffer MakeVomit()
{
    Noise noise(0x0B1C);
    Buffer out = Silence(1.25);
    // "Bleurgh": a rough voice sliding down, then the gurgle of bubbles bursting.
    Buffer retch = Glide(Wave::Saw, 180.0, 100.0, 0.5);
    for (float& s : retch)
        s = static_cast<float>(s + 0.5 * noise.White());
    retch = Formants(Filtered(retch, K::Low, 2000.0), {480.0, 850.0}, 4.0);
    ScaleToPeak(retch);
    Tremolo(retch, 31.0, 0.6);
    AttackRelease(retch, 0.05, 0.2);
    MixAt(out, retch, 0.0, 0.8);

    Buffer slosh = Filtered(noise.WhiteBuffer(0.8), K::Low, 600.0, 1.2);
    ScaleToPeak(slosh);
    Tremolo(slosh, 9.0, 0.8);
    AttackRelease(slosh, 0.1, 0.3);
    MixAt(out, slosh, 0.35, 0.3);

    for (int i = 0; i < 14; ++i) {
        const double f = noise.Between(150.0, 450.0);
        const double d = noise.Between(0.04, 0.08);
        Buffer bubble = Glide(Wave::Sine, f, f * 1.7, d);
        AttackRelease(bubble, 0.005, d * 0.6);
        MixAt(out, bubble, noise.Between(0.35, 1.1), noise.Between(0.3, 0.6));
    }
    return out;
}

Buffer MakeLaugh()
{
    Noise noise(0x1A06);
    Buffer out = Silence(1.15);
    // "Ha-ha-ha-ha-ha", each syllable lower, warbling: the bicycle keeper's sneer.
    double pitch = 390.0;
    for (int i = 0; i < 5; ++i) {
        const double length = 0.15;
        std::vector<double> f(Samples(length));
        for (std::size_t j = 0; j < f.size(); ++j)
            f[j] = pitch * (1.0 + 0.05 * std::sin(2.0 * kPi * 11.0 * double(j) / kSampleRate));
        Buffer vowel = Follow(Wave::Saw, f);
        vowel = Formants(Filtered(vowel, K::Low, 3200.0), {800.0, 1250.0, 2600.0}, 5.0);
        ScaleToPeak(vowel);
        AttackRelease(vowel, 0.03, 0.06);

        Buffer h = Formants(noise.WhiteBuffer(0.04), {800.0, 1250.0}, 3.0);
        ScaleToPeak(h);
        AttackRelease(h, 0.01, 0.02);

        const double at = 0.2 * i;
        MixAt(out, h, at, 0.25);
        MixAt(out, vowel, at + 0.03, 1.0 - 0.08 * i);
        pitch *= 0.93;
    }
    return out;
}

Buffer MakeSigh()
{
    Noise noise(0x5164);
    const double length = 1.5;
    // A heavy "haaah" over the hum of the heat: a low drone that wobbles like air over asphalt.
    Buffer breath = Formants(Filtered(noise.WhiteBuffer(1.1), K::Low, 3000.0),
                             {700.0, 1150.0, 2500.0}, 4.0);
    ScaleToPeak(breath);
    for (std::size_t i = 0; i < breath.size(); ++i) {
        const double t = double(i) / kSampleRate;
        breath[i] *= static_cast<float>(t < 0.25 ? t / 0.25 : std::exp(-(t - 0.25) / 0.35));
    }
    AttackRelease(breath, 0.0, 0.2);
    Buffer voice = Glide(Wave::Triangle, 210.0, 130.0, 1.0);
    voice = Filtered(voice, K::Low, 900.0);
    ScaleToPeak(voice);
    AttackRelease(voice, 0.3, 0.6);

    Buffer hum = Tone(Wave::Sine, 100.0, length);
    MixAt(hum, Tone(Wave::Sine, 50.0, length), 0.0, 0.8);
    MixAt(hum, Tone(Wave::Sine, 150.0, length), 0.0, 0.3);
    ScaleToPeak(hum);
    Tremolo(hum, 2.5, 0.6);
    AttackRelease(hum, 0.3, 0.4);

    Buffer out = Silence(length);
    MixAt(out, hum, 0.0, 0.35);
    MixAt(out, breath, 0.1, 0.8);
    MixAt(out, voice, 0.15, 0.2);
    return out;
}

Buffer MakeWind()
{
    Noise noise(0x5A4D);
    const double length = 1.4;
    const std::size_t n = Samples(length);
    // A gust: noise whistling through a wandering band, swelling and dying away,
    // with grains of sand ticking as it peaks.
    const std::vector<double> centre = Wander(noise, n, 350.0, 1300.0, 12.0);
    const std::vector<double> flutter = Wander(noise, n, 0.6, 1.0, 25.0);
    Buffer white = noise.WhiteBuffer(length);
    Filter soft(K::Low, 0.707);
    Filter band(K::Band, 2.5);
    Buffer wind(n);
    Buffer sand(n, 0.0f);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / n;
        const double gust = std::pow(std::sin(kPi * t), 1.5) * flutter[i];
        wind[i] = static_cast<float>(band.Step(soft.Step(white[i], 2500.0), centre[i]) * gust);
        if (noise.Uniform() < 0.02 * gust)
            sand[i] = static_cast<float>(noise.White() * gust);
    }
    ScaleToPeak(wind);
    sand = Filtered(sand, K::High, 4500.0);
    ScaleToPeak(sand);
    MixAt(wind, sand, 0.0, 0.3);
    return wind;
}

}  // namespace wavegen
