#include "engine/answers.h"

#include "game/dialog_ids.h"

namespace {

DialogResult AnswerNumberField(const NumberField& field, AnswerSource& answers)
{
    DialogResult result;
    std::string text = std::to_string(field.value);
    std::string answer;
    while (answers.NextAnswer(answer)) {
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
        answers.ShowValidationMessage(check.message);
    }
    return result;
}

DialogResult AnswerSettings(const SettingsChecks& checks, AnswerSource& answers)
{
    DialogResult result;
    result.checks = checks;
    std::string answer;
    while (answers.NextAnswer(answer)) {
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
            answers.AnswerFitsNothing(answer);
    }
    return result;
}

// Esc, or no answer, leaves the name empty and confirms.
DialogResult AnswerCongratulations(AnswerSource& answers)
{
    DialogResult result;
    result.button = kIdOk;
    std::string answer;
    while (answers.NextAnswer(answer)) {
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
        answers.AnswerFitsNothing(answer);
    }
    return result;
}

// OK and Cancel; the bank's deposit is its OK, its withdraw its Cancel (Esc).
DialogResult AnswerButtons(bool bank, AnswerSource& answers)
{
    DialogResult result;
    std::string answer;
    while (answers.NextAnswer(answer)) {
        if (answer == "ok" || (bank && answer == "deposit")) {
            result.button = kIdOk;
            return result;
        }
        if (answer == "cancel" || (bank && answer == "withdraw"))
            return result;
        if (bank && answer == "leave") {
            result.button = kIdBankLeave;
            return result;
        }
        answers.AnswerFitsNothing(answer);
    }
    return result;
}

}  // namespace

bool AnswerYesNo(AnswerSource& answers)
{
    std::string answer;
    while (answers.NextAnswer(answer)) {
        if (answer == "yes")
            return true;
        if (answer == "no")
            return false;
        answers.AnswerFitsNothing(answer);
    }
    return false;
}

DialogResult AnswerDialog(const DialogRequest& request, AnswerSource& answers)
{
    if (OnlyInforms(request.id)) {
        DialogResult result;
        result.button = kIdOk;
        return result;
    }
    if (request.field)
        return AnswerNumberField(*request.field, answers);
    if (request.checks)
        return AnswerSettings(*request.checks, answers);
    if (request.id == kCongratsDialogId)
        return AnswerCongratulations(answers);
    return AnswerButtons(request.id == kBankDialogId, answers);
}
