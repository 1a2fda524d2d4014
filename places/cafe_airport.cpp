#include "game/dialog_ids.h"
#include "game/game.h"
#include "game/money.h"
#include "game/random_source.h"
#include "records/catalogue.h"
#include "game/text_format.h"

namespace {
constexpr std::int32_t kCafeVisitsPerGame = 3;
constexpr std::int32_t kCafeEntryCash = 15;
}  // namespace

void Game::OnNetCafe()
{
    const auto action = BeginAction([] { return std::string("cafe"); });
    if (state_.cafeVisits > kCafeVisitsPerGame - 1) {
        Diary(Tr("村长放出话来：你别总是在网吧里鬼混，快去做正经买卖! "));
        return;
    }
    if (state_.cash < kCafeEntryCash) {
        Diary(Tr("进网吧至少身上要带15元，呵呵，取钱再来。"));
        return;
    }
    state_.cafeVisits += 1;
    DialogRequest request;
    request.id = kNetCafeDialogId;
    ui_.RunDialog(request);
    std::int32_t fee = RandomBelow(10) + 1;
    state_.cash = AddMoney(state_.cash, fee);
    Diary(Format(Tr("感谢电信改革，可以免费上网! 还挣了美国网络广告费%1元，嘿嘿!"), {std::to_string(fee)}));
    UpdateStatus();
}

void Game::OnAirport()
{
    const auto action = BeginAction([] { return std::string("airport"); });
    Play("airport.wav");
    DialogRequest request;
    request.id = kAirportDialogId;
    ui_.RunDialog(request);
    UpdateStatus();
}
