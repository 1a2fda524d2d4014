#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kNoId, K::Picture, "icon128", 7, 6, 20, 20, kPlain},
    {kNoId, K::Label, N_("“Torvane记”的故事"), 30, 12, 127, 10, kCentre},
    {kNoId, K::Label,
     N_("     您扮演一位从外地到Varsen谋生的青年。一开始，您只有2000元钱，并且还欠村长（一个流氓头子）5500元 "
     "债务。这些债务每天的利息高达10%.如果不及时还清，村长会叫在Varsen的老乡们来扁您，您可能牺牲在Varsen街头。 "
     "您决定在Varsen各地铁口黑市倒卖各种物品来发财致富，不仅还掉债务，而且要荣登Varsen富人排行榜。 "),
     7, 30, 173, 62, kPlain},
    {kNoId, K::Label,
     N_("    您只能在Varsen呆40天，每次奔走一个黑市算一天。一开始，您租的房子只能放100个东西。 "
     "您会在Varsen遭遇到各种事件，您需要与流氓、小偷、凶手、贪官、骗子等斗智斗勇，还需要在Varsen恶劣的自然环境下设法生存下来。"),
     7, 94, 173, 44, kPlain},
    {kNoId, K::Label, N_("    您将体念在Varsen卖盗版VCD和走私汽车的刺激以及我们这个时代才有的搞笑事件。 "),
     7, 140, 173, 22, kPlain},
    {1112, K::Label, "", 7, 168, 173, 8, kCentre},
    {1, K::Button, N_("开始游戏 >>"), 62, 184, 64, 15, kDisabled | kDefault},
};

}  // namespace

const DialogTemplate kStoryTemplate{166, "", 187, 205, kControls};
