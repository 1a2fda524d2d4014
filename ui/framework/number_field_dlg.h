#pragma once
// A quantity or amount dialog: texts set by control ID, a number edit with spin
// arrows, and the rules' validation on OK.

#include "ui/framework/texts_dlg.h"

class QLineEdit;
class CUpDown;

class CNumberFieldDlg : public CTextsDlg {
    Q_OBJECT
public:
    CNumberFieldDlg(const DialogTemplate& dialogTemplate, const DialogRequest& request,
                    QWidget* parent);

    // After OK the answer holds the validated number too.
    void accept() override;

private:
    NumberField field_;
    QLineEdit* edit_ = nullptr;
};
