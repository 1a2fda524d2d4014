#include "ui/station_map.h"

const std::array<Station, 10> kStations{{
    {1008, 1, "建国门", "永安里"},
    {1011, 2, "Varsen站", "方 庄"},
    {1009, 3, "西直门", "海淀大街"},
    {1014, 4, "崇文门", "永定门"},
    {1016, 5, "东直门", "三元西桥"},
    {1013, 6, "复兴门", "府右街"},
    {1017, 7, "积水潭", "亚运村"},
    {1032, 8, "长椿街", "玉泉营"},
    {1010, 9, "公主坟", "翠微路"},
    {1015, 10, "苹果园", "八角西路"},
}};

const char* MapGroupCaption(int mapMode)
{
    return mapMode == 2 ? "Varsen市地面示意图" : "Varsen市地铁示意图";
}

const char* MapToggleCaption(int mapMode)
{
    return mapMode == 2 ? "我要进地铁" : "我要逛京城";
}
