#pragma once
// How the player's answers, given as words, work the questions and dialogs: the
// engine takes them from its input, the tests from their scripts.

#include <string>

#include "game/ui.h"

class AnswerSource {
public:
    virtual ~AnswerSource() = default;
    // The next answer; false (after reporting it) when none is left.
    virtual bool NextAnswer(std::string& answer) = 0;
    virtual void AnswerFitsNothing(const std::string& answer) = 0;
    // A validation message box of a number field.
    virtual void ShowValidationMessage(const std::string& text) = 0;
};

// "yes" or "no"; No when no answer is left.
bool AnswerYesNo(AnswerSource& answers);

// Works a dialog with the answers: "ok", "cancel", a number typed into the
// number field, the bank's "deposit", "withdraw" and "leave", the settings'
// "soundoff=N" and "hackers=N", the congratulations' "name=TEXT". Dialogs that
// only inform take no answer.
DialogResult AnswerDialog(const DialogRequest& request, AnswerSource& answers);

// A Ui that shows nothing of the window itself: no title, status, lists or map.
class HeadlessUi : public Ui {
public:
    void SetTitle(const std::string&) override {}
    void SetStatusText(StatusField, const std::string&) override {}
    void SetFameColour(bool) override {}
    void ListChanged(ListId) override {}
    void FocusList(ListId) override {}
    void MapChanged(int) override {}
};
