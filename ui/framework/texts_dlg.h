#pragma once
// A dialog that shows the texts the rules set on entry and answers with the
// button that closed it: OK (button 1, Enter), Cancel (button 2, Esc and the
// close box), or another button of its template made to answer for itself.
// The number, name and settings dialogs build on it and add to the answer.

#include <QDialog>

#include "game/ui.h"
#include "ui/framework/dialog_template.h"

class CTextsDlg : public QDialog {
    Q_OBJECT
public:
    CTextsDlg(const DialogTemplate& dialogTemplate, const DialogRequest& request, QWidget* parent);

    DialogResult answer() const { return answer_; }

    void accept() override;
    void reject() override;

protected:
    // The push button buttonId closes the dialog with buttonId as the answer.
    void AnswerWith(int buttonId);
    // For dialogs that answer with more than the button: a number, a name, the checks.
    DialogResult& answerToFill() { return answer_; }

private:
    DialogResult answer_;
};
