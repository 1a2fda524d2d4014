#include "game/game.h"

#include "game/goods.h"
#include "game/text_format.h"
#include "records/catalogue.h"
#include "records/help_page.h"

Game::Game(Ui& ui, const std::string& dir) : Game(ui, GameFolders::Single(dir)) {}

Game::Game(Ui& ui, GameFolders folders) : ui_(ui), folders_(std::move(folders))
{
    state_.helpPath = HelpPagePath(folders_.help);
}

void Game::OpenWindow()
{
    const auto opening = BeginAction([] { return std::string(); });
    GameBegins();
    market_.sortColumn = -1;
    room_.sortColumn = -1;
    state_.lastBought = 0;
    state_.lastSold = 0;
    state_.health = 100;
    state_.fame = 100;
    state_.cafeVisits = 0;
    DrawPrices(3);
    ApplyInterest();
    RefreshMarket();
    UpdateStatus();
    SetTitleFromDays();
}

void Game::NewGame()
{
    const auto action = BeginAction([] { return std::string("new"); });
    if (kDaysPerGame - state_.daysLeft >= 3 &&
        !ui_.AskYesNo(Tr("您正在玩一个游戏，要放弃它并开始新的吗?"), Icon::Exclamation))
        return;
    GameBegins();
    GameState fresh;
    fresh.mapMode = state_.mapMode;
    fresh.soundOff = state_.soundOff;
    fresh.helpPath = state_.helpPath;
    state_ = fresh;
    room_ = RoomList();
    market_.sortColumn = -1;
    market_.sortAscending = true;
    ui_.ListChanged(ListId::Room);
    SetTitleFromDays();
    DrawPrices(3);
    ApplyInterest();
    RefreshMarket();
    UpdateStatus();
}

std::string Game::GoodsName(int index)
{
    if (index < 0 || index > 9) {
        ui_.ShowMessage("ID error.", Icon::Exclamation);
        return std::string();
    }
    return index <= 8 ? Tr(kGoods[index].name) : std::string();
}

void Game::UpdateStatus()
{
    ShowField(StatusField::Debt, state_.debt);
    ShowField(StatusField::Health, state_.health);
    ui_.SetFameColour(state_.fame >= 60);
    ShowField(StatusField::Fame, state_.fame);
    ShowField(StatusField::Cash, state_.cash);
    ShowField(StatusField::Savings, state_.savings);
    ui_.SetStatusText(StatusField::GoodsCount,
                      std::to_string(state_.goodsHeld) + "/" + std::to_string(state_.roomCapacity));
}

void Game::ShowField(StatusField field, std::int64_t value)
{
    ui_.SetStatusText(field, std::to_string(value));
}

void Game::Play(const std::string& file)
{
    if (state_.soundOff == 0)
        ui_.PlaySound(file);
}

void Game::Diary(const std::string& middle)
{
    ui_.ShowDiary(middle, std::string(), std::string());
}

void Game::SetTitleFromDays()
{
    title_ = Format(Tr("Torvane(%1/40天)"), {std::to_string(kDaysPerGame - state_.daysLeft)});
    ui_.SetTitle(title_);
}

void Game::EndAction()
{
    if (--actionDepth_ == 0 && recorder_)
        recorder_->ActionEnds(*this);
}

void Game::GameBegins()
{
    if (recorder_)
        recorder_->GameBegins();
}

std::string Game::TradeCommand(const char* verb, ListId list) const
{
    const int row = list == ListId::Market ? market_.Selected() : room_.Selected();
    if (row < 0)
        return verb;
    const std::string& name = list == ListId::Market ? market_.rows[static_cast<std::size_t>(row)].name
                                                     : room_.rows[static_cast<std::size_t>(row)].name;
    return std::string(verb) + " " + std::to_string(GoodsIndex(name));
}

void Game::SelectRow(ListId list, int row)
{
    if (list == ListId::Market)
        market_.Select(row);
    else
        room_.Select(row);
    ui_.ListChanged(list);
}

void Game::SortList(ListId list, int column)
{
    const auto action = BeginAction([&] {
        return std::string(list == ListId::Market ? "sort market " : "sort room ") + std::to_string(column);
    });
    if (list == ListId::Market)
        SortByColumn(market_, column);
    else
        SortByColumn(room_, column);
    ui_.ListChanged(list);
}
