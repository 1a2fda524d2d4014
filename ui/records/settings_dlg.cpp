#include "ui/records/settings_dlg.h"

#include <QCheckBox>

#include "game/dialog_ids.h"
#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_builder.h"

CSettingsDlg::CSettingsDlg(const DialogRequest& request, QWidget* parent)
    : QDialog(parent), entry_(request.checks.value_or(SettingsChecks{}))
{
    SetUpDialog(this, kSettingsTemplate);
    control<QCheckBox>(this, kIdHackersCheck)->setChecked(entry_.hackersAllowed != 0);
    control<QCheckBox>(this, kIdSoundOffCheck)->setChecked(entry_.soundOff != 0);
    answer_.checks = entry_;
}

void CSettingsDlg::accept()
{
    answer_.button = kIdOk;
    answer_.checks.hackersAllowed = control<QCheckBox>(this, kIdHackersCheck)->isChecked() ? 1 : 0;
    answer_.checks.soundOff = control<QCheckBox>(this, kIdSoundOffCheck)->isChecked() ? 1 : 0;
    QDialog::accept();
}

void CSettingsDlg::reject()
{
    answer_.button = kIdCancel;
    answer_.checks = entry_;
    QDialog::reject();
}
