#include "resources/layouts/layouts.h"
#include "records/catalogue.h"

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {kNoId, K::Label, N_("黑  市"), 44, 13, 76, 8, kCentre},
    {1001, K::List, "", 17, 25, 146, 105, kPlain},
    {kNoId, K::Label, N_("您的出租屋"), 269, 12, 77, 8, kCentre},
    // On the heading's line rather than over the room list's header.
    {1108, K::Label, "", 347, 12, 35, 8, kPlain},
    {1002, K::List, "", 241, 23, 149, 103, kPlain},
    {kNoId, K::Label, N_("买 进"), 197, 32, 20, 8, kCentre},
    {1006, K::Button, " ==>", 185, 45, 41, 17, kPlain},
    {kNoId, K::Label, N_("卖 出"), 198, 78, 20, 8, kPlain},
    {1003, K::Button, " <== ", 185, 89, 41, 17, kPlain},
    {1004, K::Button, "==>>", 223, 113, 10, 17, kHidden},
    {1005, K::Button, "<<==", 167, 115, 15, 17, kHidden},
    {kNoId, K::Group, N_("您的状态"), 9, 135, 157, 135, kPlain},
    {kNoId, K::Label, N_("现 金"), 14, 154, 26, 8, kPlain},
    {1020, K::Segment, "", 42, 148, 119, 20, kSunken},
    {kNoId, K::Label, N_("存款："), 15, 184, 25, 8, kPlain},
    {1035, K::Segment, "", 41, 177, 120, 20, kSunken},
    {kNoId, K::Label, N_("欠 债"), 15, 215, 20, 8, kPlain},
    {1050, K::Segment, "Static", 41, 208, 120, 19, kSunken},
    {kNoId, K::Label, N_("健康："), 14, 237, 25, 8, kPlain},
    {1047, K::Segment, "Static", 40, 233, 45, 21, kSunken},
    {kNoId, K::Label, N_("名声:"), 90, 237, 20, 8, kPlain},
    {1048, K::Segment, "Static", 115, 233, 45, 21, kSunken},
    {1120, K::Group, N_("Varsen市地铁示意图"), 171, 134, 230, 135, kPlain},
    {1009, K::Station, N_("西直门"), 262, 149, 38, 20, kPlain},
    {1017, K::Station, N_("积水潭"), 309, 150, 38, 20, kPlain},
    {1016, K::Station, N_("东直门"), 357, 150, 38, 20, kPlain},
    {1008, K::Station, N_("建国门"), 356, 195, 38, 20, kPlain},
    {1011, K::Station, N_("Varsen站"), 356, 233, 38, 24, kPlain},
    {1014, K::Station, N_("崇文门"), 310, 234, 38, 22, kPlain},
    {1032, K::Station, N_("长椿街"), 262, 234, 38, 21, kPlain},
    {1013, K::Station, N_("复兴门"), 262, 193, 38, 21, kPlain},
    {1010, K::Station, N_("公主坟"), 218, 193, 38, 21, kPlain},
    {1015, K::Station, N_("苹果园"), 174, 194, 38, 21, kPlain},
    {1116, K::LinePicture, "bitmap170", 300, 200, 55, 8, kPlain},
    {1090, K::HoverButton, N_("我要逛京城"), 180, 152, 75, 22, kPlain},
    {1089, K::HoverButton, N_("老板来了"), 180, 227, 75, 35, kPlain},
    {1084, K::HoverButton, N_("银  行"), 13, 277, 68, 27, kPlain},
    {1085, K::HoverButton, N_("医  院"), 92, 278, 70, 25, kPlain},
    {1086, K::HoverButton, N_("邮  局"), 174, 278, 66, 24, kPlain},
    {1087, K::HoverButton, N_("租房中介"), 252, 278, 74, 25, kPlain},
    {1088, K::HoverButton, N_("网  吧"), 338, 278, 59, 25, kPlain},
    {1051, K::Ticker, "Static", 0, 308, 410, 25, kPlain},
};

}  // namespace

const DialogTemplate kMainTemplate{129, N_("Torvane记"), 412, 333, kControls};
