#pragma once
// The airport's announcement (template 145): five fixed lines and OK.

#include "ui/framework/texts_dlg.h"

class CAirportDlg : public CTextsDlg {
    Q_OBJECT
public:
    CAirportDlg(const DialogRequest& request, QWidget* parent);
};
