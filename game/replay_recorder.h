#pragma once
// Records every game that reaches its final evaluation as the text of a replay
// file. It stands between the game and a front end's Ui: every call passes on
// unchanged and in order, while the recorder notes what the player was shown
// and the answers the player gave.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/game_recorder.h"
#include "game/replay_format.h"
#include "game/ui.h"

struct FinishedReplay {
    std::string text;
    std::int32_t wealth = 0;
};
using ReplaySink = std::function<void(const FinishedReplay&)>;

// Sees the modal calls before they reach the player, for a front end that
// works the dialogs itself (the window's playback of a replay).
class ModalWatcher {
public:
    enum class Kind { Inform, YesNo, Dialog };
    virtual ~ModalWatcher() = default;
    virtual void BeforeModal(Kind kind, const DialogRequest* request) = 0;
    // The game has asked the main window to close.
    virtual void BeforeClose() = 0;
};

// What the last action left, for comparing a game with a replay file.
struct ActionOutcome {
    std::string command;      // with its answers
    std::string check;        // its check line, or the new game's start check
    std::string result;       // the result line, when the action brought the final evaluation
    bool beganGame = false;   // check is the start check of a game begun by the action
};

class ReplayRecorder : public Ui, public GameRecorder {
public:
    explicit ReplayRecorder(Ui& player, ReplaySink sink = {});

    void SetSink(ReplaySink sink) { sink_ = std::move(sink); }
    void SetWatcher(ModalWatcher* watcher) { watcher_ = watcher; }
    const ActionOutcome& last() const { return last_; }

    void GameBegins() override;
    void ActionBegins(const std::string& command) override;
    void ActionEnds(const Game& game) override;
    void Evaluated(const Game& game, std::int32_t wealth, int place) override;

    void ShowNews(const std::string& text) override;
    void ShowDiary(const std::string& middle, const std::string& top, const std::string& bottom) override;
    void ShowMessage(const std::string& text, Icon icon) override;
    bool AskYesNo(const std::string& text, Icon icon) override;
    DialogResult RunDialog(const DialogRequest& request) override;
    void PlaySound(const std::string& file) override;
    void SetTitle(const std::string& title) override { player_.SetTitle(title); }
    void SetStatusText(StatusField field, const std::string& text) override { player_.SetStatusText(field, text); }
    void SetFameColour(bool good) override { player_.SetFameColour(good); }
    void ListChanged(ListId list) override { player_.ListChanged(list); }
    void FocusList(ListId list) override { player_.FocusList(list); }
    void MapChanged(int mapMode) override { player_.MapChanged(mapMode); }
    void WaitingForFile() override { player_.WaitingForFile(); }
    void CloseMainWindow(bool ok) override;
    void Exit(int status) override;

private:
    bool Recording() const { return live_ && inAction_; }
    void Watch(ModalWatcher::Kind kind, const DialogRequest* request);
    std::string CommandText() const;
    // Ends the game's recording with its last command and the result line.
    void Finish();

    Ui& player_;
    ReplaySink sink_;
    ModalWatcher* watcher_ = nullptr;
    bool live_ = false;             // a game is being recorded
    bool startPending_ = false;     // its header and start check are written when the action ends
    std::uint32_t random_ = 0;
    std::vector<std::string> lines_;
    bool inAction_ = false;
    std::string command_;
    std::vector<std::string> answers_;
    ShownDigest shown_;
    std::optional<ReplayResult> result_;
    ActionOutcome last_;
};
