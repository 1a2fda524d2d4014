#pragma once
// The dialogs the rules run through Ui::RunDialog, found by template number in
// one table. A template without a dialog is reported in a stop box and answers
// as cancelled.

#include "game/ui.h"

class QWidget;

bool HasGameDialog(int id);

DialogResult RunGameDialog(const DialogRequest& request, QWidget* parent);
