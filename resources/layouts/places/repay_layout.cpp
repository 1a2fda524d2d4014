#include "game/dialog_ids.h"
#include "game/ui.h"
#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kIdRepayPrompt, K::Label, "", 7, 8, 206, 18, kCentre},
    {kNoId, K::Label, N_("您还多少？"), 38, 32, 46, 8, kPlain},
    {kIdRepayAmount, K::Edit, "", 86, 30, 76, 13, kAutoHScroll},
    {kIdAmountSpin, K::UpDown, "", 152, 30, 10, 13, kPlain},
    {kIdOk, K::Button, N_("确  定"), 42, 52, 60, 16, kDefault},
    {kIdCancel, K::Button, N_("缓几天吧"), 118, 52, 60, 16, kPlain},
};

}  // namespace

const DialogTemplate kRepayTemplate{kRepayDialogId, N_("给村长还钱"), 220, 76, kControls};
