#pragma once
// A station of the map: a push button that stays pressed while it marks where
// the player is, one of an exclusive group. Screen readers meet it as a radio
// button, which is what it is; Enter is not its key.

#include <QPushButton>

class CStationButton : public QPushButton {
    Q_OBJECT
public:
    explicit CStationButton(const QString& text, QWidget* parent = nullptr);
};
