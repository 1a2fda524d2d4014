#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kNoId, K::Label, N_("您的现金是"), 7, 8, 44, 8, kPlain},
    {1022, K::Label, "", 52, 8, 186, 18, kPlain},
    {1107, K::Label, "", 7, 28, 231, 8, kPlain},
    {kNoId, K::Label, N_("您想买多少？"), 7, 46, 56, 8, kPlain},
    {1053, K::Edit, "", 64, 44, 60, 13, kAutoHScroll},
    {1039, K::UpDown, "", 124, 44, 10, 13, kPlain},
    {1, K::Button, N_("确  定"), 50, 66, 60, 16, kDefault},
    {2, K::Button, N_("取  消"), 134, 66, 60, 16, kPlain},
};

}  // namespace

const DialogTemplate kBuyTemplate{131, N_("买多少？"), 244, 90, kControls};
