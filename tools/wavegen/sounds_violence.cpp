// Sounds of street violence: blows, a grunt, a dog, running feet, a stun baton, and dying.

#include "sound_recipes.h"

#include <algorithm>
#include <cmath>

namespace wavegen {

namespace {

using K = Filter::Kind;

// A rough voice: a buzzing tone with breath in it, shaped by vowel formants.
Buffer Voice(Noise& noise, const std::vector<double>& pitch, const std::vector<double>& vowel,
             double breath)
{
    Buffer v = Follow(Wave::Saw, pitch);
    for (float& s : v)
        s = static_cast<float>(s + breath * noise.White());
    v = Formants(Filtered(v, K::Low, 3000.0), vowel, 5.0);
    ScaleToPeak(v);
    return v;
}

std::vector<double> Contour(double seconds, double (*f)(double))
{
    std::vector<double> c(Samples(seconds));
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = f(double(i) / double(c.size()));
    return c;
}

}  // namespace

Buffer MakeKill()
{
    Noise noise(0x4B11);
    Buffer out = Silence(0.75);
    MixAt(out, Decayed(Glide(Wave::Sine, 150.0, 45.0, 0.3), 0.06), 0.0, 1.0);
    MixAt(out, Decayed(Filtered(noise.WhiteBuffer(0.08), K::Band, 1200.0, 0.8), 0.012), 0.0, 0.6);

    // "Uhh": the victim's grunt, falling in pitch.
    Buffer grunt = Voice(noise, Contour(0.42, [](double t) { return 140.0 - 55.0 * t; }),
                         {550.0, 950.0, 2400.0}, 0.4);
    Tremolo(grunt, 23.0, 0.35);
    AttackRelease(grunt, 0.03, 0.25);
    MixAt(out, grunt, 0.09, 0.7);
    return out;
}

Buffer MakeDeath()
{
    // Four mournful notes, a semitone apart, the last one sagging with a slow vibrato;
    // the filter opens with each note so they say "wah".
    const double notes[] = {392.0, 369.99, 349.23, 329.63};
    const double starts[] = {0.0, 0.28, 0.56, 0.84};
    const double length = 1.45;
    std::vector<double> pitch(Samples(length));
    std::vector<double> level(pitch.size());
    for (std::size_t i = 0; i < pitch.size(); ++i) {
        const double t = double(i) / kSampleRate;
        int n = 0;
        while (n < 3 && t >= starts[n + 1])
            ++n;
        const double local = t - starts[n];
        double f = notes[n] / 2.0;
        if (n == 3)
            f *= std::pow(0.9, local / 0.6) * (1.0 + 0.02 * std::sin(2.0 * kPi * 5.0 * local));
        pitch[i] = f;
        const double rise = std::min(1.0, local / 0.04);
        const double fall = n < 3 ? std::exp(-local / 0.25) : std::exp(-local / 0.5);
        level[i] = rise * fall;
    }
    Buffer tone = Follow(Wave::Saw, pitch);
    Filter wah(K::Low, 1.5);
    // The level glides rather than jumps between notes, which would click.
    const double glide = 1.0 - std::exp(-1.0 / (0.004 * kSampleRate));
    double smooth = 0.0;
    for (std::size_t i = 0; i < tone.size(); ++i) {
        smooth += (level[i] - smooth) * glide;
        tone[i] = static_cast<float>(wah.Step(tone[i], 300.0 + 1500.0 * smooth) * smooth);
    }
    return tone;
}

Buffer MakeDog()
{
    Noise noise(0xD06);
    Buffer out = Silence(0.62);
    // Two barks: a sharp rise in pitch, then a growling fall, loud and nasal.
    for (int i = 0; i < 2; ++i) {
        const double scale = i == 0 ? 1.0 : 0.93;
        std::vector<double> pitch = Contour(0.17, [](double t) {
            return t < 0.2 ? 420.0 + 1000.0 * t : 620.0 - 330.0 * (t - 0.2);
        });
        for (double& f : pitch)
            f *= scale;
        Buffer bark = Voice(noise, pitch, {900.0, 1700.0, 2900.0}, 0.6);
        AttackRelease(bark, 0.008, 0.03);
        ExpDecay(bark, 0.07);
        MixAt(out, bark, 0.26 * i, 1.0 - 0.1 * i);
        Buffer chest = Decayed(Glide(Wave::Sine, 220.0 * scale, 150.0 * scale, 0.12), 0.04);
        AttackRelease(chest, 0.008, 0.0);
        MixAt(out, chest, 0.26 * i, 0.35);
    }
    return out;
}

Buffer MakeHit()
{
    Noise noise(0x5A1);
    Buffer out = Silence(0.35);
    // A flat hand on a cheek: a bright crack, the smack of skin, a little body underneath.
    MixAt(out, Decayed(Filtered(noise.WhiteBuffer(0.06), K::High, 1800.0, 0.7), 0.008), 0.0, 1.0);
    MixAt(out, Decayed(Filtered(noise.WhiteBuffer(0.12), K::Band, 900.0, 2.0), 0.025), 0.0, 0.7);
    MixAt(out, Decayed(Glide(Wave::Sine, 230.0, 110.0, 0.1), 0.02), 0.0, 0.4);
    return out;
}

Buffer MakeFlee()
{
    Noise noise(0xF1EE);
    Buffer out = Silence(1.05);
    // Eight quick steps, left and right a little different, fading as the runner gets away.
    for (int i = 0; i < 8; ++i) {
        const double t = 0.02 + 0.115 * i + noise.Between(-0.008, 0.008);
        const double foot = i % 2 == 0 ? 1.0 : 0.9;
        const double gain = 1.0 - 0.07 * i;
        MixAt(out, Decayed(Glide(Wave::Sine, 120.0 * foot, 60.0 * foot, 0.08), 0.015), t, gain);
        MixAt(out, Decayed(Filtered(noise.WhiteBuffer(0.06), K::Band, 2400.0 * foot, 1.2), 0.018),
              t + 0.004, 0.45 * gain);
    }
    return out;
}

Buffer MakeZap()
{
    Noise noise(0xE1EC);
    Buffer out = Silence(0.85);
    MixAt(out, Decayed(Filtered(noise.WhiteBuffer(0.06), K::High, 3000.0, 0.7), 0.01), 0.0, 0.8);

    // The baton's buzz: a harsh hum that flickers, with sparks crackling through it.
    const double length = 0.7;
    Buffer hum = Tone(Wave::Square, 120.0, length);
    MixAt(hum, Tone(Wave::Saw, 240.0, length), 0.0, 0.6);
    hum = Filtered(Filtered(hum, K::High, 300.0), K::Low, 4000.0);
    ScaleToPeak(hum);
    double flicker = 1.0;
    for (std::size_t i = 0; i < hum.size(); ++i) {
        if (i % Samples(0.012) == 0)
            flicker = noise.Between(0.35, 1.0);
        hum[i] = static_cast<float>(hum[i] * flicker);
    }
    Buffer sparks = Silence(length);
    for (float& s : sparks)
        if (noise.Uniform() < 0.01)
            s = static_cast<float>(noise.White());
    sparks = Filtered(sparks, K::High, 4000.0);
    ScaleToPeak(sparks);
    MixAt(hum, sparks, 0.0, 0.5);
    AttackRelease(hum, 0.01, 0.08);
    MixAt(out, hum, 0.02, 0.7);

    Buffer drop = Glide(Wave::Saw, 1200.0, 200.0, 0.12);
    AttackRelease(drop, 0.005, 0.06);
    MixAt(out, Filtered(drop, K::Low, 2500.0), 0.7, 0.4);
    return out;
}

}  // namespace wavegen
