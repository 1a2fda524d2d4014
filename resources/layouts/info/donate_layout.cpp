#include "resources/layouts/layouts.h"
#include "records/catalogue.h"
#include "ui/info/info_ids.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kNoId, K::Label, "", 6, 7, 234, 8, kCentre},
    {1, K::Button, "OK", 105, 32, 50, 14, kDefault},
};

}  // namespace

const DialogTemplate kDonateTemplate{kDonateDialogId, N_("寄钱"), 242, 53, kControls};
