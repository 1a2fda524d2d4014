#include "ui/places/rent_agent_dlg.h"

#include "resources/layouts/layouts.h"

CRentAgentDlg::CRentAgentDlg(const DialogRequest& request, QWidget* parent)
    : CTextsDlg(kRentAgentTemplate, request, parent)
{
}
