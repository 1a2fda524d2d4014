#include "game/goods.h"

#include "records/catalogue.h"

const GoodsInfo kGoods[9] = {
    {N_("进口香烟"), 100, 350},
    {N_("走私汽车"), 15000, 15000},
    {N_("盗版VCD、游戏"), 5, 50},
    {N_("假白酒（剧毒！）"), 1000, 2500},
    {N_("《上海小宝贝》（禁书）"), 5000, 9000},
    {N_("进口玩具"), 250, 600},
    {N_("水货手机"), 750, 750},
    {N_("伪劣化妆品"), 65, 180},
    {"", 0, 0},
};

int GoodsIndex(const std::string& name)
{
    for (int i = 0; i < 8; ++i)
        if (name == Tr(kGoods[i].name))
            return i;
    return -1;
}
