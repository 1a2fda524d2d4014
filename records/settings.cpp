#include "game/dialog_ids.h"
#include "game/game.h"

void Game::OnSettings()
{
    const auto action = BeginAction([] { return std::string("settings"); });
    DialogRequest request;
    request.id = kSettingsDialogId;
    request.checks = SettingsChecks{state_.hackerEnabled, state_.soundOff};
    DialogResult result = ui_.RunDialog(request);
    if (result.button != kIdOk)
        return;
    state_.soundOff = result.checks.soundOff;
    state_.hackerEnabled = result.checks.hackersAllowed;
}
