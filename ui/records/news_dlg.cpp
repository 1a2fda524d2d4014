#include "ui/records/news_dlg.h"

#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"

CNewsDlg::CNewsDlg(const QString& text, QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, kNewsTemplate);
    SetControlText(this, 1052, text);
    // Read out as soon as the dialog opens.
    setAccessibleDescription(text);
}
