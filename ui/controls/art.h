#pragma once
// The game's pictures, drawn from their SVG sources when the game is built at
// the sizes the window shows them (resources/art/sizes.txt), once for pixel
// ratio 1 and once for 2. Pictures are named by their source's base name.

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The picture at size (in pixels of ratio 1) for a screen of the given pixel
// ratio: the drawing made for it, or the next sharper one scaled smoothly. Null
// when the picture was not drawn at that size.
QPixmap ArtPixmap(const char* name, QSize size, qreal ratio);

// The first size listed for the picture (its natural size); invalid when unknown.
QSize ArtSize(const char* name);

// Every drawing of the picture, for a window icon or list rows.
QIcon ArtIcon(const char* name);
