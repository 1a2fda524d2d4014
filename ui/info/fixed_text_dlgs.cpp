#include "ui/info/fixed_text_dlgs.h"

#include "ui/framework/dialog_builder.h"

CFixedTextDlg::CFixedTextDlg(const DialogTemplate& dialogTemplate, QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, dialogTemplate);
}
