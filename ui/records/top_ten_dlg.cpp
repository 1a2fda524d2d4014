#include "ui/records/top_ten_dlg.h"

#include <QTreeWidget>

#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"
#include "ui/controls/report_list.h"

CTopTenDlg::CTopTenDlg(const DialogRequest& request, QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, kTopTenTemplate);
    auto* list = control<QTreeWidget>(this, 1045);
    SetUpReportList(list, {{"名次", 68}, {"姓名", 100}, {"金钱", 120}, {"健康程度", 80},
                           {"名声", 80}});
    FillReportRows(list, request.rows, request.selected);
}
