#pragma once
// Opens a web address, a mail address or a file with the desktop's default
// handler (xdg-open).

#include <QString>

#include "ui/controls/open_result.h"

OpenResult OpenWithDesktop(const QString& target);

// Opens a file only when it exists: a missing file is kOpenFileNotFound.
OpenResult OpenFileWithDesktop(const QString& path);
