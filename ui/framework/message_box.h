#pragma once
// Message boxes as the game shows them: the executable's base name as caption.

#include <QString>

#include <functional>

#include "game/ui.h"

class QMessageBox;
class QWidget;

QString ExecutableBaseName();

void ShowMessageBox(QWidget* parent, const QString& text, Icon icon = Icon::Exclamation);

// A box with one OK button under a caption of its own.
void ShowCaptionedBox(QWidget* parent, const QString& caption, const QString& text, Icon icon);

// true for Yes.
bool AskYesNoBox(QWidget* parent, const QString& text, Icon icon);

// For tests: the next message box is not run; answer gets the box as it would
// be shown and returns the button that closes it. An empty function withdraws
// an answer that no box has taken.
using MessageBoxAnswer = std::function<int(QMessageBox& box)>;
void AnswerNextMessageBox(MessageBoxAnswer answer);
