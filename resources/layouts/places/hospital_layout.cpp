#include "game/dialog_ids.h"
#include "game/ui.h"
#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kNoId, K::Picture, "icon134", 7, 8, 21, 20, kPlain},
    {kIdDoctorLine, K::Label, "", 36, 8, 206, 18, kPlain},
    {kNoId, K::Label, N_("坚决抵制腐败！每个健康点数俺只收您3500元红包。”"), 36, 28, 206, 8, kPlain},
    {kNoId, K::Label, N_("治疗点数："), 36, 46, 44, 8, kPlain},
    {kIdTreatPoints, K::Edit, "", 82, 44, 50, 13, kPlain},
    {kIdAmountSpin, K::UpDown, "", 122, 44, 10, 13, kPlain},
    {kIdOk, K::Button, N_("确 认"), 36, 66, 60, 16, kDefault},
    {kIdCancel, K::Button, N_("你太黑了!俺告你去!"), 112, 66, 92, 16, kPlain},
};

}  // namespace

const DialogTemplate kHospitalTemplate{kHospitalDialogId, N_("在医院里"), 250, 90, kControls};
