#include "game/game.h"
#include "places/quantity_dialogs.h"
#include "records/catalogue.h"

namespace {

// What the village head says when nothing is owed, by wealth.
const char* Remark(std::int64_t wealth)
{
    if (wealth < 1000)
        return Tr("村长嘿嘿笑道：“你没钱,有神经病!”");
    if (wealth > 1000 && wealth < 100000)
        return Tr("村长朝俺点头：\"兄弟,您想支援家乡1000元吗？\"");
    if (wealth > 100000 && wealth < 10000000)
        return Tr("村长在电话中朝俺鞠躬:\"富豪!我想把我女儿嫁给您.\"...");
    if (wealth > 10000000)
        return Tr("村长在电话中朝俺下跪，说：\"您简直是我亲爹！\"");
    return Tr("村长说：\"您是农村年轻人的典范！\"");
}

}  // namespace

void Game::OnPostOffice()
{
    const auto action = BeginAction([] { return std::string("post"); });
    Play("opendoor.wav");
    if (state_.debt == 0) {
        Diary(Remark(std::int64_t{state_.savings} + state_.cash));
        UpdateStatus();
        return;
    }
    DialogResult result = ui_.RunDialog(RepayDialog(state_.cash, state_.debt));
    if (result.button != kIdOk) {
        UpdateStatus();
        return;
    }
    if (result.value > state_.cash) {
        Diary(Tr("村长老婆狂吞“雪中丐”补钙片，冷笑道：“你还得起吗?”"));
        UpdateStatus();
        return;
    }
    state_.debt -= result.value;
    state_.cash -= result.value;
    ShowField(StatusField::Debt, state_.debt);
    ShowField(StatusField::Cash, state_.cash);
    UpdateStatus();
}
