#pragma once
// The Ui port of the engine: everything the player would see is written as a
// JSON event; every question takes its answer from the words given after " -- ".

#include <deque>
#include <ostream>
#include <string>

#include "engine/answers.h"

class EngineUi : public HeadlessUi, private AnswerSource {
public:
    explicit EngineUi(std::ostream& out) : out_(out) {}

    // The answers for the command about to run.
    void SetAnswers(std::deque<std::string> answers) { answers_ = std::move(answers); }
    // Reports answers no question took, and forgets them.
    void DropLeftoverAnswers();

    void Error(const std::string& text);
    void Emit(const std::string& json);

    bool closeRequested() const { return closeRequested_; }
    bool closeOk() const { return closeOk_; }

    void ShowNews(const std::string& text) override;
    void ShowDiary(const std::string& middle, const std::string& top, const std::string& bottom) override;
    void ShowMessage(const std::string& text, Icon icon) override;
    bool AskYesNo(const std::string& text, Icon icon) override;
    DialogResult RunDialog(const DialogRequest& request) override;
    void PlaySound(const std::string& file) override;
    void CloseMainWindow(bool ok) override;
    void Exit(int status) override;

private:
    bool NextAnswer(std::string& answer) override;
    void AnswerFitsNothing(const std::string& answer) override;
    void ShowValidationMessage(const std::string& text) override { ShowMessage(text, Icon::Exclamation); }
    void Box(const std::string& text, Icon icon, const char* buttons);

    std::ostream& out_;
    std::deque<std::string> answers_;
    bool closeRequested_ = false;
    bool closeOk_ = false;
};
