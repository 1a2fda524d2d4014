#pragma once
// The game object: the main window's record of one game and every rule that
// runs in the window's handlers. It knows no widgets; it reaches the player only
// through the Ui port.

#include <cstdint>
#include <string>

#include "game/game_recorder.h"
#include "game/game_state.h"
#include "game/ui.h"
#include "places/trade_lists.h"
#include "records/game_folders.h"

struct TopTenEntry;

class Game {
public:
    // dir holds score.txt, news.txt, helpinfo and help.html, as beside the
    // executable of a portable copy.
    Game(Ui& ui, const std::string& dir);
    Game(Ui& ui, GameFolders folders);

    // Tells recorder (when not null) of every game and action from now on.
    void SetRecorder(GameRecorder* recorder) { recorder_ = recorder; }

    // What the main window does when it opens: the first market, one day's
    // interest, the lists, the status panel and the title.
    void OpenWindow();

    // System menu.
    void NewGame();
    void OnTopTen();
    void OnSettings();
    void FinishGame();

    // Day cycle.
    void Travel(int place);
    void ToggleMap();

    // Trading.
    void OnBuy();
    void OnSell();
    void OnBuyAll();
    void OnSellAll();
    void TransferSelected(ListId source);
    void SortList(ListId list, int column);
    void SelectRow(ListId list, int row);

    // Places that cost no day.
    void OnBank();
    void OnHospital();
    void OnPostOffice();
    void OnRentAgent();
    void OnNetCafe();
    void OnAirport();

    // Name of goods 0 to 8; other indexes report "ID error.".
    std::string GoodsName(int index);

    void UpdateStatus();

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    MarketList& market() { return market_; }
    const MarketList& market() const { return market_; }
    RoomList& room() { return room_; }
    const RoomList& room() const { return room_; }
    const std::string& title() const { return title_; }
    const GameFolders& folders() const { return folders_; }

    // Rules of the day, public for the tests that drive them one by one.
    void DrawPrices(int removals);
    void ApplyInterest();
    void RefreshMarket();
    void AdvanceDay();
    void RunMarketNews();
    void RunStreetEvents();
    void RunMoneyEvents();
    void EndOfGameSale();

private:
    // Marks a handler as an action of the player; only the outermost one of a
    // command reaches the recorder, named by describe().
    class ActionMark {
    public:
        explicit ActionMark(Game& game) : game_(game) {}
        ActionMark(const ActionMark&) = delete;
        ActionMark& operator=(const ActionMark&) = delete;
        ~ActionMark() { game_.EndAction(); }

    private:
        Game& game_;
    };
    template <class Describe>
    [[nodiscard]] ActionMark BeginAction(Describe describe)
    {
        if (actionDepth_++ == 0 && recorder_)
            recorder_->ActionBegins(describe());
        return ActionMark(*this);
    }
    void EndAction();
    void GameBegins();
    // The command of a trade with the row selected in list: "buy 3", or "buy"
    // with nothing selected.
    std::string TradeCommand(const char* verb, ListId list) const;

    void Play(const std::string& file);
    void Diary(const std::string& middle);
    void SetTitleFromDays();
    void ShowField(StatusField field, std::int64_t value);
    void BuyHalf();
    void SellHalf();
    // Writes the table back, with score (when given) entered into it as the file
    // holds it now, and shows it; false when score.txt could not be written and
    // the program has ended.
    bool ShowTopTen(const TopTenEntry* score, std::int32_t fame);

    Ui& ui_;
    GameFolders folders_;
    GameState state_;
    MarketList market_;
    RoomList room_;
    std::string title_;
    GameRecorder* recorder_ = nullptr;
    int actionDepth_ = 0;
};
