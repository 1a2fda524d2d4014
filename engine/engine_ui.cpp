#include "engine/engine_ui.h"

#include <cstdlib>

#include "engine/json_writer.h"
#include "game/dialog_ids.h"

namespace {

const char* IconName(Icon icon)
{
    switch (icon) {
    case Icon::Question: return "question";
    case Icon::Information: return "information";
    case Icon::Stop: return "stop";
    case Icon::Exclamation: break;
    }
    return "exclamation";
}

}  // namespace

void EngineUi::Emit(const std::string& json)
{
    out_ << json << '\n';
    out_.flush();
}

void EngineUi::Error(const std::string& text)
{
    Emit(JsonObject().Add("ev", "error").Add("text", text).str());
}

void EngineUi::DropLeftoverAnswers()
{
    if (answers_.empty())
        return;
    std::string list;
    for (const std::string& answer : answers_)
        list += (list.empty() ? "" : " ") + answer;
    answers_.clear();
    Error("answers left over: " + list);
}

bool EngineUi::NextAnswer(std::string& answer)
{
    if (answers_.empty()) {
        Error("no answer left for the question");
        return false;
    }
    answer = answers_.front();
    answers_.pop_front();
    return true;
}

void EngineUi::AnswerFitsNothing(const std::string& answer)
{
    Error("answer '" + answer + "' fits no button of the question");
}

void EngineUi::ShowNews(const std::string& text)
{
    Emit(JsonObject().Add("ev", "news").Add("text", text).str());
}

void EngineUi::ShowDiary(const std::string& middle, const std::string& top, const std::string& bottom)
{
    Emit(JsonObject().Add("ev", "diary").Add("top", top).Add("middle", middle).Add("bottom", bottom).str());
}

void EngineUi::Box(const std::string& text, Icon icon, const char* buttons)
{
    Emit(JsonObject().Add("ev", "box").Add("text", text).Add("icon", IconName(icon)).Add("buttons", buttons).str());
}

void EngineUi::ShowMessage(const std::string& text, Icon icon)
{
    Box(text, icon, "ok");
}

bool EngineUi::AskYesNo(const std::string& text, Icon icon)
{
    Box(text, icon, "yesno");
    return AnswerYesNo(*this);
}

DialogResult EngineUi::RunDialog(const DialogRequest& request)
{
    JsonObject event;
    event.Add("ev", "dialog").Add("id", request.id);
    JsonObject texts;
    for (const auto& [id, text] : request.texts)
        texts.Add(std::to_string(id), text);
    event.AddRaw("texts", texts.str());
    if (request.field)
        event.Add("field", std::to_string(request.field->value));
    if (!request.rows.empty()) {
        std::vector<std::string> rows;
        for (const auto& row : request.rows)
            rows.push_back(JsonStringArray(row));
        event.AddRaw("rows", JsonArray(rows)).Add("selected", request.selected);
    }
    if (request.checks)
        event.AddRaw("checks", JsonObject()
                                   .Add(std::to_string(kIdHackersCheck), request.checks->hackersAllowed)
                                   .Add(std::to_string(kIdSoundOffCheck), request.checks->soundOff)
                                   .str());
    Emit(event.str());
    return AnswerDialog(request, *this);
}

void EngineUi::PlaySound(const std::string& file)
{
    Emit(JsonObject().Add("ev", "sound").Add("file", file).str());
}

void EngineUi::CloseMainWindow(bool ok)
{
    closeRequested_ = true;
    closeOk_ = ok;
}

void EngineUi::Exit(int status)
{
    Emit(JsonObject().Add("ev", "exit").Add("status", status).str());
    std::exit(status & 0xFF);
}
