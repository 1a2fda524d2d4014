#include "ui/records/congrats_dlg.h"

#include <QLineEdit>

#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"

CCongratsDlg::CCongratsDlg(const DialogRequest& request, QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, kCongratsTemplate);
    for (const auto& [id, text] : request.texts)
        SetControlText(this, id, QString::fromStdString(text));
    if (auto* edit = control<QLineEdit>(this, 1092))
        edit->setFocus();
}

void CCongratsDlg::accept()
{
    answer_.button = kIdOk;
    if (auto* edit = control<QLineEdit>(this, 1092))
        answer_.name = edit->text().toStdString();
    QDialog::accept();
}

void CCongratsDlg::reject()
{
    answer_.button = kIdCancel;
    answer_.name.clear();
    QDialog::reject();
}
