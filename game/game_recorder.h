#pragma once
// What the game tells a recorder of its games: where a game begins, each
// action of the player (as the engine's command line for it) and the final
// evaluation. A recorder sees the player's answers through the Ui port.

#include <cstdint>
#include <string>

class Game;

class GameRecorder {
public:
    virtual ~GameRecorder() = default;

    // A game is about to draw its first market.
    virtual void GameBegins() = 0;
    // The outermost handler of an action begins or has returned. An empty
    // command is the window opening, which is no action of the player.
    virtual void ActionBegins(const std::string& command) = 0;
    virtual void ActionEnds(const Game& game) = 0;
    // The final evaluation has found the wealth and the zero-based place in the
    // top ten: 100 when it does not enter, -1 when the table is not consulted.
    virtual void Evaluated(const Game& game, std::int32_t wealth, int place) = 0;
};
