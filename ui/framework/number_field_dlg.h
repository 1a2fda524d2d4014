#pragma once
// A quantity or amount dialog: texts set by control ID, a number edit with spin
// arrows, and the rules' validation on OK.

#include <QDialog>

#include "game/ui.h"
#include "ui/framework/dialog_template.h"

class QLineEdit;
class CUpDown;

class CNumberFieldDlg : public QDialog {
    Q_OBJECT
public:
    CNumberFieldDlg(const DialogTemplate& dialogTemplate, const DialogRequest& request,
                    QWidget* parent);

    // The button that closed the dialog and, after OK, the validated number.
    DialogResult answer() const { return answer_; }

    void accept() override;
    void reject() override;

private:
    NumberField field_;
    QLineEdit* edit_ = nullptr;
    DialogResult answer_;
};
