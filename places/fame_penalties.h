#pragma once
// Goods whose sale costs fame, with their once-per-run messages.

#include <cstdint>
#include <string>

struct FamePenalty {
    const char* goods;
    std::int32_t fameChange;
    const char* reason;   // follows "买卖" + goods + ","
};

// Returns the penalty for a goods name, or nothing.
const FamePenalty* FindFamePenalty(const std::string& goods);

// Whether each penalty's message has been shown in this run of the program.
// Process-wide: a new game does not reset them.
struct FameMessageFlags {
    bool bookMessageShown = false;
    bool liquorMessageShown = false;
};
extern FameMessageFlags fameMessageFlags;
