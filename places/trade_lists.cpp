#include "places/trade_lists.h"

#include <algorithm>

#include "records/catalogue.h"
#include "records/gbk.h"

std::vector<std::string> CellTexts(const MarketRow& row)
{
    return {row.name, std::to_string(row.price), ""};
}

std::vector<std::string> CellTexts(const RoomRow& row)
{
    return {row.name, std::to_string(row.averagePrice), std::to_string(row.quantity)};
}

namespace {

template <class Row>
void Sort(TradeList<Row>& list, int column)
{
    if (column == list.sortColumn) {
        list.sortAscending = !list.sortAscending;
    } else {
        list.sortColumn = column;
        list.sortAscending = true;
    }
    // Pair every row with its cell text as the list compares it: GBK bytes (or
    // the text itself outside Chinese), unsigned, a prefix first. Rows with
    // equal texts keep their order.
    const bool gbk = CurrentLanguage() == Language::Chinese;
    struct Keyed {
        std::string key;
        Row row;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(list.rows.size());
    for (Row& row : list.rows) {
        std::vector<std::string> cells = CellTexts(row);
        std::string text = column >= 0 && column < static_cast<int>(cells.size())
                               ? cells[static_cast<std::size_t>(column)]
                               : std::string();
        keyed.push_back({gbk ? Utf8ToGbk(text) : text, std::move(row)});
    }
    const bool ascending = list.sortAscending;
    std::stable_sort(keyed.begin(), keyed.end(), [ascending](const Keyed& a, const Keyed& b) {
        int c = a.key.compare(b.key);   // std::string compares bytes as unsigned char
        return ascending ? c < 0 : c > 0;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        list.rows[i] = std::move(keyed[i].row);
}

}  // namespace

void SortByColumn(MarketList& list, int column) { Sort(list, column); }
void SortByColumn(RoomList& list, int column) { Sort(list, column); }
