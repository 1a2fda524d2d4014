#include "resources/layouts/layouts.h"
#include "records/catalogue.h"
#include "ui/info/info_ids.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kNoId, K::Label, N_("关于本游戏的特别声明"), 132, 8, 90, 8, kPlain},
    {kNoId, K::Label,
     N_("1. 本游戏的情节、场景和人物行为纯属虚构，与现实没有任何影射关系。并非Varsen所有的租房中介都骗人，"
     "正如并非所有的官员都贪污。"),
     6, 35, 295, 25, kPlain},
    {kNoId, K::Label,
     N_("2. 游戏中的某些物品（走私货、假冒伪劣商品、禁书）和玩家的某些行为（倒卖违禁物品）在现实生活中是违法的，"
     "是不可接受的。因此，20岁以下的人不得玩本游戏；20岁以上的玩家必须明白本游戏纯属虚构，并且在现实生活中遵守法律。"),
     6, 62, 295, 38, kPlain},
    {kNoId, K::Label,
     N_("3. 本游戏是免费游戏：玩家可以复制它、转送给别人，也可以推荐给20岁以上的成年朋友。"),
     6, 102, 295, 22, kPlain},
    {kNoId, K::Label,
     N_("4. 网站只有得到作者的书面同意，才能提供本游戏的免费下载；任何商业性的发行也必须先得到作者的书面同意。"
     "转送本游戏时，游戏及其所有文件必须完整，不得修改。"),
     6, 126, 295, 58, kPlain},
    {kNoId, K::Label,
     N_("5. 本游戏是免费软件，作者不提供任何技术支持，也不承担任何担保责任(no warranty)"),
     6, 186, 295, 26, kPlain},
    {1, K::Button, "OK", 140, 215, 50, 14, kDefault},
};

}  // namespace

const DialogTemplate kStatementTemplate{kStatementDialogId, "", 307, 236, kControls};
