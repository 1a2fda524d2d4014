#include "ui/trading/buy_dlg.h"

#include "resources/layouts/layouts.h"

CBuyDlg::CBuyDlg(const DialogRequest& request, QWidget* parent)
    : CNumberFieldDlg(kBuyTemplate, request, parent)
{
}
