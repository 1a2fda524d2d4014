#include "game/dialog_ids.h"
#include "resources/layouts/layouts.h"
#include "records/catalogue.h"
#include "resources/layouts/link_targets.h"
#include "ui/places/net_cafe_ids.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {1, K::Button, N_("离开网吧"), 95, 180, 70, 14, kDefault},
    {kNoId, K::Label, N_("请您在网吧选择做什么："), 10, 8, 240, 10, kCentre},
    {kNoId, K::Group, N_("本游戏相关"), 8, 22, 244, 102, kPlain},
    {kNoId, K::Label, N_("给本游戏作者写信"), 16, 36, 76, 8, kPlain},
    {kCafeMailLinkId, K::HyperLink, kAuthorMailLink, 94, 36, 150, 8, kPlain},
    {kNoId, K::Label, N_("参加讨论组，得到最新版本和最新信息。"), 16, 52, 228, 8, kPlain},
    {kCafeDiscussionLinkId, K::HyperLink, kDiscussionLink, 16, 64, 228, 8, kCentre},
    {kNoId, K::Label, N_("访问“Torvane记”主页(非常慢,我会另建)"), 16, 80, 228, 8, kPlain},
    {kCafeHomePageLinkId, K::HyperLink, kHomePageLink, 24, 92, 220, 8, kPlain},
    {kCafeSecondHomePageLinkId, K::HyperLink, kSecondHomePageLink, 24, 106, 220, 8, kPlain},
    {kNoId, K::Group, N_("游戏相关"), 8, 130, 244, 44, kPlain},
    {kNoId, K::Label, N_("免费游戏"), 16, 144, 40, 8, kPlain},
    {kCafeFreeGamesLinkId, K::HyperLink, kFreeGamesLink, 60, 144, 184, 8, kPlain},
    {kNoId, K::Label, N_("游戏开发"), 16, 158, 40, 8, kPlain},
    {kCafeGameDevelopmentLinkId, K::HyperLink, kGameDevelopmentLink, 60, 158, 184, 8, kPlain},
};

}  // namespace

const DialogTemplate kNetCafeTemplate{kNetCafeDialogId, N_("街头网吧"), 260, 200, kControls};
