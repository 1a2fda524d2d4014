#pragma once
// The engine's command loop: one command a line in, JSON events out.

#include <istream>
#include <ostream>
#include <string>

#include "game/replay_recorder.h"
#include "records/game_folders.h"

// Plays commands from in until its end or until the main window closes; returns
// the process exit status. Every game that reaches its final evaluation goes to
// replays, when given.
int RunEngine(std::istream& in, std::ostream& out, const GameFolders& folders, ReplaySink replays = {});
int RunEngine(std::istream& in, std::ostream& out, const std::string& dir);
