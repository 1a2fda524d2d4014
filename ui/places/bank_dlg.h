#pragma once
// The bank (template 133): the greeting, and deposit (OK), withdraw (Cancel, so also Esc and the close box) or leave.

#include "ui/framework/texts_dlg.h"

class CBankDlg : public CTextsDlg {
    Q_OBJECT
public:
    CBankDlg(const DialogRequest& request, QWidget* parent);
};
