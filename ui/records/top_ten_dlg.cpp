#include "ui/records/top_ten_dlg.h"

#include <QTreeWidget>

#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"
#include "ui/controls/report_list.h"
#include "ui/framework/tr.h"

CTopTenDlg::CTopTenDlg(const DialogRequest& request, QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, kTopTenTemplate);
    auto* list = control<QTreeWidget>(this, 1045);
    SetUpReportList(list, {{Tr("名次"), 68}, {Tr("姓名"), 100}, {Tr("金钱"), 120}, {Tr("健康程度"), 80},
                           {Tr("名声"), 80}});
    FillReportRows(list, request.rows, request.selected);
}
