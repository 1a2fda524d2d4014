#include "game/dialog_ids.h"
#include "game/game.h"
#include "records/catalogue.h"
#include "game/text_format.h"

namespace {

constexpr std::int32_t kLargestRoom = 140;
constexpr std::int32_t kRoomStep = 10;
constexpr std::int32_t kLeastCash = 30000;

DialogRequest RentAgentDialog(std::int32_t cash, std::int32_t capacity)
{
    DialogRequest request;
    request.id = kRentAgentDialogId;
    request.texts.push_back({kIdRoomNow, Format(Tr("想把生意做大?您现在的房子只能放%1个物品，太小啦!"), {std::to_string(capacity)})});
    const std::int32_t price = cash <= kLeastCash ? 20000 : cash / 2;
    request.texts.push_back({kIdRoomOffer, Format(Tr("您花费%1元，可以租能放%2个物品的房子。"),
                                                  {std::to_string(price), std::to_string(capacity + kRoomStep)})});
    return request;
}

}  // namespace

void Game::OnRentAgent()
{
    const auto action = BeginAction([] { return std::string("rent"); });
    if (state_.roomCapacity == kLargestRoom) {
        Diary(Tr("中介说，您的房子比局长的还大!还租房?"));
        return;
    }
    if (state_.cash < kLeastCash) {
        Diary(Tr("中介说，您没有三万现金就想租房? 一边凉快去!"));
        return;
    }
    DialogResult result = ui_.RunDialog(RentAgentDialog(state_.cash, state_.roomCapacity));
    if (result.button != kIdOk) {
        Diary(Tr("呵! 小心为妙! 传闻Varsen有的租房中介公司很能骗人...."));
        return;
    }
    // The agency announces less than it takes.
    state_.cash = state_.cash > kLeastCash ? state_.cash / 2 - 2000 : state_.cash - 25000;
    state_.roomCapacity += kRoomStep;
    UpdateStatus();
    Diary(Format(Tr("我的房子可以放%1个物品了!可是，好象中介公司骗了我一些钱..."), {std::to_string(state_.roomCapacity)}));
}
