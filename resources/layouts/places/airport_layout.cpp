#include "game/dialog_ids.h"
#include "game/ui.h"
#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

// The leading blanks indent the paragraphs; the second text runs on into the third.
const ControlSpec kControls[] = {
    {kNoId, K::Label, N_("您想飞到美国，在全球建立贸易网？"), 7, 8, 276, 8, kCentre},
    {kNoId, K::Label, N_("     即将到来的2.0版本中，您可以在世界各大城市（纽约、东京、伦敦、巴黎、上海、孟买、新加坡和朝鲜的平壤）间"), 7, 22, 276, 18, kPlain},
    {kNoId, K::Label, N_("从事国际贸易。"), 7, 41, 276, 8, kPlain},
    {kNoId, K::Label, N_("    给朝鲜卖粮食？从巴黎倒化妆品？在纽约卖印度特产？还是到新加坡进口东南亚水果？"), 7, 54, 276, 18, kPlain},
    {kNoId, K::Label, N_("    最刺激的恐怕是在东京!  倒卖日本特产----“死不认帐药”和“卑鄙丸子”? "), 7, 74, 276, 18, kPlain},
    {kIdOk, K::Button, "OK", 115, 96, 60, 16, kDefault},
};

}  // namespace

const DialogTemplate kAirportTemplate{kAirportDialogId, N_("首都机场"), 290, 120, kControls};
