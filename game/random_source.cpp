#include "game/random_source.h"

#include <ctime>
#include <optional>

namespace {

std::uint32_t state = 1;
bool seeded = false;
std::optional<std::uint32_t> firstSeed;

}  // namespace

std::int32_t RandomDraw()
{
    state = state * 214013u + 2531011u;
    return static_cast<std::int32_t>((state >> 16) & 0x7FFFu);
}

void SeedRandom(std::uint32_t seed)
{
    state = seed;
    seeded = true;
}

void SetFirstSeed(std::uint32_t seed)
{
    firstSeed = seed;
}

std::int32_t RandomBelow(std::int32_t n)
{
    if (!seeded)
        SeedRandom(firstSeed ? *firstSeed : static_cast<std::uint32_t>(std::time(nullptr)));
    return RandomDraw() % n;
}
