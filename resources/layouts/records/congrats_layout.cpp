#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kNoId, K::Label, N_("恭喜恭喜! “Varsen金钱年鉴”通知您："), 7, 7, 216, 8, kPlain},
    {1091, K::Label, "", 7, 20, 216, 18, kPlain},
    {kNoId, K::Label, N_("历史将永远记住您白手起家、劳动致富的光辉事迹。"), 7, 40, 216, 8, kPlain},
    {1099, K::Label, "", 7, 54, 216, 8, kPlain},
    {kNoId, K::Label, N_("请输入您的大名："), 7, 74, 72, 8, kPlain},
    {1092, K::Edit, "", 80, 72, 96, 13, kPlain},
    {1, K::Button, "OK", 182, 71, 42, 15, kDefault},
};

}  // namespace

const DialogTemplate kCongratsTemplate{164, N_("恭喜"), 230, 96, kControls};
