#pragma once
// The game's one source of randomness: the classic linear congruential runtime
// generator (state * 214013 + 2531011, bits 16 to 30), seeded on first use.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

// Draw from 0 to n - 1; the first call of the process seeds the generator.
std::int32_t RandomBelow(std::int32_t n);

// A plain draw from 0 to 32767, without the seeding step.
std::int32_t RandomDraw();

// Seeds the generator now, as its first use would, with this value.
void SeedRandom(std::uint32_t seed);

// The generator's state, from which its next draws follow; a generator not yet
// seeded is seeded first, as its first use would.
std::uint32_t RandomStateNow();

// Makes the first use seed with this value instead of the clock.
void SetFirstSeed(std::uint32_t seed);

// A seed written as decimal digits, 0 to 4294967295; nothing for any other text.
std::optional<std::uint32_t> ParseSeed(const std::string& text);

// Lets a test decide the next draws of RandomBelow: each queued value is
// returned modulo n in place of a draw of the generator.
void QueueDraws(std::initializer_list<std::int32_t> draws);
void ClearQueuedDraws();
