#pragma once
// The bank's amount dialog (template 132): deposit or withdrawal, by the prompt the rules give.

#include "ui/framework/number_field_dlg.h"

class CCashDlg : public CNumberFieldDlg {
    Q_OBJECT
public:
    CCashDlg(const DialogRequest& request, QWidget* parent);
};
