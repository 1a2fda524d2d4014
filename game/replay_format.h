#pragma once
// The replay file of one game: header lines that fix what the game starts from,
// one engine command line for each action of the player (with its answers
// after " -- "), each followed by a check line of what the game then showed,
// and a result line after the action that brought the final evaluation.
// Every line but the commands starts with '#', so the engine takes the file as
// its own input. docs/replay-format.md describes it for players and tools.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "records/catalogue.h"

class Game;

constexpr int kReplayFormatVersion = 1;

// A 64-bit FNV-1a sum of what the player was shown, written in hexadecimal.
class ShownDigest {
public:
    void Add(std::string_view text);
    void Add(std::int64_t number);
    std::uint64_t value() const { return value_; }

private:
    void Byte(unsigned char byte);
    std::uint64_t value_ = 14695981039346656037ull;
};

// What a game starts from, besides its program.
struct ReplayHeader {
    std::string program;           // "torvane 0.1.0"
    std::uint32_t random = 0;      // the generator's state before the game's first draw
    int bookMessage = 0;           // the once-per-run fame messages already shown
    int liquorMessage = 0;
    int soundOff = 0;              // the settings in force as the game starts
    int hackers = 0;
    int map = 1;
    Language language = Language::Chinese;   // the interface language the game was played in
};

struct ReplayResult {
    std::int32_t wealth = 0;
    std::int32_t fame = 0;
    std::int32_t days = 0;         // days played
    int rank = 0;                  // 1 to 10; 0 when the score did not enter the table
    std::string name;              // typed into the congratulations dialog
    std::uint64_t shown = 0;       // digest of what the last action showed
};

// The program as the header names it.
std::string ProgramName();

// The header as it stands for a game that starts now, and its five lines.
ReplayHeader HeaderOfGame(const Game& game, std::uint32_t random);
std::vector<std::string> HeaderLines(const ReplayHeader& header);

// The check line after an action (or at the start of a game): the main
// figures, then one digest of what the action showed and of the whole record
// of the game, both lists and the fame-message flags included.
std::string CheckLine(const Game& game, const ShownDigest& shown);
std::string ResultLine(const ReplayResult& result);

// Text as one word of a line: '%', blanks and control characters as %XX.
std::string EscapeWord(const std::string& text);
std::optional<std::string> UnescapeWord(const std::string& word);
// The same for the result line's name, the empty name written "-" (and a name
// of one "-" as %2D).
std::string EscapeName(const std::string& name);
std::optional<std::string> UnescapeName(const std::string& word);

// A command of the file with the line it is on.
struct ReplayStep {
    int line = 0;
    std::string command;    // the whole line, answers included
    int checkLine = 0;      // 0 for the last command, which the result follows
    std::string check;
};

struct ParsedReplay {
    int formatLine = 1;
    int programLine = 2;
    ReplayHeader header;
    int startLine = 6;
    std::string startCheck;
    std::vector<ReplayStep> steps;   // the last one brought the final evaluation
    int resultLine = 0;
    std::string resultText;
    ReplayResult result;
};

struct ReplayParse {
    std::optional<ParsedReplay> replay;
    int errorLine = 0;
    std::string error;     // why the file is not a replay
};

ReplayParse ParseReplay(const std::string& text);

// The first word pair ("cash 1565") in which two check or result lines differ,
// for telling a player where a game went another way.
std::pair<std::string, std::string> FirstDifference(const std::string& expected, const std::string& actual);
