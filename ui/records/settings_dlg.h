#pragma once
// The settings (template 165): bank hacking allowed and sound off. OK answers
// with the boxes as left; Cancel and Esc answer with them as they came.

#include "ui/framework/texts_dlg.h"

class CSettingsDlg : public CTextsDlg {
    Q_OBJECT
public:
    CSettingsDlg(const DialogRequest& request, QWidget* parent);

    void accept() override;
    void reject() override;

private:
    SettingsChecks entry_;
};
