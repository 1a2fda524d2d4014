#pragma once
// The help page in a window of the game's own, for a desktop with nothing to
// open it: the page as a browser would show it, beside the game, not modal.

#include <QString>

class QTextBrowser;
class QWidget;

// Shows the page at path (GBK, as the loading screen writes it) in the viewer
// of owner, made on first use and raised again later; false when the file
// cannot be read.
bool ShowHelpViewer(QWidget* owner, const QString& path);

// The viewer of owner, or null when none has been shown.
QTextBrowser* HelpViewerOf(QWidget* owner);
