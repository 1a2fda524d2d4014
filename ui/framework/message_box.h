#pragma once
// Message boxes as the game shows them: the executable's base name as caption.

#include <QString>

#include "game/ui.h"

class QWidget;

QString ExecutableBaseName();

void ShowMessageBox(QWidget* parent, const QString& text, Icon icon = Icon::Exclamation);

// true for Yes.
bool AskYesNoBox(QWidget* parent, const QString& text, Icon icon);
