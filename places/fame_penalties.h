#pragma once
// Goods whose sale costs fame, with their once-per-run messages.

#include <cstdint>
#include <string>

struct FamePenalty {
    int goods;
    std::int32_t fameChange;
    const char* reason;   // the second half of "买卖%1,%2", after the goods
};

constexpr int kLiquorGoods = 3;
constexpr int kBookGoods = 4;

// Returns the penalty for a goods index, or nothing.
const FamePenalty* FindFamePenalty(int goods);

// Whether each penalty's message has been shown in this run of the program.
// Process-wide: a new game does not reset them.
struct FameMessageFlags {
    bool bookMessageShown = false;
    bool liquorMessageShown = false;
};
extern FameMessageFlags fameMessageFlags;
