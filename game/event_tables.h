#pragma once
// The tables of the day's random events, tried in order.

#include <cstdint>

struct MarketNewsEvent {
    std::int32_t divisor;     // fires when RandomBelow(950) is a multiple of it
    const char* text;
    std::int32_t goods;
    std::int32_t multiplier;  // 0 = none
    std::int32_t priceDivisor;// 0 = none
    std::int32_t given;       // quantity given, 0 = none
};

struct StreetEvent {
    std::int32_t divisor;     // fires when RandomBelow(1000) is a multiple of it
    const char* text;
    std::int32_t healthLost;
    const char* sound;
};

struct MoneyEvent {
    std::int32_t divisor;     // fires when RandomBelow(1000) is a multiple of it
    const char* text;
    std::int32_t percent;
};

constexpr int kMarketNewsCount = 18;
constexpr int kStreetEventCount = 12;
constexpr int kMoneyEventCount = 7;
constexpr int kSpotCount = 29;

extern const MarketNewsEvent kMarketNews[kMarketNewsCount];
extern const StreetEvent kStreetEvents[kStreetEventCount];
extern const MoneyEvent kMoneyEvents[kMoneyEventCount];
// Where the fainted player is found.
extern const char* const kSpots[kSpotCount];

// The news row that also adds to the debt, and the money rows that take savings.
constexpr int kPhoneSaleNews = 17;
constexpr std::int32_t kPhoneSaleCost = 2500;
inline bool TakesSavings(int moneyRow) { return moneyRow == 4 || moneyRow == 5; }
