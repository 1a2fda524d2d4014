#pragma once
// The congratulations dialog (template 164): the rank and title reached, and a
// name box. OK returns the name typed, Esc an empty name.

#include <QDialog>

#include "game/ui.h"

class CCongratsDlg : public QDialog {
    Q_OBJECT
public:
    CCongratsDlg(const DialogRequest& request, QWidget* parent);

    DialogResult answer() const { return answer_; }

    void accept() override;
    void reject() override;

private:
    DialogResult answer_;
};
