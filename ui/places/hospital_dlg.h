#pragma once
// The hospital's treatment dialog (template 135): the doctor's line and the points to treat, at least 1.

#include "ui/framework/number_field_dlg.h"

class CHospitalDlg : public CNumberFieldDlg {
    Q_OBJECT
public:
    CHospitalDlg(const DialogRequest& request, QWidget* parent);
};
