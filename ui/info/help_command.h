#pragma once
// The help command: opens the help page with the desktop's default handler.

#include <string>

class QWidget;

// A page that is missing or that nothing can open is told in a stop box owned
// by owner.
void OpenHelpPage(QWidget* owner, const std::string& helpPath);
