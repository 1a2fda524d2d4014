#include "ui/framework/number_field_dlg.h"

#include <QLineEdit>

#include "ui/framework/dialog_builder.h"
#include "ui/framework/message_box.h"
#include "ui/controls/up_down.h"

CNumberFieldDlg::CNumberFieldDlg(const DialogTemplate& dialogTemplate,
                                 const DialogRequest& request, QWidget* parent)
    : CTextsDlg(dialogTemplate, request, parent), field_(request.field.value_or(NumberField{}))
{
    edit_ = control<QLineEdit>(this, field_.controlId);
    if (edit_) {
        edit_->setText(QString::number(field_.value));
        edit_->selectAll();
        edit_->setFocus();
    }
    const auto spins = findChildren<CUpDown*>();
    for (CUpDown* spin : spins)
        spin->SetRange(field_.spinLower, field_.spinUpper);
}

void CNumberFieldDlg::accept()
{
    const QString text = edit_ ? edit_->text() : QString();
    const FieldCheck check = ValidateNumberField(field_, text.toStdString());
    if (!check.valid) {
        ShowMessageBox(this, QString::fromStdString(check.message), Icon::Exclamation);
        // Without a window manager nothing hands the keyboard back once the box is gone.
        activateWindow();
        if (edit_) {
            edit_->setFocus();
            edit_->selectAll();
        }
        return;
    }
    answerToFill().value = check.value;
    CTextsDlg::accept();
}
