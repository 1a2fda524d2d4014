#include "game/replay_format.h"

#include <charconv>
#include <cstdio>
#include <sstream>

#include "game/game.h"
#include "game/random_source.h"
#include "places/fame_penalties.h"
#include "torvane_config.h"

namespace {

constexpr const char* kFormatTag = "# torvane replay ";
constexpr const char* kProgramTag = "# program ";
constexpr const char* kCheckTag = "#= ";
constexpr const char* kResultTag = "# result ";

std::string Hex(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::vector<std::string> Split(const std::string& line)
{
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

template <class Number>
bool ReadNumber(const std::string& word, Number& value, int base = 10)
{
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value, base);
    return !word.empty() && error == std::errc() && stop == end;
}

bool ReadFlag(const std::string& word, int& value) { return (word == "0" || word == "1") && ReadNumber(word, value); }

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool IsBlank(const std::string& line) { return line.find_first_not_of(" \t\v\f") == std::string::npos; }

bool IsComment(const std::string& line)
{
    const std::size_t first = line.find_first_not_of(" \t\v\f");
    return first != std::string::npos && line[first] == '#';
}

// Words that must read "key value key value ..." after the given leading words.
bool Pairs(const std::vector<std::string>& words, std::size_t from, const std::vector<const char*>& keys)
{
    if (words.size() != from + 2 * keys.size())
        return false;
    for (std::size_t k = 0; k < keys.size(); ++k)
        if (words[from + 2 * k] != keys[k])
            return false;
    return true;
}

std::optional<ReplayResult> ReadResult(const std::string& line)
{
    const std::vector<std::string> words = Split(line);
    if (!Pairs(words, 2, {"wealth", "fame", "days", "rank", "name", "check"}))
        return std::nullopt;
    ReplayResult result;
    std::optional<std::string> name = UnescapeName(words[11]);
    if (!ReadNumber(words[3], result.wealth) || !ReadNumber(words[5], result.fame) ||
        !ReadNumber(words[7], result.days) || !ReadNumber(words[9], result.rank) || result.rank < 0 ||
        result.rank > 10 || !name || words[13].size() != 16 || !ReadNumber(words[13], result.shown, 16))
        return std::nullopt;
    result.name = *name;
    return result;
}

ReplayParse Malformed(int line, std::string why)
{
    ReplayParse parse;
    parse.errorLine = line;
    parse.error = std::move(why);
    return parse;
}

}  // namespace

void ShownDigest::Byte(unsigned char byte)
{
    value_ ^= byte;
    value_ *= 1099511628211ull;
}

void ShownDigest::Add(std::string_view text)
{
    for (char c : text)
        Byte(static_cast<unsigned char>(c));
    Byte(0x1F);   // keeps "ab"+"c" apart from "a"+"bc"
}

void ShownDigest::Add(std::int64_t number) { Add(std::to_string(number)); }

std::string ProgramName() { return std::string("torvane ") + kTorvaneVersion; }

ReplayHeader HeaderOfGame(const Game& game, std::uint32_t random)
{
    ReplayHeader header;
    header.program = ProgramName();
    header.random = random;
    header.bookMessage = fameMessageFlags.bookMessageShown ? 1 : 0;
    header.liquorMessage = fameMessageFlags.liquorMessageShown ? 1 : 0;
    header.soundOff = game.state().soundOff;
    header.hackers = game.state().hackerEnabled;
    header.map = game.state().mapMode;
    header.language = CurrentLanguage();
    return header;
}

std::vector<std::string> HeaderLines(const ReplayHeader& header)
{
    return {
        kFormatTag + std::to_string(kReplayFormatVersion),
        kProgramTag + header.program,
        "# random " + std::to_string(header.random),
        "# fame-messages book " + std::to_string(header.bookMessage) + " liquor " +
            std::to_string(header.liquorMessage),
        "# settings sound-off " + std::to_string(header.soundOff) + " hackers " + std::to_string(header.hackers) +
            " map " + std::to_string(header.map) +
            // A Chinese game's line stays as it was before there was a choice.
            (header.language == Language::English ? " language en" : ""),
    };
}

std::string CheckLine(const Game& game, const ShownDigest& shown)
{
    const GameState& s = game.state();
    ShownDigest all = shown;
    for (std::int64_t field : {s.mapMode, s.cafeVisits, s.hackerEnabled, s.soundOff, s.location, s.fame, s.health,
                               s.lastSold, s.lastBought, s.roomCapacity, s.goodsHeld, s.daysLeft, s.cash, s.debt,
                               s.savings})
        all.Add(field);
    for (std::int32_t price : s.marketPrices)
        all.Add(price);
    for (const MarketRow& row : game.market().rows) {
        all.Add(row.name);
        all.Add(row.price);
    }
    all.Add("room");
    for (const RoomRow& row : game.room().rows) {
        all.Add(row.name);
        all.Add(row.averagePrice);
        all.Add(row.quantity);
    }
    all.Add(game.title());
    all.Add(std::int64_t{fameMessageFlags.bookMessageShown});
    all.Add(std::int64_t{fameMessageFlags.liquorMessageShown});
    return kCheckTag + std::string("day ") + std::to_string(kDaysPerGame - s.daysLeft) + " place " +
           std::to_string(s.location) + " cash " + std::to_string(s.cash) + " debt " + std::to_string(s.debt) +
           " savings " + std::to_string(s.savings) + " health " + std::to_string(s.health) + " fame " +
           std::to_string(s.fame) + " room " + std::to_string(s.goodsHeld) + "/" + std::to_string(s.roomCapacity) +
           " check " + Hex(all.value());
}

std::string ResultLine(const ReplayResult& result)
{
    return kResultTag + std::string("wealth ") + std::to_string(result.wealth) + " fame " +
           std::to_string(result.fame) + " days " + std::to_string(result.days) + " rank " +
           std::to_string(result.rank) + " name " + EscapeName(result.name) + " check " + Hex(result.shown);
}

std::string EscapeName(const std::string& name)
{
    if (name.empty())
        return "-";
    return name == "-" ? "%2D" : EscapeWord(name);
}

std::optional<std::string> UnescapeName(const std::string& word)
{
    if (word == "-")
        return std::string();
    return UnescapeWord(word);
}

std::string EscapeWord(const std::string& text)
{
    std::string word;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '%' || byte <= 0x20 || byte == 0x7F) {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", byte);
            word += code;
        } else {
            word += c;
        }
    }
    return word;
}

std::optional<std::string> UnescapeWord(const std::string& word)
{
    std::string name;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] != '%') {
            name += word[i];
            continue;
        }
        unsigned value = 0;
        if (i + 2 >= word.size() || !ReadNumber(word.substr(i + 1, 2), value, 16))
            return std::nullopt;
        name += static_cast<char>(value);
        i += 2;
    }
    return name;
}

ReplayParse ParseReplay(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    auto at = [&lines](int number) -> const std::string& { return lines[static_cast<std::size_t>(number - 1)]; };
    const int count = static_cast<int>(lines.size());

    if (count < 1 || !StartsWith(at(1), kFormatTag))
        return Malformed(1, "not a Torvane replay (its first line is not \"" + std::string(kFormatTag) + "N\")");
    int format = 0;
    if (!ReadNumber(at(1).substr(std::string(kFormatTag).size()), format) || format != kReplayFormatVersion)
        return Malformed(1, "replay format \"" + at(1).substr(std::string(kFormatTag).size()) +
                                "\" is not known; this program reads format " +
                                std::to_string(kReplayFormatVersion));
    if (count < 6)
        return Malformed(count + 1, "the header ends early: it takes five lines and the start check");
    ParsedReplay replay;
    if (!StartsWith(at(2), kProgramTag) || at(2).size() == std::string(kProgramTag).size())
        return Malformed(2, "expected \"# program NAME VERSION\"");
    replay.header.program = at(2).substr(std::string(kProgramTag).size());
    std::vector<std::string> words = Split(at(3));
    std::optional<std::uint32_t> random = words.size() == 3 ? ParseSeed(words[2]) : std::nullopt;
    if (!Pairs(words, 1, {"random"}) || words[0] != "#" || !random)
        return Malformed(3, "expected \"# random N\" with N from 0 to 4294967295");
    replay.header.random = *random;
    words = Split(at(4));
    if (words.empty() || words[0] != "#" || words.size() < 2 || words[1] != "fame-messages" ||
        !Pairs(words, 2, {"book", "liquor"}) || !ReadFlag(words[3], replay.header.bookMessage) ||
        !ReadFlag(words[5], replay.header.liquorMessage))
        return Malformed(4, "expected \"# fame-messages book 0|1 liquor 0|1\"");
    words = Split(at(5));
    std::optional<Language> language = Language::Chinese;
    if (words.size() == 10 && words[8] == "language") {
        language = ParseLanguage(words[9]);
        words.resize(8);
    }
    if (words.size() < 2 || words[0] != "#" || words[1] != "settings" ||
        !Pairs(words, 2, {"sound-off", "hackers", "map"}) || !ReadFlag(words[3], replay.header.soundOff) ||
        !ReadFlag(words[5], replay.header.hackers) || !ReadNumber(words[7], replay.header.map) ||
        (replay.header.map != 1 && replay.header.map != 2) || !language)
        return Malformed(5, "expected \"# settings sound-off 0|1 hackers 0|1 map 1|2\", then \"language en\" "
                            "for a game played in English");
    replay.header.language = *language;
    if (!StartsWith(at(6), kCheckTag))
        return Malformed(6, "expected the check line of the game's start (\"#= ...\")");
    replay.startCheck = at(6);

    for (int n = 7; n <= count; ++n) {
        const std::string& line = at(n);
        if (StartsWith(line, kCheckTag))
            return Malformed(n, "a check line that follows no command");
        if (StartsWith(line, kResultTag))
            return Malformed(n, "a result line that follows no command");
        if (IsBlank(line) || IsComment(line))
            continue;
        ReplayStep step{n, line, 0, {}};
        if (n == count)
            return Malformed(n + 1, "the file ends after a command without its check or result line");
        const std::string& next = at(n + 1);
        if (StartsWith(next, kCheckTag)) {
            step.checkLine = n + 1;
            step.check = next;
            replay.steps.push_back(step);
            ++n;
            continue;
        }
        if (!StartsWith(next, kResultTag))
            return Malformed(n + 1, "a command must be followed by its check line (\"#= ...\") or the result line");
        std::optional<ReplayResult> result = ReadResult(next);
        if (!result)
            return Malformed(n + 1, "expected \"# result wealth W fame F days D rank R name NAME check HEX\"");
        replay.steps.push_back(step);
        replay.resultLine = n + 1;
        replay.resultText = next;
        replay.result = *result;
        for (int rest = n + 2; rest <= count; ++rest)
            if (!IsBlank(at(rest)))
                return Malformed(rest, "nothing may follow the result line");
        ReplayParse parse;
        parse.replay = std::move(replay);
        return parse;
    }
    return Malformed(count + 1, "the file ends without the result line");
}

std::pair<std::string, std::string> FirstDifference(const std::string& expected, const std::string& actual)
{
    const std::vector<std::string> a = Split(expected);
    const std::vector<std::string> b = Split(actual);
    // Words come in pairs after the tag: "#=" or "# result".
    const std::size_t from = !a.empty() && a[0] == "#" ? 2 : 1;
    for (std::size_t i = from; i < a.size() || i < b.size(); i += 2) {
        auto pair = [i](const std::vector<std::string>& words) {
            std::string text = i < words.size() ? words[i] : std::string();
            if (i + 1 < words.size())
                text += " " + words[i + 1];
            return text;
        };
        if (pair(a) != pair(b))
            return {pair(a), pair(b)};
    }
    return {expected, actual};
}
