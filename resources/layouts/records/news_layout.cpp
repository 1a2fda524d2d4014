#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {1, K::Button, N_("确 定"), 159, 70, 65, 20, kDefault},
    {1052, K::Label, "", 60, 21, 285, 35, kCentre},
    {kNoId, K::Picture, "bitmap140", 1, 4, 41, 51, kPlain},
};

}  // namespace

const DialogTemplate kNewsTemplate{138, N_("Varsen新闻"), 352, 98, kControls};
