#include "ui/trading/sell_dlg.h"

#include "resources/layouts/layouts.h"

CSellDlg::CSellDlg(const DialogRequest& request, QWidget* parent)
    : CNumberFieldDlg(kSellTemplate, request, parent)
{
}
