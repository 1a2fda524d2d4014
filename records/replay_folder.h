#pragma once
// Where finished games are kept: a replays folder beside score.txt, one file a
// game, named by the date, the time and the wealth.

#include <cstdint>
#include <ctime>
#include <string>

#include "game/replay_recorder.h"

std::string ReplayFolder(const std::string& scoreFolder);

// "2026-12-08_08-15-02_12345.txt" for a game ended then (local time) with 12345 yuan.
std::string ReplayFileName(std::time_t when, std::int32_t wealth);

// Writes the text as a new file of the replays folder, which is made as the
// score folder is (open to the player only). A link is never followed and no
// file is ever replaced: a name taken gets a number added. Returns the path
// written, or an empty text when nothing could be written.
std::string SaveReplay(const std::string& scoreFolder, const std::string& text, std::int32_t wealth,
                       std::time_t when);

// A sink that saves every finished game so, quietly: a replay that cannot be
// written costs the game nothing.
ReplaySink SaveReplaysIn(const std::string& scoreFolder);
