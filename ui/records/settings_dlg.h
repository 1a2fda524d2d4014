#pragma once
// The settings (template 165): bank hacking allowed and sound off. OK answers
// with the boxes as left; Cancel and Esc answer with them as they came.

#include <QDialog>

#include "game/ui.h"

class CSettingsDlg : public QDialog {
    Q_OBJECT
public:
    CSettingsDlg(const DialogRequest& request, QWidget* parent);

    DialogResult answer() const { return answer_; }

    void accept() override;
    void reject() override;

private:
    SettingsChecks entry_;
    DialogResult answer_;
};
