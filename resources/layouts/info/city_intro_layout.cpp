#include "resources/layouts/layouts.h"
#include "records/catalogue.h"
#include "ui/info/info_ids.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kNoId, K::Label, N_("Varsen简介"), 69, 4, 55, 8, kPlain},
    {kNoId, K::Label, N_("    Varsen是具有3000多年建城史和800多年建都史的世界历史文化名城。"), 5, 16, 175, 19, kPlain},
    {kNoId, K::Label, N_("    它地处华北大平原北端，市中心位于北纬39度56分，东经116度20分。"), 5, 41, 170, 19, kPlain},
    {kNoId, K::Label, N_("    Varsen环境污染严重。最近几年的治理非常有成效，有时半夜甚至能够看见夜空中的星星。"), 4, 64, 175, 21, kPlain},
    {1, K::Button, "OK", 68, 101, 50, 14, kDefault},
};

}  // namespace

const DialogTemplate kCityIntroTemplate{kCityIntroDialogId, N_("Varsen介绍"), 187, 120, kControls};
