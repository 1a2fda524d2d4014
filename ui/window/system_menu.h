#pragma once
// The main window's system menu, which no window manager draws here: Alt+Space
// pops it up. It holds the platform's entries for a window with a minimise box
// (minimise, and close, greyed because the game is left through "退    出"),
// and the one separator the game appends after them.

class QWidget;

void InstallSystemMenu(QWidget* window);
