#include "ui/records/settings_dlg.h"

#include <QCheckBox>

#include "game/dialog_ids.h"
#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"

CSettingsDlg::CSettingsDlg(const DialogRequest& request, QWidget* parent)
    : CTextsDlg(kSettingsTemplate, request, parent), entry_(request.checks.value_or(SettingsChecks{}))
{
    control<QCheckBox>(this, kIdHackersCheck)->setChecked(entry_.hackersAllowed != 0);
    control<QCheckBox>(this, kIdSoundOffCheck)->setChecked(entry_.soundOff != 0);
    answerToFill().checks = entry_;
}

void CSettingsDlg::accept()
{
    SettingsChecks& checks = answerToFill().checks;
    checks.hackersAllowed = control<QCheckBox>(this, kIdHackersCheck)->isChecked() ? 1 : 0;
    checks.soundOff = control<QCheckBox>(this, kIdSoundOffCheck)->isChecked() ? 1 : 0;
    CTextsDlg::accept();
}

void CSettingsDlg::reject()
{
    answerToFill().checks = entry_;
    CTextsDlg::reject();
}
