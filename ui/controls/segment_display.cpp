#include "ui/controls/segment_display.h"

#include <QAccessible>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <array>

#include "ui/controls/control_accessibility.h"

namespace {

constexpr int kCellWidth = 49;
constexpr int kCellHeight = 83;
constexpr int kSegments = 7;

// Segments: 0 top, 1 upper left, 2 upper right, 3 middle, 4 lower left,
// 5 lower right, 6 bottom.
std::uint8_t MaskOf(char c)
{
    switch (c) {
    case '0': return 0x77;
    case '1': return 0x24;
    case '2': return 0x5D;
    case '3': return 0x6D;
    case '4': return 0x2E;
    case '5': return 0x6B;
    case '6': return 0x7B;
    case '7': return 0x25;
    case '8': return 0x7F;
    case '9': return 0x6F;
    case '-': return 0x08;
    default: return 0x00;
    }
}

QPolygon Mirrored(const QPolygon& outline, bool leftRight, bool topBottom)
{
    QPolygon result;
    for (const QPoint& p : outline)
        result << QPoint(leftRight ? kCellWidth - 1 - p.x() : p.x(),
                         topBottom ? kCellHeight - 1 - p.y() : p.y());
    return result;
}

// The seven outlines in cell units, in segment order; only three are drawn by
// hand, the others are their mirror images.
const std::array<QPolygon, kSegments>& Outlines()
{
    static const std::array<QPolygon, kSegments> outlines = [] {
        const QPolygon top{{5, 4}, {12, 11}, {36, 11}, {43, 4}};
        const QPolygon upperLeft{{4, 6}, {4, 40}, {11, 36}, {11, 13}};
        const QPolygon middle{{6, 41}, {14, 45}, {34, 45}, {42, 41}, {34, 37}, {14, 37}};
        return std::array<QPolygon, kSegments>{
            top,
            upperLeft,
            Mirrored(upperLeft, true, false),
            middle,
            Mirrored(upperLeft, false, true),
            Mirrored(upperLeft, true, true),
            Mirrored(top, false, true),
        };
    }();
    return outlines;
}

// The outline pen sits between segment and background so the edges look soft.
QColor PenColour(const QColor& background, const QColor& colour)
{
    auto mix = [](int back, int front) { return static_cast<int>(0.25 * back + 0.75 * front); };
    return QColor(mix(background.red(), colour.red()), mix(background.green(), colour.green()),
                  mix(background.blue(), colour.blue()));
}

}  // namespace

CSegmentDisplay::CSegmentDisplay(QWidget* parent) : QWidget(parent)
{
    // Every pixel is painted, so Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A keyboard player stops on each number to hear it.
    setFocusPolicy(Qt::TabFocus);
    InstallControlAccessibility();
}

void CSegmentDisplay::SetText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    dirty_ = true;
    UpdateAccessibleName();
    bool isNumber = false;
    const int value = text_.toInt(&isNumber);
    if (isNumber) {
        QAccessibleValueChangeEvent event(this, value);
        QAccessible::updateAccessibility(&event);
    }
    update();
}

void CSegmentDisplay::SetCaption(const QString& caption)
{
    caption_ = caption;
    UpdateAccessibleName();
}

void CSegmentDisplay::UpdateAccessibleName()
{
    // setAccessibleName tells an attached screen reader that the name changed.
    setAccessibleName(caption_.isEmpty() ? text_ : caption_ + QLatin1Char(' ') + text_);
}

void CSegmentDisplay::SetColours(const QColor& unlit, const QColor& lit)
{
    if (unlit == unlit_ && lit == lit_)
        return;
    unlit_ = unlit;
    lit_ = lit;
    update();
}

void CSegmentDisplay::SetBackground(const QColor& background)
{
    if (background == background_)
        return;
    background_ = background;
    update();
}

void CSegmentDisplay::SetSunkenEdge(bool sunken)
{
    if (sunken == sunken_)
        return;
    sunken_ = sunken;
    const int edge = sunken ? 1 : 0;
    setContentsMargins(edge, edge, edge, edge);
    update();
}

void CSegmentDisplay::DrawSunkenEdge(QPainter& painter) const
{
    const QRect outer = rect();
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
}

void CSegmentDisplay::RebuildCells()
{
    cellMasks_.clear();
    for (char c : text_.toUtf8())
        cellMasks_.push_back(MaskOf(c));
}

void CSegmentDisplay::paintEvent(QPaintEvent*)
{
    ++paintCount_;
    QPainter painter(this);
    if (sunken_)
        DrawSunkenEdge(painter);
    const QRect inside = contentsRect();
    const int width = inside.width();
    const int height = inside.height();
    painter.fillRect(inside, background_);
    painter.translate(inside.topLeft());

    if (dirty_) {
        RebuildCells();
        dirty_ = false;
    }
    const QBrush unlitBrush(unlit_);
    const QBrush litBrush(lit_);
    const QPen unlitPen(PenColour(background_, unlit_), 1);
    const QPen litPen(PenColour(background_, lit_), 1);

    const double unitsWide = static_cast<double>(kCellWidth) * cellMasks_.size();
    const double scale = std::min(width / unitsWide, height / static_cast<double>(kCellHeight));
    double left = (width - unitsWide * scale) / 2.0;
    const double top = (height - kCellHeight * scale) / 2.0;
    const double boxWidth = kCellWidth * scale;
    const double boxHeight = kCellHeight * scale;

    for (std::uint8_t mask : cellMasks_) {
        for (int segment = 0; segment < kSegments; ++segment) {
            const bool lit = (mask >> segment) & 1;
            painter.setBrush(lit ? litBrush : unlitBrush);
            painter.setPen(lit ? litPen : unlitPen);
            QPolygon polygon;
            for (const QPoint& p : Outlines()[segment])
                polygon << QPoint(static_cast<int>(left + p.x() * boxWidth / kCellWidth + 0.5),
                                  static_cast<int>(top + p.y() * boxHeight / kCellHeight + 0.5));
            painter.drawPolygon(polygon);
        }
        left += boxWidth;
    }

    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(lit_, 1, Qt::DotLine));
        painter.drawRect(QRect(0, 0, width, height).adjusted(1, 1, -2, -2));
    }
}
