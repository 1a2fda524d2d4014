#include "game/dialog_ids.h"
#include "game/ui.h"
#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kIdCashPrompt, K::Label, "", 7, 10, 64, 8, kPlain},
    {kIdCashAmount, K::Edit, "", 72, 8, 76, 13, kPlain},
    {kIdAmountSpin, K::UpDown, "", 138, 8, 10, 13, kPlain},
    {kIdOk, K::Button, N_("确认交易"), 14, 30, 60, 16, kDefault},
    {kIdCancel, K::Button, N_("取消交易"), 88, 30, 60, 16, kPlain},
};

}  // namespace

const DialogTemplate kCashTemplate{kCashDialogId, N_("现金交易"), 162, 54, kControls};
