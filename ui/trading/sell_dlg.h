#pragma once
// The sell-quantity dialog (template 130).

#include "ui/framework/number_field_dlg.h"

class CSellDlg : public CNumberFieldDlg {
    Q_OBJECT
public:
    CSellDlg(const DialogRequest& request, QWidget* parent);
};
