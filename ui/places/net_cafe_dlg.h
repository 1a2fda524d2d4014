#pragma once
// The internet cafe (template 160): a page of links, closed with "离开网吧".

#include <QDialog>

#include "game/ui.h"

class CNetCafeDlg : public QDialog {
    Q_OBJECT
public:
    CNetCafeDlg(const DialogRequest& request, QWidget* parent);
};
