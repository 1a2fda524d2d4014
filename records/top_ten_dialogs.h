#pragma once
// What the congratulations dialog and the top-ten table show on entry.

#include <cstdint>

#include "game/dialog_ids.h"
#include "game/ui.h"
#include "records/top_ten.h"


// Takes one plain draw of the random generator for the honorary title.
DialogRequest CongratsDialog(int rank, std::int32_t money);

DialogRequest TopTenDialog(const TopTenTable& table, int highlightRow);
