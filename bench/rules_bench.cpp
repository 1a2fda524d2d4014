// Speed of the rules with a Ui that shows nothing and answers every question
// with its default: days through AdvanceDay, and whole 40-day games.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "engine/answers.h"
#include "game/game.h"
#include "game/random_source.h"

namespace {

// Shows nothing and confirms every dialog with what it proposes.
class SilentUi : public HeadlessUi {
public:
    void ShowNews(const std::string&) override {}
    void ShowDiary(const std::string&, const std::string&, const std::string&) override {}
    void ShowMessage(const std::string&, Icon) override {}
    bool AskYesNo(const std::string&, Icon) override { return false; }
    DialogResult RunDialog(const DialogRequest& request) override
    {
        DialogResult result;
        result.button = kIdOk;
        if (request.field)
            result.value = static_cast<std::int32_t>(request.field->value);
        return result;
    }
    void PlaySound(const std::string&) override {}
    void CloseMainWindow(bool) override {}
    void Exit(int) override {}
};

void DaysThroughAdvanceDay(benchmark::State& bench)
{
    SeedRandom(1);
    SilentUi ui;
    Game game(ui, std::filesystem::temp_directory_path().string());
    game.OpenWindow();
    for (auto _ : bench) {
        // Keep the game in its middle days so that no day ends it.
        game.state().daysLeft = 20;
        game.state().health = 100;
        game.AdvanceDay();
        benchmark::DoNotOptimize(game.state().cash);
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(DaysThroughAdvanceDay);

// A whole game of travel, ending at the final evaluation; the quit of the last
// day is answered "no more", so the evaluation writes score.txt once a game.
void WholeGames(benchmark::State& bench)
{
    SeedRandom(1);
    SilentUi ui;
    const std::string dir = (std::filesystem::temp_directory_path() / "torvane-bench").string();
    std::filesystem::create_directories(dir);
    for (auto _ : bench) {
        Game game(ui, dir);
        game.OpenWindow();
        for (int day = 0; day < 40 && game.state().daysLeft > 0; ++day) {
            game.Travel(day % 10 + 1);
        }
        benchmark::DoNotOptimize(game.state().cash);
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(WholeGames);

}  // namespace

BENCHMARK_MAIN();
