#pragma once
// Money is a signed 32-bit count of yuan. Results that leave that range stop at
// its limits instead of wrapping around.

#include <cstdint>
#include <limits>

inline std::int32_t Saturate(std::int64_t value)
{
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < lo ? lo : value > hi ? hi : value);
}

inline std::int32_t AddMoney(std::int32_t a, std::int64_t b) { return Saturate(std::int64_t{a} + b); }

inline std::int32_t MulMoney(std::int64_t a, std::int64_t b) { return Saturate(a * b); }

// amount + the truncated double product amount * rate.
inline std::int32_t AddInterest(std::int32_t amount, double rate)
{
    double gain = static_cast<double>(amount) * rate;
    return Saturate(std::int64_t{amount} + static_cast<std::int64_t>(gain));
}
