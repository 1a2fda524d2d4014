#pragma once
// The congratulations dialog (template 164): the rank and title reached, and a
// name box. OK returns the name typed, Esc an empty name.

#include "ui/framework/texts_dlg.h"

class CCongratsDlg : public CTextsDlg {
    Q_OBJECT
public:
    CCongratsDlg(const DialogRequest& request, QWidget* parent);

    void accept() override;
    void reject() override;
};
