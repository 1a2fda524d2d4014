#pragma once
// The top-ten table (template 137): ten rows, the highlighted one selected.

#include <QDialog>

#include "game/ui.h"

class CTopTenDlg : public QDialog {
    Q_OBJECT
public:
    CTopTenDlg(const DialogRequest& request, QWidget* parent);
};
