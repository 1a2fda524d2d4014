#include "ui/framework/dialog_units.h"

#include <QFontMetrics>

QFont DialogFont()
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPointSizeF(9);
    return font;
}

void RegisterFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

namespace {

// Average width of the Latin letters, rounded as the old dialog manager did.
int AverageCharWidth(const QFontMetrics& metrics)
{
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (width / 26 + 1) / 2;
}

int Scale(int units, int base, int divisor)
{
    return (units * base + divisor / 2) / divisor;
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    baseX_ = AverageCharWidth(metrics);
    baseY_ = metrics.height();
}

int DialogUnits::ToPixelsX(int units) const { return Scale(units, baseX_, 4); }

int DialogUnits::ToPixelsY(int units) const { return Scale(units, baseY_, 8); }

QRect DialogUnits::ToPixels(int x, int y, int w, int h) const
{
    const int left = ToPixelsX(x);
    const int top = ToPixelsY(y);
    return QRect(left, top, ToPixelsX(x + w) - left, ToPixelsY(y + h) - top);
}

QSize DialogUnits::ToPixels(int w, int h) const { return QSize(ToPixelsX(w), ToPixelsY(h)); }
