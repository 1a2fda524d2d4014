#pragma once
// A Ui for the tests: records what the player would see, in order, and answers
// questions from a script of words (as the engine's answers: "ok", "cancel",
// "yes", "no", a number, "leave", "name=...", "soundoff=1", "hackers=1").

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "engine/answers.h"
#include "game/game.h"

struct SeenEvent {
    std::string kind;     // news, diary, box, dialog, sound, close, exit
    std::string text;     // news text, diary middle line, box text, sound file
    std::string top;
    std::string bottom;
    int id = 0;           // dialog template
    std::map<int, std::string> texts;
    std::string field;
    std::vector<std::vector<std::string>> rows;
    int selected = 0;
};

class ScriptedUi : public HeadlessUi, private AnswerSource {
public:
    std::vector<SeenEvent> events;
    std::deque<std::string> answers;
    int unanswered = 0;           // questions that found no answer left
    int misfits = 0;              // answers that fit no button
    bool closeRequested = false;
    bool closeOk = false;
    int exitStatus = 0;
    bool exited = false;
    std::string title;
    std::map<StatusField, std::string> status;
    bool fameGood = true;

    void Answer(std::initializer_list<std::string> words) { answers.insert(answers.end(), words); }
    // The events of one kind, in order.
    std::vector<SeenEvent> Of(const std::string& kind) const;
    // The middle lines of every diary shown.
    std::vector<std::string> Diaries() const;
    void Clear() { events.clear(); }

    void ShowNews(const std::string& text) override;
    void ShowDiary(const std::string& middle, const std::string& top, const std::string& bottom) override;
    void ShowMessage(const std::string& text, Icon icon) override;
    bool AskYesNo(const std::string& text, Icon icon) override;
    DialogResult RunDialog(const DialogRequest& request) override;
    void PlaySound(const std::string& file) override;
    void SetTitle(const std::string& text) override { title = text; }
    void SetStatusText(StatusField field, const std::string& text) override { status[field] = text; }
    void SetFameColour(bool good) override { fameGood = good; }
    void CloseMainWindow(bool ok) override;
    void Exit(int status) override;

private:
    bool NextAnswer(std::string& answer) override;
    void AnswerFitsNothing(const std::string& answer) override;
    void ShowValidationMessage(const std::string& text) override { ShowMessage(text, Icon::Exclamation); }
};

// A game in a fresh temporary folder with the generator seeded, as the window opens it.
struct TestGame {
    explicit TestGame(unsigned seed = 1);
    ~TestGame();
    ScriptedUi ui;
    std::string dir;
    Game game;
};
