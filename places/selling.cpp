#include "game/game.h"
#include "game/money.h"
#include "places/fame_penalties.h"
#include "places/quantity_dialogs.h"
#include "game/text_format.h"
#include "records/catalogue.h"

namespace {

const FamePenalty kBook = {kBookGoods, -7, N_("污染社会,俺的名声变坏了啊!")};
const FamePenalty kLiquor = {kLiquorGoods, -10, N_("危害社会，俺的名声下降了.")};

}  // namespace

FameMessageFlags fameMessageFlags;

const FamePenalty* FindFamePenalty(int goods)
{
    if (goods == kBook.goods)
        return &kBook;
    if (goods == kLiquor.goods)
        return &kLiquor;
    return nullptr;
}

void Game::OnSell()
{
    const auto action = BeginAction([this] { return TradeCommand("sell", ListId::Room); });
    TransferSelected(ListId::Room);
}

void Game::OnSellAll()
{
    const auto action = BeginAction([] { return std::string("sellall"); });
    room_.Select(static_cast<int>(room_.rows.size()) - 1);
    ui_.ListChanged(ListId::Room);
    OnSell();
}

void Game::SellHalf()
{
    int r = room_.Selected();
    if (r < 0)
        return;
    market_.Select(-1);
    ui_.ListChanged(ListId::Market);
    const std::string name = room_.rows[static_cast<std::size_t>(r)].name;
    const int goods = GoodsOf(room_.rows[static_cast<std::size_t>(r)]);
    const std::int32_t held = room_.rows[static_cast<std::size_t>(r)].quantity;
    int m = market_.FindGoods(goods);
    if (m < 0) {
        Diary(Format(Tr("哦？仿佛没有人在这里做%1生意。"), {name}));
        UpdateStatus();
    } else {
        DialogResult result = ui_.RunDialog(SellDialog(held, name));
        if (result.button != kIdOk) {
            UpdateStatus();
        } else {
            Play("money.wav");
            state_.goodsHeld = AddMoney(state_.goodsHeld, -std::int64_t{result.value});
            state_.lastSold = result.value;
            state_.cash = AddMoney(state_.cash,
                                   std::int64_t{market_.rows[static_cast<std::size_t>(m)].price} * state_.lastSold);
            ShowField(StatusField::Cash, state_.cash);
            if (state_.lastSold == held)
                room_.rows.erase(room_.rows.begin() + r);
            else
                room_.rows[static_cast<std::size_t>(r)].quantity = held - state_.lastSold;
            ui_.ListChanged(ListId::Room);
            if (const FamePenalty* penalty = FindFamePenalty(goods)) {
                bool& shown = penalty == &kBook ? fameMessageFlags.bookMessageShown
                                                : fameMessageFlags.liquorMessageShown;
                if (!shown) {
                    Diary(Format(Tr("买卖%1,%2"), {name, Tr(penalty->reason)}));
                    shown = true;
                }
                state_.fame = AddMoney(state_.fame, penalty->fameChange);
                if (state_.fame < 0)
                    state_.fame = 0;
                ShowField(StatusField::Fame, state_.fame);
            }
            UpdateStatus();
        }
    }
    ui_.FocusList(ListId::Market);
}
