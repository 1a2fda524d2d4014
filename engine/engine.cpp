#include "engine/engine.h"

#include <vector>

#include "engine/commands.h"
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

}  // namespace

int RunEngine(std::istream& in, std::ostream& out, const std::string& dir)
{
    return RunEngine(in, out, GameFolders::Single(dir));
}

int RunEngine(std::istream& in, std::ostream& out, const GameFolders& folders, ReplaySink replays)
{
    EngineUi ui(out);
    const bool recording = static_cast<bool>(replays);
    ReplayRecorder recorder(ui, std::move(replays));
    Game game(recording ? static_cast<Ui&>(recorder) : ui, folders);
    if (recording)
        game.SetRecorder(&recorder);
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
        auto [command, answers] = SplitAnswers(Words(line));
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
            if (DispatchCommand(game, command)) {
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
