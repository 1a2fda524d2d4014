#pragma once
// The application's style: the platform's own, without the two image reads
// that made every start load all of Qt's image plugins (and the SVG module),
// a few milliseconds of each start. Qt reads an image file by asking every
// plugin whether it knows the file; the game's own pictures are drawn at build
// time and need none of them.
// - The menu bar's overflow button has no icon: the game's menu bar always
//   fits its window, so that button never shows.
// - The Fusion style's group box frame is drawn as Fusion draws it, from its
//   picture read as the PNG it is.

class QApplication;

void InstallApplicationStyle(QApplication& app);
