#include "ui/controls/hover_button.h"

#include <algorithm>

#include <QFocusEvent>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>


namespace {

constexpr int kIconGap = 3;  // pixels between the left edge, the icon and the caption
constexpr int kFocusInset = 3;  // pixels between the edge and the focus rectangle
constexpr int kTextFlags = Qt::TextSingleLine | Qt::TextShowMnemonic;

// Two chains of lines the way the platform's edges are drawn (end points
// excluded): the first colour takes the left column and the top row, the
// second the bottom row and the right column.
void DrawEdge(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    const int w = r.width();
    const int h = r.height();
    painter.fillRect(QRect(r.left(), r.top() + 1, 1, h - 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), w, 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top() + h - 1, w - 1, 1), bottomRight);
    painter.fillRect(QRect(r.left() + w - 1, r.top(), 1, h), bottomRight);
}

QPixmap Tinted(const QPixmap& shape, const QColor& colour)
{
    QImage image = shape.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRect(QPoint(0, 0), image.size()), colour);
    painter.end();
    return QPixmap::fromImage(image);
}

// The disabled look: the shape in the light colour one pixel down and right,
// the same shape in the shadow colour over it.
void DrawEmbossed(QPainter& painter, const QPoint& at, const QPixmap& shape, const QPalette& palette)
{
    painter.drawPixmap(at + QPoint(1, 1), Tinted(shape, palette.color(QPalette::Light)));
    painter.drawPixmap(at, Tinted(shape, palette.color(QPalette::Dark)));
}

}  // namespace

CHoverButton::CHoverButton(QWidget* parent) : CHoverButton(QString(), parent) {}

CHoverButton::CHoverButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent),
      normalBackground_(palette().color(QPalette::Button)),
      hoverBackground_(palette().color(QPalette::Button))
{
    setFlat(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CHoverButton::SetIcons(const QIcon& hover, const QIcon& normal)
{
    hoverIcon_ = hover;
    normalIcon_ = normal.isNull() ? hover : normal;
    update();
}

void CHoverButton::SetNormalBackground(const QColor& colour, bool redraw)
{
    normalBackground_ = colour;
    if (redraw)
        update();
}

void CHoverButton::SetHoverBackground(const QColor& colour, bool redraw)
{
    hoverBackground_ = colour;
    if (redraw)
        update();
}

CHoverButton::Backgrounds CHoverButton::PlaceButtonBackgrounds(const QColor& buttonFace)
{
    // A shade darker and a few shades lighter than the button face. Each channel
    // stops at 0 and 255: on a light face a carry between channels would turn the
    // hover colour nearly black.
    auto shifted = [&buttonFace](int delta) {
        auto channel = [delta](int value) { return std::clamp(value + delta, 0, 255); };
        return QColor(channel(buttonFace.red()), channel(buttonFace.green()), channel(buttonFace.blue()));
    };
    return {shifted(-0x0A), shifted(0x28)};
}

void CHoverButton::SetHovered(bool hovered)
{
    if (hovered == hovered_)
        return;
    hovered_ = hovered;
    update();
}

void CHoverButton::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    SetHovered(true);
}

void CHoverButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    SetHovered(false);
}

void CHoverButton::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    // Focus that comes back when a dialog closes keeps the way it first came.
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        keyboardFocus_ = true;
        break;
    case Qt::MouseFocusReason:
        keyboardFocus_ = false;
        break;
    default:
        break;
    }
}

void CHoverButton::focusOutEvent(QFocusEvent* event)
{
    QPushButton::focusOutEvent(event);
    SetHovered(false);
}

void CHoverButton::mousePressEvent(QMouseEvent* event)
{
    keyboardFocus_ = false;
    QPushButton::mousePressEvent(event);
}

// Quick repeated clicks must each count as a press of the button.
void CHoverButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void CHoverButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool pressed = isDown();
    const bool lookActive = hovered_ || pressed;
    const QRect item = rect();
    const QPalette& pal = palette();

    painter.fillRect(item, lookActive ? hoverBackground_ : normalBackground_);
    if (pressed)
        DrawEdge(painter, item, pal.color(QPalette::Dark), pal.color(QPalette::Light));
    else if (hovered_)
        DrawEdge(painter, item, pal.color(QPalette::Light), pal.color(QPalette::Dark));
    if (showsFocus()) {
        painter.setPen(QPen(pal.color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.drawRect(item.adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
    }

    QRect caption = item;
    const QString text = this->text();
    const QPoint shift = pressed ? QPoint(1, 1) : QPoint(0, 0);

    if (!hoverIcon_.isNull()) {
        QPoint at(item.left() + (item.width() - kIconSize) / 2,
                  item.top() + (item.height() - kIconSize) / 2);
        if (!text.isEmpty()) {
            at.setX(item.left() + kIconGap);
            caption.setLeft(caption.left() + kIconSize + kIconGap);
        }
        at += shift;
        const QIcon& icon = lookActive ? hoverIcon_ : normalIcon_;
        const QPixmap pixmap = icon.pixmap(QSize(kIconSize, kIconSize), devicePixelRatioF());
        if (isEnabled())
            painter.drawPixmap(at, pixmap);
        else
            DrawEmbossed(painter, at, pixmap, pal);
    }

    if (text.isEmpty())
        return;
    caption.translate(shift);
    painter.setFont(font());
    const QSize extent = QFontMetrics(font()).size(kTextFlags, text);
    const QRect textRect(caption.left() + (caption.width() - extent.width()) / 2,
                         caption.top() + (caption.height() - extent.height()) / 2,
                         extent.width(), extent.height());
    if (isEnabled()) {
        painter.setPen(pal.color(QPalette::ButtonText));
        painter.drawText(textRect, kTextFlags, text);
    } else {
        painter.setPen(pal.color(QPalette::Light));
        painter.drawText(textRect.translated(1, 1), kTextFlags, text);
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawText(textRect, kTextFlags, text);
    }
}
