#include "game/places_table.h"

const PlaceInfo kPlaces[10] = {
    {1008, "建国门", "永安里", "建国门", "永安里"},
    {1011, "Varsen站", "方 庄", "Varsen站", "方 庄"},
    {1009, "西直门", "海淀大街", "西直门", "海淀大街"},
    {1014, "崇文门", "永定门", "崇文门", "永定门"},
    {1016, "东直门", "三元西桥", "东直门", "三元东桥"},
    {1013, "复兴门", "府右街", "复兴门", "文津街"},
    {1017, "积水潭", "亚运村", "积水潭", "北辰西路"},
    {1032, "长椿街", "玉泉营", "长椿街", "菜户营"},
    {1010, "公主坟", "翠微路", "公主坟", "翠微路"},
    {1015, "苹果园", "八角西路", "苹果园", "八角地铁"},
};

const MapTexts kSubwayMap = {"Varsen市地铁示意图", "我要逛京城"};
const MapTexts kStreetMap = {"Varsen市地面示意图", "我要进地铁"};

int PlaceOfButton(int buttonId)
{
    for (int k = 0; k < 10; ++k)
        if (kPlaces[k].buttonId == buttonId)
            return k + 1;
    return 0;
}
