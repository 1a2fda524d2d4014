#pragma once
// Draws that make the day's event passes fire exactly where a test wants.

#include <vector>

#include "game/random_source.h"

// 1 is a multiple of no divisor of any event table: nothing fires.
inline void QueueQuietNews() { for (int i = 0; i < 18; ++i) QueueDraws({1}); }
inline void QueueQuietStreet() { for (int i = 0; i < 12; ++i) QueueDraws({1}); }
inline void QueueQuietMoney() { for (int i = 0; i < 8; ++i) QueueDraws({1}); }

// Prices of a day: each goods at its base price plus offset, no goods removed
// (removals draw goods 8 % 8 = 0 only when queued; callers pass the removal draws).
inline void QueuePrices(std::initializer_list<int> offsets) { QueueDraws(offsets); }

// A whole day with every goods at base + 1 (removals hitting goods 0) and no event.
inline void QueueQuietDay(int removals)
{
    for (int i = 0; i < 8; ++i) QueueDraws({1});
    for (int i = 0; i < removals; ++i) QueueDraws({0});
    QueueQuietNews();
    QueueQuietStreet();
    QueueQuietMoney();
}
