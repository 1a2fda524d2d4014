#include "game/event_tables.h"
#include "game/game.h"
#include "game/goods.h"
#include "game/money.h"
#include "game/places_table.h"
#include "game/random_source.h"
#include "records/catalogue.h"
#include "game/text_format.h"

void Game::RunMarketNews()
{
    for (int i = 0; i < kMarketNewsCount; ++i) {
        const MarketNewsEvent& row = kMarketNews[i];
        std::int32_t r = RandomBelow(950);
        std::int32_t& price = state_.marketPrices[static_cast<std::size_t>(row.goods)];
        if (r % row.divisor != 0 || price == 0)
            continue;
        ui_.ShowNews(Tr(row.text));
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
                Diary(Format(Tr("可惜!俺租的房子太小，只能放%1个物品。"), {std::to_string(state_.roomCapacity)}));
                return;
            }
            std::string name = GoodsName(row.goods);
            int found = room_.FindGoods(row.goods);
            if (found >= 0) {
                RoomRow& held = room_.rows[static_cast<std::size_t>(found)];
                held.quantity = AddMoney(held.quantity, g);
            } else {
                room_.rows.insert(room_.rows.begin(), RoomRow{name, 0, g, false, row.goods});
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
        std::string text = Format(Tr("%1俺的健康减少了%2点。"), {Tr(row.text), std::to_string(row.healthLost)});
        Play(row.sound);
        Diary(text);
        state_.health -= row.healthLost;
        break;
    }
    ShowField(StatusField::Health, state_.health);

    if (state_.health < 85 && state_.daysLeft > 3) {
        std::int32_t days = RandomBelow(2) + 1;
        std::string middle = Format(Tr("好心的市民把我抬到医院，医生让我治疗%1天。"), {std::to_string(days)});
        const PlaceInfo& place = kPlaces[state_.location >= 1 && state_.location <= 10 ? state_.location - 1 : 0];
        const char* near = state_.mapMode == 2 ? place.streetHospital : place.subwayHospital;
        std::string top = Format(Tr("由于不注意身体,我被人发现昏迷在%1附近的%2。"),
                                 {Tr(near), Tr(kSpots[RandomBelow(kSpotCount)])});
        std::int32_t cost = MulMoney(days, RandomBelow(8500) + 1000);
        std::string bottom = Format(Tr("村长让人为我垫付了住院费用%1元。"), {std::to_string(cost)});
        ui_.ShowDiary(middle, top, bottom);
        state_.health += 10;
        if (state_.health > 100)
            state_.health = 100;
        state_.debt = AddMoney(state_.debt, cost);
        state_.daysLeft -= days;
        return;
    }
    if (state_.health > 0 && state_.health < 20) {
        Diary(Tr("俺的健康..健康危机..快去医.."));
        return;
    }
    if (state_.health < 0) {
        Play("death.wav");
        Diary(Tr("俺倒在街头,身边日记本上写着：\"Varsen，我将再来!\""));
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
                Diary(Format(Tr("%1俺的存款减少了%2%。，哎呀!"), {Tr(row.text), std::to_string(row.percent)}));
                state_.savings = (state_.savings / 100) * (100 - row.percent);
            }
        } else {
            Diary(Format(Tr("%1俺的银子减少了%2%。"), {Tr(row.text), std::to_string(row.percent)}));
            state_.cash = (state_.cash / 100) * (100 - row.percent);
        }
        break;
    }

    if (RandomBelow(1000) % 25 == 0 && state_.hackerEnabled == 1 && state_.savings >= 1000) {
        const char* less = Tr("黑客入侵银行网络，疯狂修改数据库，我的存款减少了%1");
        const char* more = Tr("黑客入侵银行网络，疯狂修改数据库，我的存款增加了%1");
        if (state_.savings > 100000) {
            std::int32_t k = state_.savings / (RandomBelow(20) + 2);
            if (RandomBelow(20) % 3 != 0) {
                Diary(Format(less, {std::to_string(k)}));
                state_.savings -= k;
            } else {
                Diary(Format(more, {std::to_string(k)}));
                state_.savings = AddMoney(state_.savings, k);
            }
        } else {
            std::int32_t k = state_.savings / (RandomBelow(15) + 1);
            Diary(Format(more, {std::to_string(k)}));
            state_.savings = AddMoney(state_.savings, k);
        }
    }

    if (state_.cash < 0) {
        state_.cash = 0;
        Diary(Tr("俺不好办了。"));
    }
    ShowField(StatusField::Cash, state_.cash);
    ShowField(StatusField::Savings, state_.savings);
    UpdateStatus();
}
