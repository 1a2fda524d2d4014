#pragma once
// The record of one game.

#include <array>
#include <cstdint>
#include <string>

constexpr int kGoodsCount = 8;
constexpr int kDaysPerGame = 40;

struct GameState {
    std::int32_t mapMode = 1;        // 1 subway stations, 2 street places
    std::int32_t cafeVisits = 0;
    std::int32_t hackerEnabled = 0;
    std::int32_t soundOff = 0;
    std::string helpPath;
    std::int32_t location = -1;      // 1 to 10; -1 before the first move
    std::int32_t fame = 100;
    std::int32_t health = 100;
    std::int32_t lastSold = 0;
    std::int32_t lastBought = 0;
    std::int32_t roomCapacity = 100;
    std::int32_t goodsHeld = 0;
    std::array<std::int32_t, kGoodsCount> marketPrices{};   // 0 = not offered today
    std::int32_t daysLeft = kDaysPerGame;
    std::int32_t cash = 2000;
    std::int32_t debt = 5000;
    std::int32_t savings = 0;
};
