#include "ui/window/game_dialogs.h"

#include "game/dialog_ids.h"
#include "ui/framework/message_box.h"
#include "ui/places/airport_dlg.h"
#include "ui/places/bank_dlg.h"
#include "ui/places/cash_dlg.h"
#include "ui/places/hospital_dlg.h"
#include "ui/places/net_cafe_dlg.h"
#include "ui/places/rent_agent_dlg.h"
#include "ui/places/repay_dlg.h"
#include "ui/records/congrats_dlg.h"
#include "ui/records/settings_dlg.h"
#include "ui/records/top_ten_dlg.h"
#include "ui/trading/buy_dlg.h"
#include "ui/trading/sell_dlg.h"

namespace {

using DialogRunner = GameDialogRun (*)(const DialogRequest&, QWidget*);

// A dialog that answers: the button that closed it, its number, name or boxes.
template <class Dialog>
GameDialogRun RunForAnswer(const DialogRequest& request, QWidget* parent)
{
    Dialog dialog(request, parent);
    dialog.exec();
    return {dialog.answer(), nullptr};
}

// A dialog that only informs: however it closes, it counts as OK.
template <class Dialog>
GameDialogRun RunToClose(const DialogRequest& request, QWidget* parent)
{
    Dialog dialog(request, parent);
    dialog.exec();
    return {DialogResult{kIdOk, 0, {}, {}}, nullptr};
}

// A dialog that answers and, unless the answer is leaveButton, stays on screen
// under the dialog that follows.
template <class Dialog, int leaveButton>
GameDialogRun RunAndLinger(const DialogRequest& request, QWidget* parent)
{
    auto dialog = std::make_unique<Dialog>(request, parent);
    dialog->exec();
    GameDialogRun run{dialog->answer(), nullptr};
    if (run.answer.button != leaveButton) {
        dialog->show();
        run.lingering = std::move(dialog);
    }
    return run;
}

struct DialogEntry {
    int id;
    DialogRunner run;
};

// Every dialog the rules open, by template number.
const DialogEntry kDialogs[] = {
    {kSellDialogId, &RunForAnswer<CSellDlg>},
    {kBuyDialogId, &RunForAnswer<CBuyDlg>},
    {kCashDialogId, &RunForAnswer<CCashDlg>},
    {kBankDialogId, &RunAndLinger<CBankDlg, kIdBankLeave>},
    {kHospitalDialogId, &RunForAnswer<CHospitalDlg>},
    {kRepayDialogId, &RunForAnswer<CRepayDlg>},
    {kTopTenDialogId, &RunToClose<CTopTenDlg>},
    {kAirportDialogId, &RunToClose<CAirportDlg>},
    {kRentAgentDialogId, &RunForAnswer<CRentAgentDlg>},
    {kCongratsDialogId, &RunForAnswer<CCongratsDlg>},
    {kNetCafeDialogId, &RunToClose<CNetCafeDlg>},
    {kSettingsDialogId, &RunForAnswer<CSettingsDlg>},
};

}  // namespace

bool HasGameDialog(int id)
{
    for (const DialogEntry& entry : kDialogs)
        if (entry.id == id)
            return true;
    return false;
}

GameDialogRun RunGameDialog(const DialogRequest& request, QWidget* parent)
{
    for (const DialogEntry& entry : kDialogs)
        if (entry.id == request.id)
            return entry.run(request, parent);
    ShowMessageBox(parent, QStringLiteral("No dialog for template %1.").arg(request.id), Icon::Stop);
    return {DialogResult{}, nullptr};
}
