#pragma once
// The story screen (template 166). Mode 0 is the loading screen at start-up:
// five loading messages on a 330 ms timer, then the help page is written and
// the start button enabled. Mode 1 is the story from the menu, button enabled.

#include <QBasicTimer>
#include <QDialog>

#include <string>

#include "records/game_folders.h"

class CStoryDlg : public QDialog {
    Q_OBJECT
public:
    // helpinfo is read from the content folder, help.html written to the help folder.
    CStoryDlg(int mode, GameFolders folders, QWidget* parent = nullptr);
    CStoryDlg(int mode, const std::string& dir, QWidget* parent = nullptr);

protected:
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void PrepareHelp();

    int mode_;
    GameFolders folders_;
    QBasicTimer timer_;
};
