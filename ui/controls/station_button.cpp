#include "ui/controls/station_button.h"

#include "ui/controls/control_accessibility.h"

CStationButton::CStationButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    InstallControlAccessibility();
    setCheckable(true);
    setAutoDefault(false);
}
