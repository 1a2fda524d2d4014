#include "ui/framework/texts_dlg.h"

#include <QPushButton>

#include "ui/framework/dialog_builder.h"

CTextsDlg::CTextsDlg(const DialogTemplate& dialogTemplate, const DialogRequest& request,
                     QWidget* parent)
    : QDialog(parent)
{
    SetUpDialog(this, dialogTemplate);
    for (const auto& [id, text] : request.texts)
        SetControlText(this, id, QString::fromStdString(text));
}

void CTextsDlg::accept()
{
    answer_.button = kIdOk;
    QDialog::accept();
}

void CTextsDlg::reject()
{
    answer_.button = kIdCancel;
    QDialog::reject();
}

void CTextsDlg::AnswerWith(int buttonId)
{
    auto* button = control<QPushButton>(this, buttonId);
    if (!button) {
        qWarning("%s has no button %d", qPrintable(windowTitle()), buttonId);
        return;
    }
    connect(button, &QPushButton::clicked, this, [this, buttonId] {
        answer_.button = buttonId;
        done(buttonId);
    });
}
