#pragma once
// What the congratulations dialog and the top-ten table show on entry.

#include <cstdint>

#include "game/ui.h"
#include "records/top_ten.h"

constexpr int kCongratsDialogId = 164;
constexpr int kTopTenDialogId = 137;

// Takes one plain draw of the random generator for the honorary title.
DialogRequest CongratsDialog(int rank, std::int32_t money);

DialogRequest TopTenDialog(const TopTenTable& table, int highlightRow);
