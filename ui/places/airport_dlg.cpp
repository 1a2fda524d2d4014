#include "ui/places/airport_dlg.h"

#include "resources/layouts/layouts.h"

CAirportDlg::CAirportDlg(const DialogRequest& request, QWidget* parent)
    : CTextsDlg(kAirportTemplate, request, parent)
{
}
