#pragma once
// Menu 159 of the main window: three popups of numbered commands.

#include <functional>

class QAction;
class QMenuBar;
class QWidget;

// Builds the menu bar; every command calls onCommand with its ID.
QMenuBar* BuildMainMenu(QWidget* parent, const std::function<void(int)>& onCommand);

QAction* FindMenuCommand(const QMenuBar* menuBar, int id);
