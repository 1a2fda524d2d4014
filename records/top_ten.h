#pragma once
// The top-ten table and its file score.txt: 40 GBK lines, four per row (name,
// money, health, reputation word), each ending in CR LF.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

constexpr std::size_t kTopTenFieldBytes = 19;   // GBK bytes of a name or word

struct TopTenEntry {
    std::string name;         // UTF-8; at most 19 bytes as GBK
    std::int32_t money = 0;
    std::int32_t health = 0;
    std::string reputation;   // UTF-8; at most 19 bytes as GBK
};

using TopTenTable = std::array<TopTenEntry, 10>;

// The process-wide table.
TopTenTable& TheTopTen();

const TopTenTable& DefaultTopTen();

std::string ReputationWord(std::int32_t fame);

// Zero-based place a wealth would take, or 100 when it does not enter.
int FindRank(const TopTenTable& table, std::int32_t wealth);

// Inserts a result; returns the row it took (0 when it did not enter).
int InsertScore(TopTenTable& table, const std::string& name, std::int32_t money,
                std::int32_t health, std::int32_t fame);

// A name cut to 19 GBK bytes on a character boundary, line breaks and other
// control characters removed.
std::string CutTopTenName(const std::string& utf8);

// The file's bytes for a table, and a table read from such bytes.
std::string FormatScoreFile(const TopTenTable& table);
TopTenTable ParseScoreFile(const std::string& bytes);
// True when the bytes are exactly what FormatScoreFile writes for the table they
// read as: nothing in them is lost by reading and writing them back.
bool IsWellFormedScoreFile(const std::string& bytes);

// Two games may share the folder: reading and saving take a lock on the lock
// file beside score.txt, waited for a few seconds at most; whileWaiting runs
// again and again meanwhile (a window keeps painting). A score.txt link is
// followed only when it is the player's, and only in the player's folders.
std::string ScoreFilePath(const std::string& dir);
constexpr const char* kScoreLockName = "score.txt.lock";
// Reads score.txt in dir; the default rows when it cannot be read or is not a
// regular file.
TopTenTable LoadTopTen(const std::string& dir, const std::function<void()>& whileWaiting = {});

enum class ScoreSave {
    Saved,
    NotWritten,        // score.txt cannot be written
    KeptUnreadable,    // an off-format score.txt, left as it was: no copy of it could be kept
};
// Reads score.txt afresh (the default rows when it cannot be read), lets change
// alter the table, writes it back and leaves the result in table, all under the
// lock, so that a game saving at the same time loses nothing; without the lock
// the file is replaced, never written in place. A file that did not read as a
// well-formed table is first kept as score.txt.bak or, where that cannot be
// written, as score.txt.bak-XXXXXX; where neither can, score.txt is not
// replaced. table is changed only when the result is Saved.
ScoreSave UpdateTopTen(const std::string& dir, TopTenTable& table,
                       const std::function<void(TopTenTable&)>& change,
                       const std::function<void()>& whileWaiting = {});
// Writes the table to score.txt in dir, as UpdateTopTen; false when it fails.
bool SaveTopTen(const std::string& dir, const TopTenTable& table);
