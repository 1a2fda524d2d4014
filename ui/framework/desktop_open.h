#pragma once
// Opens a web address, a mail address or a file with the desktop's default
// handler (xdg-open). The result follows the shell's convention that the link
// and help error messages are keyed on: above 32 is success, 32 or less a
// failure code.

#include <QString>

constexpr int kOpenSucceeded = 33;
constexpr int kOpenFileNotFound = 2;
constexpr int kOpenNoHandler = 31;

constexpr bool Opened(int result) { return result > 32; }

int OpenWithDesktop(const QString& target);

// Opens a file only when it exists: a missing file is kOpenFileNotFound.
int OpenFileWithDesktop(const QString& path);
