#include "ui/records/diary_dlg.h"

#include <QStringList>

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
    // Read out as soon as the dialog opens, top to bottom.
    QStringList lines{topLine, middleLine, bottomLine};
    lines.removeAll(QString());
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
}
