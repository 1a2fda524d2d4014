#include "game/dialog_ids.h"
#include "game/ui.h"
#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

// Withdrawing is the dialog's Cancel, so Esc and the close box withdraw too.
const ControlSpec kControls[] = {
    {kIdBankGreeting, K::Label, "", 7, 8, 206, 18, kCentre},
    {kIdOk, K::Button, N_("存  钱"), 14, 34, 56, 16, kDefault},
    {kIdCancel, K::Button, N_("取  钱"), 82, 34, 56, 16, kPlain},
    {kIdBankLeave, K::Button, N_("离  开"), 150, 34, 56, 16, kPlain},
};

}  // namespace

const DialogTemplate kBankTemplate{kBankDialogId, N_("银行！"), 220, 58, kControls};
