#include "game/game.h"
#include "game/goods.h"
#include "game/random_source.h"

void Game::DrawPrices(int removals)
{
    for (int i = 0; i < kGoodsCount; ++i)
        state_.marketPrices[static_cast<std::size_t>(i)] = kGoods[i].base + RandomBelow(kGoods[i].range);
    for (int k = 0; k < removals; ++k)
        state_.marketPrices[static_cast<std::size_t>(RandomBelow(kGoodsCount))] = 0;
}

void Game::RefreshMarket()
{
    market_.rows.clear();
    for (int i = 0; i < kGoodsCount; ++i) {
        std::int32_t price = state_.marketPrices[static_cast<std::size_t>(i)];
        if (price != 0)
            market_.rows.push_back({GoodsName(i), price, false, i});
    }
    ui_.ListChanged(ListId::Market);
}
