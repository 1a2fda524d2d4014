#include "game/places_table.h"

#include "records/catalogue.h"

const PlaceInfo kPlaces[10] = {
    {1008, N_("建国门"), N_("永安里"), N_("建国门"), N_("永安里")},
    {1011, N_("Varsen站"), N_("方 庄"), N_("Varsen站"), N_("方 庄")},
    {1009, N_("西直门"), N_("海淀大街"), N_("西直门"), N_("海淀大街")},
    {1014, N_("崇文门"), N_("永定门"), N_("崇文门"), N_("永定门")},
    {1016, N_("东直门"), N_("三元西桥"), N_("东直门"), N_("三元东桥")},
    {1013, N_("复兴门"), N_("府右街"), N_("复兴门"), N_("文津街")},
    {1017, N_("积水潭"), N_("亚运村"), N_("积水潭"), N_("北辰西路")},
    {1032, N_("长椿街"), N_("玉泉营"), N_("长椿街"), N_("菜户营")},
    {1010, N_("公主坟"), N_("翠微路"), N_("公主坟"), N_("翠微路")},
    {1015, N_("苹果园"), N_("八角西路"), N_("苹果园"), N_("八角地铁")},
};

const MapTexts kSubwayMap = {N_("Varsen市地铁示意图"), N_("我要逛京城")};
const MapTexts kStreetMap = {N_("Varsen市地面示意图"), N_("我要进地铁")};

int PlaceOfButton(int buttonId)
{
    for (int k = 0; k < 10; ++k)
        if (kPlaces[k].buttonId == buttonId)
            return k + 1;
    return 0;
}
