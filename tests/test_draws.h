#pragma once
// Draws that make the day's event passes fire exactly where a test wants.

#include "game/random_source.h"

// 1 is a multiple of no divisor of any event table: nothing fires.
inline void QueueQuietNews() { for (int i = 0; i < 18; ++i) QueueDraws({1}); }
inline void QueueQuietStreet() { for (int i = 0; i < 12; ++i) QueueDraws({1}); }
inline void QueueQuietMoney() { for (int i = 0; i < 8; ++i) QueueDraws({1}); }

// A whole day with every goods at base + 1 (removals hitting goods 0) and no event.
inline void QueueQuietDay(int removals)
{
    for (int i = 0; i < 8; ++i) QueueDraws({1});
    for (int i = 0; i < removals; ++i) QueueDraws({0});
    QueueQuietNews();
    QueueQuietStreet();
    QueueQuietMoney();
}
