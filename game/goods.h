#pragma once
// The eight goods of the black market and their daily price ranges.

#include <cstdint>
#include <string>

struct GoodsInfo {
    const char* name;     // Chinese; shown through Tr
    std::int32_t base;    // lowest price
    std::int32_t range;   // price = base + RandomBelow(range)
};

// Index 0 to 7 are the goods; index 8 is the empty ninth name.
extern const GoodsInfo kGoods[9];

// Index of the goods with this exact name in the interface language, or -1.
int GoodsIndex(const std::string& name);
