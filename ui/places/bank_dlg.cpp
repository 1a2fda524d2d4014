#include "ui/places/bank_dlg.h"

#include "game/ui.h"
#include "resources/layouts/layouts.h"

CBankDlg::CBankDlg(const DialogRequest& request, QWidget* parent)
    : CTextsDlg(kBankTemplate, request, parent)
{
    AnswerWith(kIdBankLeave);
}
