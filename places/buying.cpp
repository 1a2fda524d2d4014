#include <algorithm>

#include "game/game.h"
#include "game/money.h"
#include "places/quantity_dialogs.h"
#include "records/catalogue.h"
#include "game/text_format.h"

void Game::OnBuy()
{
    const auto action = BeginAction([this] { return TradeCommand("buy", ListId::Market); });
    int selected = market_.Selected();
    std::int32_t price = selected >= 0 ? market_.rows[static_cast<std::size_t>(selected)].price : 0;
    if (price == 0) {
        Diary(Tr("我还没有选定买什么物品呢。"));
        UpdateStatus();
        return;
    }
    if (state_.cash < price) {
        Diary(state_.savings > 0 ? Tr("俺带的现金不够，去银行提点钱吧。") : Tr("俺的现金不够，银行又没有存款，咋办哩?"));
        UpdateStatus();
        return;
    }
    std::int32_t maxQuantity = state_.cash / price;
    // Summed in 64 bits: with a price of 1 the cash alone may be near the limit.
    if (std::int64_t{state_.goodsHeld} + maxQuantity > state_.roomCapacity)
        maxQuantity = Saturate(std::min<std::int64_t>(std::int64_t{state_.roomCapacity} - state_.goodsHeld, maxQuantity));
    const std::string name = market_.rows[static_cast<std::size_t>(selected)].name;
    DialogResult result = ui_.RunDialog(BuyDialog(state_.cash, maxQuantity, name));
    if (result.button != kIdOk) {
        UpdateStatus();
        return;
    }
    Play("buy.wav");
    state_.goodsHeld = AddMoney(state_.goodsHeld, result.value);
    state_.lastBought = result.value;
    if (state_.goodsHeld > state_.roomCapacity)
        state_.goodsHeld = state_.roomCapacity;
    state_.cash = AddMoney(state_.cash, -std::int64_t{result.value} * price);
    ShowField(StatusField::Cash, state_.cash);
    TransferSelected(ListId::Market);
    UpdateStatus();
}

void Game::OnBuyAll()
{
    const auto action = BeginAction([] { return std::string("buyall"); });
    market_.Select(static_cast<int>(market_.rows.size()) - 1);
    ui_.ListChanged(ListId::Market);
    OnBuy();
}

void Game::TransferSelected(ListId source)
{
    if (source == ListId::Market)
        BuyHalf();
    else
        SellHalf();
}

void Game::BuyHalf()
{
    int selected = market_.Selected();
    if (selected < 0)
        return;
    room_.Select(-1);
    const MarketRow& offer = market_.rows[static_cast<std::size_t>(selected)];
    int found = room_.FindGoods(GoodsOf(offer));
    if (found >= 0) {
        RoomRow& row = room_.rows[static_cast<std::size_t>(found)];
        std::int64_t quantity = std::int64_t{row.quantity} + state_.lastBought;
        std::int64_t paid = std::int64_t{row.quantity} * row.averagePrice +
                            std::int64_t{offer.price} * state_.lastBought;
        row.quantity = Saturate(quantity);
        // Only a confirmed 0 into a row of 0 items leaves nothing to average over.
        if (quantity != 0)
            row.averagePrice = Saturate(paid / quantity);
    } else if (state_.lastBought != 0) {
        room_.rows.insert(room_.rows.begin(), RoomRow{offer.name, offer.price, state_.lastBought, false, GoodsOf(offer)});
    } else {
        Diary(Format(Tr("好可惜!俺租的房子太小，只能放%1个物品。租更大的房子?"), {std::to_string(state_.roomCapacity)}));
        UpdateStatus();
    }
    ui_.ListChanged(ListId::Room);
    ui_.FocusList(ListId::Room);
}
