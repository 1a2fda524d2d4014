#pragma once
// The rent agent's offer (template 163): the room now and the room offered; OK takes the deal.

#include "ui/framework/texts_dlg.h"

class CRentAgentDlg : public CTextsDlg {
    Q_OBJECT
public:
    CRentAgentDlg(const DialogRequest& request, QWidget* parent);
};
