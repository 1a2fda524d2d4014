#include "ui/game_dialogs.h"

#include "game/dialog_ids.h"
#include "ui/buy_dlg.h"
#include "ui/congrats_dlg.h"
#include "ui/sell_dlg.h"
#include "ui/top_ten_dlg.h"

namespace {

template <class Dialog>
DialogResult RunForAnswer(const DialogRequest& request, QWidget* parent)
{
    Dialog dialog(request, parent);
    dialog.exec();
    return dialog.answer();
}

}  // namespace

DialogResult RunGameDialog(const DialogRequest& request, QWidget* parent)
{
    switch (request.id) {
    case kBuyDialogId:
        return RunForAnswer<CBuyDlg>(request, parent);
    case kSellDialogId:
        return RunForAnswer<CSellDlg>(request, parent);
    case kCongratsDialogId:
        return RunForAnswer<CCongratsDlg>(request, parent);
    case kTopTenDialogId: {
        CTopTenDlg dialog(request, parent);
        dialog.exec();
        return DialogResult{kIdOk, 0, {}, {}};
    }
    default:
        // The place dialogs are not built yet: they answer as if cancelled.
        return DialogResult{};
    }
}
