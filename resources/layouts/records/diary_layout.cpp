#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {1, K::Button, N_("关上日记本"), 133, 70, 75, 25, kDefault},
    {kNoId, K::Picture, "bitmap141", 3, 5, 41, 51, kPlain},
    {1109, K::Label, "", 64, 10, 248, 8, kPlain},
    {1052, K::Label, "", 65, 26, 250, 8, kPlain},
    {1110, K::Label, "", 67, 44, 248, 8, kPlain},
};

}  // namespace

const DialogTemplate kDiaryTemplate{142, N_("我在Varsen的岁月"), 319, 103, kControls};
