#include "ui/info/about_dlg.h"

#include <QPushButton>

#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"
#include "ui/framework/message_box.h"
#include "ui/info/fixed_text_dlgs.h"
#include "ui/info/info_ids.h"
#include "ui/framework/text_fit.h"
#include "ui/framework/tr.h"

namespace {

const char* const kCredit = "Programmed by Ardo Venn (author@torvane.example) 2000/12";

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, kAboutTemplate);
    auto* credit = control<QPushButton>(this, kCreditButtonId);
    credit->setAutoDefault(false);
    // The credit is a secret: the button is a speck beside the icon.
    MarkAsHotspot(credit);
    // A double click presses the button again, so it tells the credit too.
    connect(credit, &QPushButton::clicked, this, &CAboutDlg::OnCredit);
    connect(control<QPushButton>(this, kDonateButtonId), &QPushButton::clicked, this,
            &CAboutDlg::OnDonate);
    connect(control<QPushButton>(this, kStatementButtonId), &QPushButton::clicked, this,
            &CAboutDlg::OnStatement);
}

QString CAboutDlg::CreditText() { return QString::fromUtf8(kCredit); }

void CAboutDlg::OnCredit() { ShowMessageBox(this, CreditText()); }

void CAboutDlg::OnDonate()
{
    CDonateDlg dialog(this);
    dialog.exec();
}

void CAboutDlg::OnStatement()
{
    CStatementDlg dialog(this);
    dialog.exec();
}
