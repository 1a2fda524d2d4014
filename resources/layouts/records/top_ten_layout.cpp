#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kNoId, K::Label, N_("Torvane高手前10名"), 7, 6, 286, 10, kCentre},
    {1045, K::List, "", 7, 20, 286, 124, kPlain},
    {1, K::Button, "OK", 120, 150, 60, 16, kDefault},
};

}  // namespace

const DialogTemplate kTopTenTemplate{137, N_("高手榜"), 300, 172, kControls};
