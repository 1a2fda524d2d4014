#include <cstdio>

#include "game/event_tables.h"
#include "game/game.h"
#include "game/goods.h"
#include "game/money.h"
#include "game/places_table.h"
#include "game/random_source.h"

namespace {

std::string Format(const char* pattern, long long value)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

}  // namespace

void Game::RunMarketNews()
{
    for (int i = 0; i < kMarketNewsCount; ++i) {
        const MarketNewsEvent& row = kMarketNews[i];
        std::int32_t r = RandomBelow(950);
        std::int32_t& price = state_.marketPrices[static_cast<std::size_t>(row.goods)];
        if (r % row.divisor != 0 || price == 0)
            continue;
        ui_.ShowNews(row.text);
        if (i == kPhoneSaleNews)
            state_.debt = AddMoney(state_.debt, kPhoneSaleCost);
        if (row.multiplier > 0)
            price = MulMoney(price, row.multiplier);
        if (row.priceDivisor > 0)
            price /= row.priceDivisor;
        if (row.given > 0) {
            std::int32_t free = state_.roomCapacity - state_.goodsHeld;
            std::int32_t g = std::int64_t{state_.goodsHeld} + row.given <= state_.roomCapacity ? row.given : free;
            if (g == 0) {
                Diary(Format("可惜!俺租的房子太小，只能放%lld个物品。", state_.roomCapacity));
                return;
            }
            std::string name = GoodsName(row.goods);
            int found = room_.Find(name);
            if (found >= 0) {
                RoomRow& held = room_.rows[static_cast<std::size_t>(found)];
                held.quantity = AddMoney(held.quantity, g);
            } else {
                room_.rows.insert(room_.rows.begin(), RoomRow{name, 0, g, false});
            }
            state_.goodsHeld = AddMoney(state_.goodsHeld, g);
            ui_.ListChanged(ListId::Room);
        }
    }
    UpdateStatus();
}

void Game::RunStreetEvents()
{
    for (const StreetEvent& row : kStreetEvents) {
        if (RandomBelow(1000) % row.divisor != 0)
            continue;
        std::string text = std::string(row.text) + Format("俺的健康减少了%lld点。", row.healthLost);
        Play(row.sound);
        Diary(text);
        state_.health -= row.healthLost;
        break;
    }
    ShowField(StatusField::Health, state_.health);

    if (state_.health < 85 && state_.daysLeft > 3) {
        std::int32_t days = RandomBelow(2) + 1;
        std::string middle = Format("好心的市民把我抬到医院，医生让我治疗%lld天。", days);
        const PlaceInfo& place = kPlaces[state_.location >= 1 && state_.location <= 10 ? state_.location - 1 : 0];
        std::string top = std::string("由于不注意身体,我被人发现昏迷在") +
                          (state_.mapMode == 2 ? place.streetHospital : place.subwayHospital) + "附近的" +
                          kSpots[RandomBelow(kSpotCount)] + "。";
        std::int32_t cost = MulMoney(days, RandomBelow(8500) + 1000);
        std::string bottom = Format("村长让人为我垫付了住院费用%lld元。", cost);
        ui_.ShowDiary(middle, top, bottom);
        state_.health += 10;
        if (state_.health > 100)
            state_.health = 100;
        state_.debt = AddMoney(state_.debt, cost);
        state_.daysLeft -= days;
        return;
    }
    if (state_.health > 0 && state_.health < 20) {
        Diary("俺的健康..健康危机..快去医..");
        return;
    }
    if (state_.health < 0) {
        Play("death.wav");
        Diary("俺倒在街头,身边日记本上写着：\"Varsen，我将再来!\"");
        ui_.CloseMainWindow(false);
    }
    UpdateStatus();
}

void Game::RunMoneyEvents()
{
    for (int i = 0; i < kMoneyEventCount; ++i) {
        const MoneyEvent& row = kMoneyEvents[i];
        if (RandomBelow(1000) % row.divisor != 0)
            continue;
        if (TakesSavings(i)) {
            if (state_.savings > 0) {
                Diary(std::string(row.text) + Format("俺的存款减少了%lld%%。", row.percent) + "，哎呀!");
                state_.savings = (state_.savings / 100) * (100 - row.percent);
            }
        } else {
            Diary(std::string(row.text) + Format("俺的银子减少了%lld%%。", row.percent));
            state_.cash = (state_.cash / 100) * (100 - row.percent);
        }
        break;
    }

    if (RandomBelow(1000) % 25 == 0 && state_.hackerEnabled == 1 && state_.savings >= 1000) {
        const char* less = "黑客入侵银行网络，疯狂修改数据库，我的存款减少了%lld";
        const char* more = "黑客入侵银行网络，疯狂修改数据库，我的存款增加了%lld";
        if (state_.savings > 100000) {
            std::int32_t k = state_.savings / (RandomBelow(20) + 2);
            if (RandomBelow(20) % 3 != 0) {
                Diary(Format(less, k));
                state_.savings -= k;
            } else {
                Diary(Format(more, k));
                state_.savings = AddMoney(state_.savings, k);
            }
        } else {
            std::int32_t k = state_.savings / (RandomBelow(15) + 1);
            Diary(Format(more, k));
            state_.savings = AddMoney(state_.savings, k);
        }
    }

    if (state_.cash < 0) {
        state_.cash = 0;
        Diary("俺不好办了。");
    }
    ShowField(StatusField::Cash, state_.cash);
    ShowField(StatusField::Savings, state_.savings);
    UpdateStatus();
}
