#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {1027, K::Label, "", 7, 8, 196, 18, kCentre},
    {kNoId, K::Label, N_("您想卖出多少？"), 7, 34, 64, 8, kPlain},
    {1053, K::Edit, "", 72, 32, 60, 13, kAutoHScroll},
    {1039, K::UpDown, "", 132, 32, 10, 13, kPlain},
    {1, K::Button, N_("确 定"), 36, 54, 60, 16, kDefault},
    {2, K::Button, N_("放 弃"), 114, 54, 60, 16, kPlain},
};

}  // namespace

const DialogTemplate kSellTemplate{130, N_("卖多少？"), 210, 78, kControls};
