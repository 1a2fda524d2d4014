#pragma once
// The dialogs the rules run through Ui::RunDialog, found by template number in
// one table. A template without a dialog is reported in a stop box and answers
// as cancelled.

#include <memory>

#include <QDialog>

#include "game/ui.h"

class QWidget;

bool HasGameDialog(int id);

// A dialog whose answer leads on to another dialog of the same visit stays on
// screen, not modal, under that one: the bank, when a deposit or a withdrawal
// was chosen, under the amount it asks for. Its owner closes it once the next
// dialog has closed.
struct GameDialogRun {
    DialogResult answer;
    std::unique_ptr<QDialog> lingering;
};

GameDialogRun RunGameDialog(const DialogRequest& request, QWidget* parent);
