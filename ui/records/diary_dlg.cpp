#include "ui/records/diary_dlg.h"

#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"

CDiaryDlg::CDiaryDlg(const QString& bottomLine, const QString& topLine,
                     const QString& middleLine, QWidget* parent)
    : QDialog(parent)
{
    SetUpDialog(this, kDiaryTemplate);
    SetControlText(this, 1052, middleLine);
    SetControlText(this, 1109, topLine);
    SetControlText(this, 1110, bottomLine);
}
