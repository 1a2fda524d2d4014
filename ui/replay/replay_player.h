#pragma once
// Plays a replay file back in the real game window at a readable pace: each
// command is shown on a line over the window, then run; its dialogs open and
// are answered as the file says, a moment each. Space pauses, Esc stops. The
// game's files go to a scratch folder, so the player's score.txt is never
// written, and the end tells whether the game went as the file says.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "engine/replay_verify.h"
#include "game/replay_format.h"
#include "game/replay_recorder.h"
#include "records/game_folders.h"

class CMainDlg;
class QLabel;

struct ReplayPace {
    int commandMs = 900;    // from one command to the next
    int dialogMs = 1300;    // a dialog shown before it is answered
};

class ReplayPlayer : public QObject, public ModalWatcher {
    Q_OBJECT
public:
    ReplayPlayer(CMainDlg& window, ParsedReplay replay, ReplayPace pace);
    ~ReplayPlayer() override;

    // Plays the commands one after another; the window closes when they are done.
    void Start();
    // The first difference from the file, as the verifier words it; empty while there is none.
    const std::string& difference() const { return difference_; }
    bool stopped() const { return stopped_; }
    bool paused() const { return paused_; }
    // Commands played so far.
    std::size_t played() const { return next_; }

    void BeforeModal(Kind kind, const DialogRequest* request) override;
    void BeforeClose() override { closeAsked_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the next modal dialog or box is to be answered with.
    struct Plan {
        Kind kind = Kind::Inform;
        bool yes = false;
        std::optional<DialogRequest> request;
        DialogResult result;
    };
    void RunNext();
    void Operate();
    void Press(QPointer<QWidget> modal, Plan plan);
    void End();
    void Later(int ms, void (ReplayPlayer::*step)());
    int Pace(int ms) const { return stopped_ ? 0 : ms; }
    void ShowLine(const QString& text);

    CMainDlg& window_;
    ParsedReplay replay_;
    ReplayPace pace_;
    std::size_t next_ = 0;
    ReplayAnswers answers_;
    std::optional<Plan> plan_;
    QPointer<QWidget> operated_;
    QLabel* line_ = nullptr;
    QString shownLine_;
    std::string difference_;
    bool paused_ = false;
    bool stopped_ = false;
    bool ended_ = false;
    bool closeAsked_ = false;
};

struct ReplayRun {
    int status = 2;      // 0 as the file says, 1 otherwise, 2 no replay
    QString summary;     // what the end of the playback tells the player
    std::string line;    // the verifier's line: "verified: ...", the difference or the error
};

// Plays FILE in a window whose content comes from folders.content; atEnd
// (when given) runs with the window still shown, the game's last state in it.
ReplayRun PlayReplay(const std::string& file, const GameFolders& folders, ReplayPace pace = {},
                     const std::function<void(QWidget*, const ReplayRun&)>& atEnd = {});

// torvane --replay FILE: plays it, prints the verifier's line, ends showing the summary.
int PlayReplayFile(const std::string& file, const GameFolders& folders);
