#pragma once
// An edit without horizontal auto-scroll takes only as much text as its box
// shows: typing or pasting beyond the right edge is refused.

class QLineEdit;

void LimitTextToBox(QLineEdit* edit);
