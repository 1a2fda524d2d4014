#pragma once
// Dialog units to pixels, from the dialog font's metrics: a horizontal unit is a
// quarter of the average character width, a vertical unit an eighth of the font
// height, so layouts keep their proportions at any font size or scale.

#include <QFont>
#include <QRect>
#include <QSize>

// The face every dialog uses: CJK-capable, small enough for the texts to fit.
QFont DialogFont();

// Registers the stand-in faces (Comic Neue for "Comic Sans MS").
void RegisterFontSubstitutes();

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    QRect ToPixels(int x, int y, int w, int h) const;
    QSize ToPixels(int w, int h) const;

private:
    int baseX_;
    int baseY_;
};
