#include "game/random_source.h"

#include <charconv>
#include <ctime>
#include <deque>
#include <optional>

namespace {

std::uint32_t state = 1;
bool seeded = false;
std::optional<std::uint32_t> firstSeed;
std::deque<std::int32_t> queued;

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

namespace {

void SeedOnFirstUse()
{
    if (!seeded)
        SeedRandom(firstSeed ? *firstSeed : static_cast<std::uint32_t>(std::time(nullptr)));
}

}  // namespace

std::uint32_t RandomStateNow()
{
    SeedOnFirstUse();
    return state;
}

void SetFirstSeed(std::uint32_t seed)
{
    firstSeed = seed;
}

std::optional<std::uint32_t> ParseSeed(const std::string& text)
{
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

void QueueDraws(std::initializer_list<std::int32_t> draws)
{
    queued.insert(queued.end(), draws);
}

void ClearQueuedDraws()
{
    queued.clear();
}

std::int32_t RandomBelow(std::int32_t n)
{
    if (!queued.empty()) {
        std::int32_t draw = queued.front();
        queued.pop_front();
        return draw % n;
    }
    SeedOnFirstUse();
    return RandomDraw() % n;
}
