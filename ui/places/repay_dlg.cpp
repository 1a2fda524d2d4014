#include "ui/places/repay_dlg.h"

#include "resources/layouts/layouts.h"

CRepayDlg::CRepayDlg(const DialogRequest& request, QWidget* parent)
    : CNumberFieldDlg(kRepayTemplate, request, parent)
{
}
