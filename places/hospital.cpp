#include "game/game.h"
#include "places/quantity_dialogs.h"
#include "records/catalogue.h"

namespace {
constexpr std::int64_t kPricePerPoint = 3500;
}

void Game::OnHospital()
{
    const auto action = BeginAction([] { return std::string("hospital"); });
    Play("opendoor.wav");
    if (state_.health >= 100) {
        Diary(Tr("小护士笑咪咪地望着俺：\"大哥！神经科这边挂号.\""));
    } else {
        DialogResult result = ui_.RunDialog(HospitalDialog(state_.health));
        if (result.button == kIdOk) {
            std::int64_t cost = result.value * kPricePerPoint;
            if (cost > state_.cash) {
                Diary(Tr("医生说，“钱不够哎! 拒绝治疗。”"));
            } else {
                state_.health += result.value;
                state_.cash -= static_cast<std::int32_t>(cost);
                ShowField(StatusField::Health, state_.health);
                ShowField(StatusField::Cash, state_.cash);
            }
        }
    }
    UpdateStatus();
}
