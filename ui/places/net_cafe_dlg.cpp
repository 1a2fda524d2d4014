#include "ui/places/net_cafe_dlg.h"

#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"

CNetCafeDlg::CNetCafeDlg(const DialogRequest&, QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, kNetCafeTemplate);
}
