// Sounds of the places: the register, the coins, the doors and the airport.

#include "sound_recipes.h"

namespace wavegen {

namespace {

using K = Filter::Kind;

// A short filtered noise burst: clicks, knocks and scuffs.
Buffer Burst(Noise& noise, K kind, double cutoff, double q, double tau)
{
    return Decayed(Filtered(noise.WhiteBuffer(tau * 6.0), kind, cutoff, q), tau);
}

}  // namespace

Buffer MakeBuy()
{
    Noise noise(0xB0B1);
    Buffer out = Silence(1.3);
    // Two keys of the register, then the bell, then the drawer running out to its stop.
    MixAt(out, Burst(noise, K::High, 2500.0, 0.8, 0.004), 0.00, 0.35);
    MixAt(out, Burst(noise, K::High, 2200.0, 0.8, 0.004), 0.07, 0.35);

    Buffer bell = Struck(1760.0, {{1.0, 1.0, 0.45}, {2.76, 0.45, 0.18}, {5.40, 0.25, 0.08}},
                         1.15);
    ScaleToPeak(bell);
    MixAt(out, bell, 0.14, 0.8);

    Buffer roll = SweptFilter(noise.WhiteBuffer(0.3), K::Band, 350.0, 650.0, 3.0);
    ScaleToPeak(roll);
    Tremolo(roll, 38.0, 0.7);
    AttackRelease(roll, 0.04, 0.05);
    MixAt(out, roll, 0.16, 0.45);

    MixAt(out, Decayed(Glide(Wave::Sine, 150.0, 70.0, 0.2), 0.04), 0.46, 0.7);
    MixAt(out, Burst(noise, K::Low, 900.0, 0.8, 0.01), 0.46, 0.4);
    return out;
}

Buffer MakeMoney()
{
    Noise noise(0xC014);
    Buffer out = Silence(0.9);
    const double times[] = {0.0, 0.085, 0.15, 0.26, 0.33, 0.45, 0.57};
    double gain = 1.0;
    for (double t : times) {
        const double base = noise.Between(2600.0, 4200.0);
        const double ring = noise.Between(0.05, 0.09);
        Buffer coin = Struck(base, {{1.0, 1.0, ring}, {2.31, 0.6, ring * 0.6},
                                    {3.90, 0.35, ring * 0.4}, {5.20, 0.2, ring * 0.25}},
                             0.32);
        AttackRelease(coin, 0.0, 0.03);
        ScaleToPeak(coin);
        MixAt(out, coin, t, gain * noise.Between(0.7, 1.0));
        MixAt(out, Burst(noise, K::High, 5000.0, 0.7, 0.002), t, 0.3 * gain);
        gain *= 0.9;
    }
    return out;
}

Buffer MakeShutDoor()
{
    Noise noise(0xD005);
    Buffer out = Silence(0.75);
    // The air pushed by the swinging door, then the slab against the frame and the latch.
    Buffer swing = SweptFilter(noise.WhiteBuffer(0.16), K::Low, 200.0, 700.0, 0.7);
    ScaleToPeak(swing);
    AttackRelease(swing, 0.14, 0.02);
    MixAt(out, swing, 0.0, 0.25);

    MixAt(out, Decayed(Glide(Wave::Sine, 95.0, 45.0, 0.55), 0.09), 0.16, 1.0);
    MixAt(out, Burst(noise, K::Low, 600.0, 1.0, 0.02), 0.16, 0.6);

    Buffer latch = Struck(620.0, {{1.0, 1.0, 0.05}, {1.53, 0.6, 0.04}, {2.7, 0.3, 0.03}}, 0.2);
    AttackRelease(latch, 0.0, 0.02);
    ScaleToPeak(latch);
    MixAt(out, latch, 0.20, 0.25);
    return out;
}

Buffer MakeOpenDoor()
{
    Noise noise(0x0DE1);
    Buffer out = Silence(1.15);
    // The handle's click, then the hinge creaking: stick-slip pulses whose rate
    // wanders, ringing in the resonances of the door.
    MixAt(out, Burst(noise, K::Band, 3000.0, 2.0, 0.004), 0.0, 0.6);
    MixAt(out, Burst(noise, K::Band, 1800.0, 2.0, 0.006), 0.05, 0.5);

    const double length = 0.9;
    Buffer pulses = Silence(length);
    double phase = 0.0;
    for (std::size_t i = 0; i < pulses.size(); ++i) {
        const double t = double(i) / kSampleRate / length;
        const double rate = 28.0 + 45.0 * t * (1.0 - t) * 4.0 + 8.0 * noise.White();
        phase += rate / kSampleRate;
        if (phase >= 1.0) {
            phase -= 1.0;
            pulses[i] = static_cast<float>(noise.Between(0.6, 1.0));
        }
    }
    Buffer creak = Formants(pulses, {650.0, 1350.0, 2400.0}, 14.0);
    ScaleToPeak(creak);
    AttackRelease(creak, 0.1, 0.25);
    MixAt(out, creak, 0.15, 0.8);
    return out;
}

Buffer MakeAirport()
{
    Noise noise(0xA1E0);
    Buffer out = Silence(1.5);
    // A far-off jet swelling under a three-note announcement chime.
    Buffer jet = SweptFilter(noise.WhiteBuffer(1.5), K::Band, 350.0, 1400.0, 1.5);
    ScaleToPeak(jet);
    AttackRelease(jet, 0.9, 0.6);
    MixAt(out, jet, 0.0, 0.25);

    const double notes[] = {880.0, 698.46, 523.25};
    for (int i = 0; i < 3; ++i) {
        Buffer chime = Struck(notes[i], {{1.0, 1.0, 0.6}, {2.0, 0.2, 0.25}, {3.98, 0.12, 0.12}},
                              1.5 - 0.3 * i);
        ScaleToPeak(chime);
        AttackRelease(chime, 0.01, 0.0);
        MixAt(out, chime, 0.3 * i, 0.6);
    }
    AttackRelease(out, 0.0, 0.3);
    return out;
}

}  // namespace wavegen
