#pragma once
// The game window (template 129, menu 159): hosts the lists, the station map,
// the status panel and the ticker, forwards every command to the game, and
// shows the game through the Ui port.

#include <QDialog>
#include <QIcon>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "game/game.h"
#include "game/replay_recorder.h"
#include "game/ui.h"
#include "ui/framework/sound_player.h"

class CTickerCtrl;
class CTradeListView;
class QMenuBar;
class RowDrag;

class CMainDlg : public QDialog, public Ui {
    Q_OBJECT
public:
    // dir holds every file (score.txt, news.txt, helpinfo, help.html), as a
    // portable copy's folder does.
    explicit CMainDlg(const std::string& dir, QWidget* parent = nullptr);
    explicit CMainDlg(GameFolders folders, QWidget* parent = nullptr);
    ~CMainDlg() override;

    Game& game() { return game_; }
    // Records every game that ends in its final evaluation; its replays go
    // beside score.txt unless another sink is set.
    ReplayRecorder& recorder() { return recorder_; }
    QMenuBar* menuBar() const { return menuBar_; }
    const SoundPlayer& soundPlayer() const { return sound_; }

    // Ui
    void ShowNews(const std::string& text) override;
    void ShowDiary(const std::string& middle, const std::string& top,
                   const std::string& bottom) override;
    void ShowMessage(const std::string& text, Icon icon) override;
    bool AskYesNo(const std::string& text, Icon icon) override;
    DialogResult RunDialog(const DialogRequest& request) override;
    void PlaySound(const std::string& file) override;
    void SetTitle(const std::string& title) override;
    void SetStatusText(StatusField field, const std::string& text) override;
    void SetFameColour(bool good) override;
    void ListChanged(ListId list) override;
    void FocusList(ListId list) override;
    void MapChanged(int mapMode) override;
    void CloseMainWindow(bool ok) override;
    void Exit(int status) override;
    void WaitingForFile() override;

    // Runs a game handler; a close the game asked for happens once the
    // outermost handler has returned.
    void Dispatch(const std::function<void()>& handler);

    // Commands of the window alone.
    void OnStory();
    void OnBoss();
    void OnCityIntro();
    void OnHelp();
    void OnAbout();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetUpLists();
    void SetUpStatusPanel();
    void SetUpTicker();
    void SetUpPlaceButtons();
    // Outside Chinese, widens the window where a text needs more room.
    void FitTexts(QWidget* client);
    void ConnectCommands();
    void ConnectList(CTradeListView* view, ListId list);
    void OnMenuCommand(int id);
    void OnDragEnded(QPoint globalPos);
    CTradeListView* View(ListId list) const;

    GameFolders folders_;
    ReplayRecorder recorder_;
    Game game_;
    SoundPlayer sound_;
    QMenuBar* menuBar_ = nullptr;
    CTradeListView* market_ = nullptr;
    CTradeListView* room_ = nullptr;
    CTickerCtrl* ticker_ = nullptr;
    QIcon rowIcon_;
    std::unique_ptr<RowDrag> drag_;
    QPointer<QDialog> lingering_;   // see GameDialogRun
    int dispatchDepth_ = 0;
    std::optional<bool> closeRequest_;
};
