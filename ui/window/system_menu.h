#pragma once
// The main window's system menu, which no window manager draws here: Alt+Space
// pops it up. It holds the about entry and the close entry, greyed because the
// game is left through "退    出".

#include <functional>

class QWidget;

void InstallSystemMenu(QWidget* window, const std::function<void()>& onAbout);
