#include "ui/info/about_dlg.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"
#include "ui/framework/message_box.h"
#include "ui/info/fixed_text_dlgs.h"
#include "ui/info/info_ids.h"

namespace {

const char* const kCredit = "Programmed by Ardo Venn (author@torvane.example) 2000/12";

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, kAboutTemplate);
    auto* credit = control<QPushButton>(this, kCreditButtonId);
    credit->setAccessibleName(QStringLiteral("作者"));
    credit->setAutoDefault(false);
    credit->installEventFilter(this);
    connect(credit, &QPushButton::clicked, this, &CAboutDlg::OnCredit);
    connect(control<QPushButton>(this, kDonateButtonId), &QPushButton::clicked, this,
            &CAboutDlg::OnDonate);
    connect(control<QPushButton>(this, kStatementButtonId), &QPushButton::clicked, this,
            &CAboutDlg::OnStatement);
    // The picture is the game's icon.
    for (QLabel* label : findChildren<QLabel*>())
        if (!label->pixmap().isNull())
            label->setAccessibleName(QString::fromUtf8(kAboutTemplate.caption));
}

QString CAboutDlg::CreditText() { return QString::fromUtf8(kCredit); }

bool CAboutDlg::eventFilter(QObject* watched, QEvent* event)
{
    // A double click on the credit button tells the credit as a click does; the
    // click the press would start is not counted twice.
    if (event->type() == QEvent::MouseButtonDblClick &&
        watched == control<QPushButton>(this, kCreditButtonId)) {
        OnCredit();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

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
