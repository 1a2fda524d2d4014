#include <optional>

#include "game/game.h"
#include "game/money.h"
#include "records/help_page.h"
#include "records/top_ten.h"
#include "records/top_ten_dialogs.h"
#include "records/catalogue.h"
#include "game/text_format.h"

void Game::EndOfGameSale()
{
    Diary(Tr("俺已经在Varsen40天了，该回去结婚去了。"));
    if (room_.rows.empty())
        return;
    std::string names;
    for (const RoomRow& row : room_.rows)
        names = names.empty() ? row.name : Format(TrContext("list of goods", "%1%2"), {names, row.name});
    Diary(Format(Tr("系统替我卖了剩余货物: %1。"), {names}));
    for (const RoomRow& row : room_.rows)
        for (const MarketRow& offer : market_.rows)
            if (GoodsOf(offer) == GoodsOf(row))
                state_.cash = AddMoney(state_.cash, std::int64_t{offer.price} * row.quantity);
}

bool Game::ShowTopTen(const TopTenEntry* score, std::int32_t fame)
{
    int highlightRow = 0;
    auto enter = [&](TopTenTable& table) {
        if (score)
            highlightRow = InsertScore(table, score->name, score->money, score->health, fame);
    };
    // The player's data folder of an installed game appears with its first score.
    MakeUserFolder(folders_.score);
    switch (UpdateTopTen(folders_.score, TheTopTen(), enter, [this] { ui_.WaitingForFile(); })) {
    case ScoreSave::Saved:
        break;
    case ScoreSave::NotWritten:
        ui_.ShowMessage("Error: score file can not be opened.", Icon::Exclamation);
        ui_.Exit(-1);
        return false;
    case ScoreSave::KeptUnreadable:
        ui_.ShowMessage("Error: score file can not be opened.\n"
                        "Its rows do not all read back and no copy of it (score.txt.bak) could be "
                        "written, so score.txt is left as it was.",
                        Icon::Exclamation);
        ui_.Exit(-1);
        return false;
    }
    ui_.RunDialog(TopTenDialog(TheTopTen(), highlightRow));
    return true;
}

void Game::OnTopTen()
{
    const auto action = BeginAction([] { return std::string("topten"); });
    TheTopTen() = LoadTopTen(folders_.score, [this] { ui_.WaitingForFile(); });
    ShowTopTen(nullptr, 0);
}

void Game::FinishGame()
{
    const auto action = BeginAction([] { return std::string("quit"); });
    std::int32_t wealth = Saturate(std::int64_t{state_.savings} - state_.debt + state_.cash);
    if (wealth <= 0) {
        if (recorder_)
            recorder_->Evaluated(*this, wealth, -1);
        ui_.ShowNews(Tr("《Varsen游戏报》报道: 玩家“无名氏”在Varsen没挣着钱，被遣送回家。"));
        RemoveHelpPage(state_.helpPath);
        ui_.CloseMainWindow(true);
        return;
    }
    TopTenTable& table = TheTopTen();
    table = LoadTopTen(folders_.score, [this] { ui_.WaitingForFile(); });
    int place = FindRank(table, wealth);
    if (recorder_)
        recorder_->Evaluated(*this, wealth, place);
    std::optional<TopTenEntry> score;
    if (place != 100) {
        DialogResult congrats = ui_.RunDialog(CongratsDialog(place + 1, wealth));
        score = TopTenEntry{congrats.name, wealth, state_.health, ""};
    } else {
        ui_.ShowNews(Format(Tr("您挣的钱%1元人民币太少，没能进入富人前10名，下次努力哦!"), {std::to_string(wealth)}));
    }
    // The score enters the table as it is when it is saved: another game may
    // have saved its own in the meantime.
    if (!ShowTopTen(score ? &*score : nullptr, state_.fame))
        return;
    if (wealth > 10000000)
        ui_.ShowNews(Format(Tr("您挣的钱%1元人民币很高，建议您发给作者进行高手排行。"), {std::to_string(wealth)}));
    if (ui_.AskYesNo(Tr("嗨, 再玩一把吗?"), Icon::Question)) {
        state_.daysLeft = kDaysPerGame;
        NewGame();
        return;
    }
    RemoveHelpPage(state_.helpPath);
    ui_.CloseMainWindow(true);
}
