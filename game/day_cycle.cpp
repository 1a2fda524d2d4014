#include "game/game.h"
#include "game/money.h"
#include "records/catalogue.h"

void Game::Travel(int place)
{
    const auto action = BeginAction([place] { return "travel " + std::to_string(place); });
    if (state_.location == place)
        return;
    Play("shutdoor.wav");
    state_.location = place;
    AdvanceDay();
}

void Game::ToggleMap()
{
    const auto action = BeginAction([] { return std::string("map"); });
    state_.mapMode = state_.mapMode == 1 ? 2 : 1;
    ui_.MapChanged(state_.mapMode);
}

void Game::ApplyInterest()
{
    state_.debt = AddInterest(state_.debt, 0.1);
    ShowField(StatusField::Debt, state_.debt);
    ShowField(StatusField::Cash, state_.cash);
    state_.savings = AddInterest(state_.savings, 0.01);
    ShowField(StatusField::Savings, state_.savings);
}

void Game::AdvanceDay()
{
    DrawPrices(state_.daysLeft > 2 ? 3 : 0);
    ApplyInterest();
    RunMarketNews();
    RefreshMarket();
    RunStreetEvents();
    RunMoneyEvents();
    if (state_.debt > 100000) {
        Diary(Tr("俺欠钱太多，村长叫一群老乡揍了俺一顿!"));
        state_.health -= 30;
        ShowField(StatusField::Health, state_.health);
        Play("kill.wav");
    }
    state_.daysLeft -= 1;
    SetTitleFromDays();
    if (state_.daysLeft == 1)
        Diary(Tr("俺明天回家乡，快把全部货物卖掉。"));
    if (state_.daysLeft == 0) {
        EndOfGameSale();
        FinishGame();
    }
    UpdateStatus();
}
