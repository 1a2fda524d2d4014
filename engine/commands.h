#pragma once
// The engine's commands: a line's words, split at " -- " into the command and
// its answers, and the game handlers the command runs. The engine, the replay
// verifier and the window's playback of a replay share them.

#include <deque>
#include <string>
#include <vector>

class Game;

struct CommandLineWords {
    std::vector<std::string> command;
    std::deque<std::string> answers;
};

// The blank-separated words of a line; none for a blank line.
std::vector<std::string> Words(const std::string& line);

CommandLineWords SplitAnswers(const std::vector<std::string>& words);

// Runs one command of the game (not the window's own "ok" and "cancel");
// false when it was not understood, and then nothing has run.
bool DispatchCommand(Game& game, const std::vector<std::string>& command);
