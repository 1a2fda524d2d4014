#pragma once
// The rows of the market list and of the rented room, in list order, with their
// selection and the sort state of their column headers.

#include <cstdint>
#include <string>
#include <vector>

#include "game/goods.h"

// The rules know a row's goods by its index; the name is its text in the
// interface language, as the list shows it. A row made without its index
// (-1) is known by its name.
struct MarketRow {
    std::string name;
    std::int32_t price = 0;
    bool selected = false;
    int goods = -1;
};

// One goods held in the rented room.
struct RoomRow {
    std::string name;
    std::int32_t averagePrice = 0;
    std::int32_t quantity = 0;
    bool selected = false;
    int goods = -1;
};

template <class Row>
int GoodsOf(const Row& row)
{
    return row.goods >= 0 ? row.goods : GoodsIndex(row.name);
}

template <class Row>
struct TradeList {
    std::vector<Row> rows;
    int sortColumn = -1;        // -1 until the first header click
    bool sortAscending = true;

    // Index of the selected row (the last one in list order), or -1.
    int Selected() const
    {
        for (int i = static_cast<int>(rows.size()) - 1; i >= 0; --i)
            if (rows[static_cast<std::size_t>(i)].selected)
                return i;
        return -1;
    }
    // Single selection: selects row i only; -1 or an index out of range selects nothing.
    void Select(int i)
    {
        for (std::size_t k = 0; k < rows.size(); ++k)
            rows[k].selected = static_cast<int>(k) == i;
    }
    // Index of the first row of goods, or -1.
    int FindGoods(int goods) const
    {
        for (std::size_t k = 0; k < rows.size(); ++k)
            if (GoodsOf(rows[k]) == goods)
                return static_cast<int>(k);
        return -1;
    }
    // Index of the first row with this exact name, or -1.
    int Find(const std::string& name) const
    {
        for (std::size_t k = 0; k < rows.size(); ++k)
            if (rows[k].name == name)
                return static_cast<int>(k);
        return -1;
    }
};

using MarketList = TradeList<MarketRow>;
using RoomList = TradeList<RoomRow>;

// The cell texts as the lists show them.
std::vector<std::string> CellTexts(const MarketRow& row);
std::vector<std::string> CellTexts(const RoomRow& row);

// A click on the header of column c: flips the order on the same column,
// otherwise sorts ascending by the new one. Cells compare as GBK bytes in the
// Chinese interface, as their own UTF-8 bytes in another.
void SortByColumn(MarketList& list, int column);
void SortByColumn(RoomList& list, int column);
