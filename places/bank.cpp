#include "game/game.h"
#include "game/money.h"
#include "places/quantity_dialogs.h"

void Game::OnBank()
{
    const auto action = BeginAction([] { return std::string("bank"); });
    Play("opendoor.wav");
    DialogResult choice = ui_.RunDialog(BankDialog(state_.cash, state_.savings));
    // The withdraw button carries the Cancel identity, so Esc withdraws too.
    if (choice.button == kIdOk) {
        DialogResult amount = ui_.RunDialog(CashDialog(1, state_.cash, state_.savings));
        if (amount.button == kIdOk) {
            state_.cash = AddMoney(state_.cash, -std::int64_t{amount.value});
            state_.savings = AddMoney(state_.savings, amount.value);
        }
    } else if (choice.button == kIdCancel) {
        DialogResult amount = ui_.RunDialog(CashDialog(2, state_.cash, state_.savings));
        if (amount.button == kIdOk) {
            state_.cash = AddMoney(state_.cash, amount.value);
            state_.savings = AddMoney(state_.savings, -std::int64_t{amount.value});
        }
    }
    ShowField(StatusField::Cash, state_.cash);
    ShowField(StatusField::Savings, state_.savings);
    UpdateStatus();
}
