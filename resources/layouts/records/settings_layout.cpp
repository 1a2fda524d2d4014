#include "game/dialog_ids.h"
#include "game/ui.h"
#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kIdHackersCheck, K::CheckBox, N_("允许黑客攻击银行网络"), 14, 10, 150, 10, kPlain},
    {kNoId, K::Label, N_("您的存款可能疯狂减少或者增加，小心为妙。"), 26, 23, 176, 8, kPlain},
    {kIdSoundOffCheck, K::CheckBox, N_("关闭声音"), 14, 38, 150, 10, kPlain},
    {kIdOk, K::Button, N_("确  定"), 40, 60, 56, 16, kDefault},
    {kIdCancel, K::Button, N_("取  消"), 114, 60, 56, 16, kPlain},
};

}  // namespace

const DialogTemplate kSettingsTemplate{kSettingsDialogId, N_("游戏设置"), 210, 84, kControls};
