#include "engine/engine_ui.h"

#include <cstdlib>

#include "engine/json_writer.h"

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

// Dialogs that only inform close by themselves and take no answer.
bool OnlyInforms(int id)
{
    return id == 160 || id == 145 || id == 137;
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
    std::string answer;
    while (NextAnswer(answer)) {
        if (answer == "yes")
            return true;
        if (answer == "no")
            return false;
        AnswerFitsNothing(answer);
    }
    return false;
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
                                   .Add("1100", request.checks->hackersAllowed)
                                   .Add("1098", request.checks->soundOff)
                                   .str());
    Emit(event.str());

    DialogResult result;
    if (OnlyInforms(request.id)) {
        result.button = kIdOk;
        return result;
    }
    if (request.field)
        return RunNumberDialog(*request.field);
    if (request.checks)
        return RunSettings(*request.checks);

    std::string answer;
    if (request.id == 164) {
        result.button = kIdOk;
        while (NextAnswer(answer)) {
            if (answer == "ok")
                return result;
            if (answer == "cancel") {
                result.button = kIdCancel;
                return result;
            }
            if (answer.rfind("name=", 0) == 0) {
                result.name = answer.substr(5);
                return result;
            }
            AnswerFitsNothing(answer);
        }
        return result;
    }
    const bool bank = request.id == 133;
    while (NextAnswer(answer)) {
        if (answer == "ok" || (bank && answer == "deposit")) {
            result.button = kIdOk;
            return result;
        }
        if (answer == "cancel" || (bank && answer == "withdraw")) {
            result.button = kIdCancel;
            return result;
        }
        if (bank && answer == "leave") {
            result.button = kIdBankLeave;
            return result;
        }
        AnswerFitsNothing(answer);
    }
    result.button = kIdCancel;
    return result;
}

DialogResult EngineUi::RunNumberDialog(const NumberField& field)
{
    DialogResult result;
    std::string text = std::to_string(field.value);
    std::string answer;
    while (NextAnswer(answer)) {
        if (answer == "cancel")
            return result;
        if (answer != "ok")
            text = answer;
        FieldCheck check = ValidateNumberField(field, text);
        if (check.valid) {
            result.button = kIdOk;
            result.value = check.value;
            return result;
        }
        ShowMessage(check.message, Icon::Exclamation);
    }
    return result;
}

DialogResult EngineUi::RunSettings(const SettingsChecks& checks)
{
    DialogResult result;
    result.checks = checks;
    std::string answer;
    while (NextAnswer(answer)) {
        if (answer == "ok") {
            result.button = kIdOk;
            return result;
        }
        if (answer == "cancel")
            return result;
        if (answer == "soundoff=0" || answer == "soundoff=1")
            result.checks.soundOff = answer.back() - '0';
        else if (answer == "hackers=0" || answer == "hackers=1")
            result.checks.hackersAllowed = answer.back() - '0';
        else
            AnswerFitsNothing(answer);
    }
    return result;
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
