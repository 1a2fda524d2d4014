#pragma once
// The dialogs the rules run through Ui::RunDialog, chosen by template number.

#include "game/ui.h"

class QWidget;

DialogResult RunGameDialog(const DialogRequest& request, QWidget* parent);
