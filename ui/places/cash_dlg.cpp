#include "ui/places/cash_dlg.h"

#include "resources/layouts/layouts.h"

CCashDlg::CCashDlg(const DialogRequest& request, QWidget* parent)
    : CNumberFieldDlg(kCashTemplate, request, parent)
{
}
