#include "records/top_ten.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "game/money.h"
#include "records/catalogue.h"
#include "records/folder_handle.h"
#include "records/folder_lock.h"
#include "records/gbk.h"
#include "records/regular_file.h"
#include "records/safe_write.h"

TopTenTable& TheTopTen()
{
    static TopTenTable table = DefaultTopTen();
    return table;
}

const TopTenTable& DefaultTopTen()
{
    static const TopTenTable rows = {{
        {"zav", 12500720, 98, N_("争议人物")},
        {"vu", 830050, 100, N_("杰出青年")},
        {"zu", 500447, 78, N_("德高望重")},
        {"Kestrel Vane", 239403, 97, N_("很差")},
        {"ko mirin", 34900, 35, N_("江湖唾弃")},
        {"ko mirin", 13400, 100, N_("江湖唾弃")},
        {"ko ", 2300, 77, N_("不佳")},
        {"ko ", 45, 12, N_("杰出青年")},
        {"ko", 34, 100, N_("一般般")},
        {"ko", 3, 100, N_("杰出青年")},
    }};
    return rows;
}

std::string ReputationWord(std::int32_t fame)
{
    if (fame >= 100) return N_("德高望重");
    if (fame >= 90) return N_("杰出青年");
    if (fame >= 80) return N_("一般般");
    if (fame >= 60) return N_("不佳");
    if (fame >= 40) return N_("争议人物");
    if (fame >= 20) return N_("差");
    return N_("江湖唾弃");
}

int FindRank(const TopTenTable& table, std::int32_t wealth)
{
    for (int i = 0; i < 10; ++i)
        if (wealth >= table[static_cast<std::size_t>(i)].money)
            return i;
    return 100;
}

int InsertScore(TopTenTable& table, const std::string& name, std::int32_t money, std::int32_t health,
                std::int32_t fame)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].money > money)
            continue;
        for (std::size_t k = table.size() - 1; k > i; --k)
            table[k] = table[k - 1];
        table[i] = {CutTopTenName(name), money, health, ReputationWord(fame)};
        return static_cast<int>(i);
    }
    return 0;
}

namespace {

// A field's GBK bytes cut at the first CR or zero byte and to 19 bytes on a
// character boundary.
std::string FieldBytes(std::string gbk)
{
    gbk = gbk.substr(0, gbk.find_first_of(std::string("\r\0", 2)));
    return gbk.substr(0, GbkPrefixLength(gbk, kTopTenFieldBytes));
}

// Decimal with optional leading blanks and sign, stopping at the first other
// byte; 0 without digits; out-of-range values stop at the limits.
std::int32_t ParseNumber(const std::string& line)
{
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || (line[i] >= '\t' && line[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-'))
        negative = line[i++] == '-';
    std::int64_t value = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
        if (value <= 0x7FFFFFFFLL + 1)
            value = value * 10 + (line[i] - '0');
    return Saturate(negative ? -value : value);
}

std::string TextOfField(const std::string& gbk)
{
    return GbkToUtf8(FieldBytes(gbk));
}

// Forty lines of a well-formed table are far shorter than this; the rest of a
// larger file is never looked at.
constexpr std::size_t kMostScoreBytes = 64 * 1024;

constexpr const char* kScoreName = "score.txt";

// An off-format table is kept before it is replaced: rows that were not read
// as written would be lost with the file.
bool KeepOldTable(const FolderHandle& folder, const std::string& name, const std::string& bytes)
{
    const std::string backup = name + ".bak";
    return WriteOwnFile(folder.path(), backup, bytes) || WriteUniqueFile(folder, backup + "-", bytes);
}

}  // namespace

std::string CutTopTenName(const std::string& utf8)
{
    std::string clean;
    for (char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            clean.push_back(c);
    std::string gbk = Utf8ToGbk(clean);
    return GbkToUtf8(gbk.substr(0, GbkPrefixLength(gbk, kTopTenFieldBytes)));
}

std::string FormatScoreFile(const TopTenTable& table)
{
    std::string out;
    for (const TopTenEntry& row : table) {
        out += FieldBytes(Utf8ToGbk(row.name)) + "\r\n";
        out += std::to_string(row.money) + "\r\n";
        out += std::to_string(row.health) + "\r\n";
        out += FieldBytes(Utf8ToGbk(row.reputation)) + "\r\n";
    }
    return out;
}

TopTenTable ParseScoreFile(const std::string& bytes)
{
    // Lines end at CR LF, LF or a lone CR alike; a missing line reads as empty,
    // so a short file gives empty names and zeros for the rows it lacks.
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (lines.size() < 40 && start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        lines.push_back(bytes.substr(start, std::min<std::size_t>(end - start, 64)));
        start = end + 1;
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++start;
    }
    lines.resize(40);
    TopTenTable table;
    for (std::size_t k = 0; k < table.size(); ++k) {
        table[k].name = TextOfField(lines[4 * k]);
        table[k].money = ParseNumber(lines[4 * k + 1]);
        table[k].health = ParseNumber(lines[4 * k + 2]);
        table[k].reputation = TextOfField(lines[4 * k + 3]);
    }
    return table;
}

bool IsWellFormedScoreFile(const std::string& bytes)
{
    return FormatScoreFile(ParseScoreFile(bytes)) == bytes;
}

std::string ScoreFilePath(const std::string& dir) { return dir + "/score.txt"; }

TopTenTable LoadTopTen(const std::string& dir, const std::function<void()>& whileWaiting)
{
    const std::optional<FileSpot> spot = FollowPlayersLinks(dir, kScoreName);
    if (!spot)
        return DefaultTopTen();
    const FolderHandle folder(spot->folder);
    const FolderLock lock(folder, kScoreLockName, LockKind::Shared, whileWaiting);
    std::optional<std::string> bytes = ReadRegularFileAt(folder.fd(), spot->name, kMostScoreBytes);
    return bytes ? ParseScoreFile(*bytes) : DefaultTopTen();
}

ScoreSave UpdateTopTen(const std::string& dir, TopTenTable& table,
                       const std::function<void(TopTenTable&)>& change,
                       const std::function<void()>& whileWaiting)
{
    const std::optional<FileSpot> spot = FollowPlayersLinks(dir, kScoreName);
    if (!spot)
        return ScoreSave::NotWritten;
    const FolderHandle folder(spot->folder);
    if (!folder.IsPlayers())
        return ScoreSave::NotWritten;
    const FolderLock lock(folder, kScoreLockName, LockKind::Exclusive, whileWaiting);
    const std::optional<std::string> old = ReadRegularFileAt(folder.fd(), spot->name, kMostScoreBytes);
    TopTenTable fresh = old ? ParseScoreFile(*old) : DefaultTopTen();
    change(fresh);
    const std::string bytes = FormatScoreFile(fresh);
    if (old && *old != bytes && !IsWellFormedScoreFile(*old) && !KeepOldTable(folder, spot->name, *old))
        return ScoreSave::KeptUnreadable;
    // Unlocked, another game may be writing too: only a whole new file is safe.
    const InPlace inPlace = lock.held() ? InPlace::KeepTheFile : InPlace::OnlyWhenNoOtherWay;
    if (!WriteFileReplacing(folder, spot->name, bytes, inPlace))
        return ScoreSave::NotWritten;
    table = fresh;
    return ScoreSave::Saved;
}

bool SaveTopTen(const std::string& dir, const TopTenTable& table)
{
    TopTenTable written = table;
    return UpdateTopTen(dir, written, [&table](TopTenTable& fresh) { fresh = table; }) == ScoreSave::Saved;
}
