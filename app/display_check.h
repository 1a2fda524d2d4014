#pragma once
// A game started where there is no display to open its window on says so in
// one line and ends with status 1, instead of Qt's abort and its core dump.

#include <functional>
#include <memory>

class QApplication;

// Ends the program, with the line, when no platform is named (-platform or
// QT_QPA_PLATFORM) and neither DISPLAY nor WAYLAND_DISPLAY is set.
void RequireDisplay(int argc, char** argv);

// Makes the application object through make; a display that cannot be opened
// ends the program with the line. Qt's messages of the start are held back
// until the start is known to have worked.
std::unique_ptr<QApplication> StartApplication(const std::function<std::unique_ptr<QApplication>()>& make);
