#include "ui/places/hospital_dlg.h"

#include "resources/layouts/layouts.h"

CHospitalDlg::CHospitalDlg(const DialogRequest& request, QWidget* parent)
    : CNumberFieldDlg(kHospitalTemplate, request, parent)
{
}
