#include "game/dialog_ids.h"
#include "game/ui.h"
#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kNoId, K::Label, N_("欢迎来到Varsen“扁子居”租房中介公司!"), 7, 8, 256, 8, kCentre},
    {kNoId, K::Label, N_("我们的理念：免费看房，成交补款，童叟全欺，无耻无畏!"), 7, 20, 256, 8, kCentre},
    {kIdRoomNow, K::Label, "", 7, 38, 256, 8, kCentre},
    {kIdRoomOffer, K::Label, "", 7, 50, 256, 8, kCentre},
    {kIdOk, K::Button, N_("成  交"), 52, 68, 60, 16, kDefault},
    {kIdCancel, K::Button, N_("怕上当，下次吧"), 140, 68, 76, 16, kPlain},
};

}  // namespace

const DialogTemplate kRentAgentTemplate{kRentAgentDialogId, N_("租房中介"), 270, 92, kControls};
