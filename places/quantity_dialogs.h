#pragma once
// What the quantity and amount dialogs show on entry, with their number fields.

#include <cstdint>
#include <string>

#include "game/dialog_ids.h"
#include "game/ui.h"


// A number field proposing value, valid from lower to upper; its up-down control
// spans 1 to upper as a signed 16-bit control holds it.
NumberField MakeNumberField(int controlId, std::int64_t value, std::int64_t lower, std::int64_t upper);

DialogRequest BuyDialog(std::int32_t cash, std::int32_t maxQuantity, const std::string& goodsName);
DialogRequest SellDialog(std::int32_t quantity, const std::string& goodsName);

// The bank's greeting; its buttons are deposit (OK), withdraw (Cancel) and leave.
DialogRequest BankDialog(std::int32_t cash, std::int32_t savings);
// mode 1 deposits (limit: cash), mode 2 withdraws (limit: savings).
DialogRequest CashDialog(int mode, std::int32_t cash, std::int32_t savings);
DialogRequest HospitalDialog(std::int32_t health);
DialogRequest RepayDialog(std::int32_t cash, std::int32_t debt);
