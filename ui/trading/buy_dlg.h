#pragma once
// The buy-quantity dialog (template 131).

#include "ui/framework/number_field_dlg.h"

class CBuyDlg : public CNumberFieldDlg {
    Q_OBJECT
public:
    CBuyDlg(const DialogRequest& request, QWidget* parent);
};
