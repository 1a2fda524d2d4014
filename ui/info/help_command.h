#pragma once
// The help command: opens the help page with the desktop's default handler, or,
// where nothing can open it, in the game's own viewer.

#include <string>

class QWidget;

// A page that is missing is told in a stop box owned by owner.
void OpenHelpPage(QWidget* owner, const std::string& helpPath);
