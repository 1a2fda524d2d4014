#pragma once
// Message boxes as the game shows them: the executable's base name as caption.

#include <QString>

#include "game/ui.h"

class QWidget;

QString ExecutableBaseName();

void ShowMessageBox(QWidget* parent, const QString& text, Icon icon = Icon::Exclamation);

// A box with one OK button under a caption of its own.
void ShowCaptionedBox(QWidget* parent, const QString& caption, const QString& text, Icon icon);

// true for Yes.
bool AskYesNoBox(QWidget* parent, const QString& text, Icon icon);
