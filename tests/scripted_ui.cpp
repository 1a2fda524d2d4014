#include "scripted_ui.h"

#include <filesystem>
#include <random>

#include "game/random_source.h"
#include "places/fame_penalties.h"

std::vector<SeenEvent> ScriptedUi::Of(const std::string& kind) const
{
    std::vector<SeenEvent> out;
    for (const SeenEvent& event : events)
        if (event.kind == kind)
            out.push_back(event);
    return out;
}

std::vector<std::string> ScriptedUi::Diaries() const
{
    std::vector<std::string> out;
    for (const SeenEvent& event : Of("diary"))
        out.push_back(event.text);
    return out;
}

void ScriptedUi::AnswerFitsNothing(const std::string&)
{
    ++misfits;
}

bool ScriptedUi::NextAnswer(std::string& answer)
{
    if (answers.empty()) {
        ++unanswered;
        return false;
    }
    answer = answers.front();
    answers.pop_front();
    return true;
}

void ScriptedUi::ShowNews(const std::string& text)
{
    events.push_back({"news", text, "", "", 0, {}, "", {}, 0});
}

void ScriptedUi::ShowDiary(const std::string& middle, const std::string& top, const std::string& bottom)
{
    events.push_back({"diary", middle, top, bottom, 0, {}, "", {}, 0});
}

void ScriptedUi::ShowMessage(const std::string& text, Icon)
{
    events.push_back({"box", text, "", "", 0, {}, "", {}, 0});
}

bool ScriptedUi::AskYesNo(const std::string& text, Icon)
{
    events.push_back({"question", text, "", "", 0, {}, "", {}, 0});
    return AnswerYesNo(*this);
}

DialogResult ScriptedUi::RunDialog(const DialogRequest& request)
{
    SeenEvent event{"dialog", "", "", "", request.id, {}, "", request.rows, request.selected};
    for (const auto& [id, text] : request.texts)
        event.texts[id] = text;
    if (request.field)
        event.field = std::to_string(request.field->value);
    events.push_back(event);
    return AnswerDialog(request, *this);
}

void ScriptedUi::PlaySound(const std::string& file)
{
    events.push_back({"sound", file, "", "", 0, {}, "", {}, 0});
}

void ScriptedUi::CloseMainWindow(bool ok)
{
    closeRequested = true;
    closeOk = ok;
    events.push_back({"close", ok ? "ok" : "cancel", "", "", 0, {}, "", {}, 0});
}

void ScriptedUi::Exit(int status)
{
    exited = true;
    exitStatus = status;
    events.push_back({"exit", std::to_string(status), "", "", 0, {}, "", {}, 0});
}

namespace {

std::string FreshDir()
{
    static std::mt19937 names(std::random_device{}());
    auto dir = std::filesystem::temp_directory_path() / ("torvane-test-" + std::to_string(names()));
    std::filesystem::create_directories(dir);
    return dir.string();
}

}  // namespace

TestGame::TestGame(unsigned seed) : dir(FreshDir()), game(ui, dir)
{
    SeedRandom(seed);
    fameMessageFlags = FameMessageFlags();
    game.OpenWindow();
    ui.Clear();
}

TestGame::~TestGame()
{
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}
