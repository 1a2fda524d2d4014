#include "engine/engine.h"

#include <deque>
#include <sstream>
#include <vector>

#include "engine/engine_ui.h"
#include "engine/json_writer.h"
#include "engine/line_reader.h"
#include "game/game.h"
#include "game/goods.h"

namespace {

std::string StateEvent(const Game& game)
{
    const GameState& s = game.state();
    JsonObject event;
    event.Add("ev", "state")
        .Add("cash", s.cash)
        .Add("debt", s.debt)
        .Add("savings", s.savings)
        .Add("health", s.health)
        .Add("fame", s.fame)
        .Add("daysLeft", s.daysLeft)
        .Add("location", s.location)
        .Add("mapMode", s.mapMode)
        .Add("roomCapacity", s.roomCapacity)
        .Add("goodsHeld", s.goodsHeld)
        .Add("lastBought", s.lastBought)
        .Add("lastSold", s.lastSold)
        .Add("cafeVisits", s.cafeVisits)
        .Add("soundOff", s.soundOff)
        .Add("hackerEnabled", s.hackerEnabled);
    std::vector<std::string> prices;
    for (std::int32_t price : s.marketPrices)
        prices.push_back(std::to_string(price));
    event.AddRaw("marketPrices", JsonArray(prices));
    std::vector<std::string> market;
    for (const MarketRow& row : game.market().rows)
        market.push_back(JsonStringArray({row.name, std::to_string(row.price)}));
    event.AddRaw("market", JsonArray(market));
    std::vector<std::string> room;
    for (const RoomRow& row : game.room().rows)
        room.push_back(JsonStringArray(CellTexts(row)));
    event.AddRaw("room", JsonArray(room));
    event.Add("title", game.title());
    return event.str();
}

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

bool ParseInt(const std::string& word, int lo, int hi, int& value)
{
    if (word.empty() || word.size() > 9 || word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(word);
    return value >= lo && value <= hi;
}

// The goods a word names: an index 0 to 7 or a goods name; -1 when neither.
int GoodsOfWord(const std::string& word)
{
    int index = 0;
    if (ParseInt(word, 0, 7, index))
        return index;
    return GoodsIndex(word);
}

template <class List>
void SelectGoods(List& list, const std::string& name)
{
    list.Select(name.empty() ? -1 : list.Find(name));
}

// Runs one command; false when it was not understood.
bool Dispatch(Game& game, const std::vector<std::string>& words)
{
    const std::string& verb = words[0];
    const std::size_t n = words.size();
    int number = 0;
    if (n == 1) {
        if (verb == "new") game.NewGame();
        else if (verb == "map") game.ToggleMap();
        else if (verb == "buy") { game.SelectRow(ListId::Market, -1); game.OnBuy(); }
        else if (verb == "sell") { game.SelectRow(ListId::Room, -1); game.OnSell(); }
        else if (verb == "buyall") game.OnBuyAll();
        else if (verb == "sellall") game.OnSellAll();
        else if (verb == "bank") game.OnBank();
        else if (verb == "hospital") game.OnHospital();
        else if (verb == "post") game.OnPostOffice();
        else if (verb == "rent") game.OnRentAgent();
        else if (verb == "cafe") game.OnNetCafe();
        else if (verb == "airport") game.OnAirport();
        else if (verb == "settings") game.OnSettings();
        else if (verb == "topten") game.OnTopTen();
        else if (verb == "quit") game.FinishGame();
        else return false;
        return true;
    }
    if (n == 2 && verb == "travel" && ParseInt(words[1], 1, 10, number)) {
        game.Travel(number);
        return true;
    }
    if (n == 2 && (verb == "buy" || verb == "sell")) {
        int goods = GoodsOfWord(words[1]);
        if (goods < 0)
            return false;
        const std::string name = game.GoodsName(goods);
        if (verb == "buy") {
            SelectGoods(game.market(), name);
            game.OnBuy();
        } else {
            SelectGoods(game.room(), name);
            game.OnSell();
        }
        return true;
    }
    if (n == 3 && verb == "sort" && (words[1] == "market" || words[1] == "room") &&
        ParseInt(words[2], 0, 2, number)) {
        game.SortList(words[1] == "market" ? ListId::Market : ListId::Room, number);
        return true;
    }
    return false;
}

}  // namespace

int RunEngine(std::istream& in, std::ostream& out, const std::string& dir)
{
    return RunEngine(in, out, GameFolders::Single(dir));
}

int RunEngine(std::istream& in, std::ostream& out, const GameFolders& folders)
{
    EngineUi ui(out);
    Game game(ui, folders);
    game.OpenWindow();
    ui.Emit(StateEvent(game));

    for (InputLine input; ReadInputLine(in, input);) {
        if (input.blankOrComment)
            continue;
        if (input.tooLong) {
            // Not echoed: the line could be as long as the input.
            ui.Error("line of " + std::to_string(input.length) + " bytes not understood: longer than " +
                     std::to_string(kMostLineBytes) + " bytes");
            ui.Emit(StateEvent(game));
            continue;
        }
        const std::string& line = input.text;
        std::vector<std::string> words = Words(line);
        std::vector<std::string> command;
        std::deque<std::string> answers;
        bool afterDashes = false;
        for (const std::string& word : words) {
            if (!afterDashes && word == "--")
                afterDashes = true;
            else if (afterDashes)
                answers.push_back(word);
            else
                command.push_back(word);
        }
        bool closes = false;
        if (command.empty()) {
            ui.Error("no command before --");
        } else if (command.size() == 1 && (command[0] == "ok" || command[0] == "cancel")) {
            // The window's own OK and Cancel: it closes, with no evaluation.
            ui.CloseMainWindow(command[0] == "ok");
            ui.SetAnswers(std::move(answers));
            ui.DropLeftoverAnswers();
        } else {
            ui.SetAnswers(std::move(answers));
            if (Dispatch(game, command)) {
                ui.DropLeftoverAnswers();
            } else {
                ui.SetAnswers({});
                ui.Error("not understood: " + line);
            }
        }
        closes = ui.closeRequested();
        ui.Emit(StateEvent(game));
        if (closes) {
            ui.Emit(JsonObject().Add("ev", "close").Add("result", ui.closeOk() ? "ok" : "cancel").str());
            return 0;
        }
    }
    return 0;
}
