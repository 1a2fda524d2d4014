#pragma once
// The post office's repayment dialog (template 136): the village head's demand and the amount paid back.

#include "ui/framework/number_field_dlg.h"

class CRepayDlg : public CNumberFieldDlg {
    Q_OBJECT
public:
    CRepayDlg(const DialogRequest& request, QWidget* parent);
};
