#include "resources/layouts/layouts.h"
#include "records/catalogue.h"
#include "resources/layouts/link_targets.h"
#include "ui/info/info_ids.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kNoId, K::Picture, "icon128", 6, 8, 20, 20, kPlain},
    {kNoId, K::Label, N_("Torvane记"), 102, 8, 55, 8, kPlain},
    {kNoId, K::Label, N_("V 1.2.2版，build 0103"), 88, 21, 89, 8, kPlain},
    {kCreditButtonId, K::Button, N_("作者"), 15, 25, 6, 6, kPlain},
    {kNoId, K::Label, N_("Torvane工作室出品的免费游戏，欢迎复制、转送给朋友。"), 45, 36, 189, 8, kPlain},
    {kNoId, K::Label, N_("如果您想获取最新版本信息、提出您的建议和报告您发现的bug,请给作者发E-Mail："), 15, 53, 225, 18, kCentre},
    {kAboutMailLinkId, K::HyperLink, kAuthorMailLink, 70, 74, 115, 8, kPlain},
    {kNoId, K::Label, N_("如果您想下载最新版本、参加本游戏的讨论、报告您获得的高分，请访问："), 10, 88, 265, 8, kPlain},
    {kAboutDiscussionLinkId, K::HyperLink, kDiscussionLink, 41, 102, 184, 8, kPlain},
    {kNoId, K::Label, N_("如果您想知道网上的人们如何评论本游戏，寻找本游戏的主页（目前还没有正式建立），请在主要搜索引擎中搜索“Torvane记”。"), 12, 118, 253, 20, kPlain},
    {kNoId, K::Label, N_("如果您想给作者寄5分钱来支持本游戏的进一步发展，请按此："), 11, 142, 229, 8, kPlain},
    {kDonateButtonId, K::Button, N_("寄5分钱"), 201, 155, 55, 14, kPlain},
    {kNoId, K::Label, "", 11, 182, 169, 8, kPlain},
    {kStatementButtonId, K::Button, N_("特别声明"), 201, 177, 55, 14, kPlain},
    {1, K::Button, N_("确   定"), 121, 222, 65, 14, kDefault},
};

}  // namespace

// Its caption is also the about entry of the main window's system menu.
const DialogTemplate kAboutTemplate{kAboutDialogId, N_("关于Torvane记"), 292, 248, kControls};
