#pragma once
// Plays a replay file in a fresh game and compares, action by action, what the
// game did with what the file says.

#include <string>

#include "game/replay_format.h"
#include "records/top_ten.h"

struct VerifyOutcome {
    int status = 2;          // 0 verified, 1 the game went another way, 2 not a replay
    std::string message;     // "verified: wealth W fame F days D", the first difference, or the error
};

// The game's files go to scratchDir, which must be an empty folder of its own:
// the player's score.txt is never read or written.
VerifyOutcome VerifyReplay(const std::string& text, const std::string& scratchDir);

// Sets what a replay's game starts from that lives for the whole process: the
// random generator and the fame-message flags.
void ApplyReplayHeader(const ReplayHeader& header);

// A table in which a wealth of 1 or more takes the recorded rank (1 to 10), or
// enters nowhere (0), as the player's own table made it.
TopTenTable TableGivingRank(int rank);
