#include "ui/controls/bitmap_static.h"

#include <QEvent>
#include <QPainter>

#include "ui/controls/art.h"

namespace {

// The sharpest drawing made of the picture: it is only ever scaled down.
constexpr qreal kSourceRatio = 2;

}  // namespace

CBitmapStatic::CBitmapStatic(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CBitmapStatic::Load(const QString& name)
{
    const QByteArray key = name.toUtf8();
    const QPixmap drawing = ArtPixmap(key.constData(), ArtSize(key.constData()), kSourceRatio);
    if (!SetPicture(drawing.toImage()))
        return false;
    name_ = name;
    return true;
}

bool CBitmapStatic::SetPicture(const QImage& picture)
{
    if (picture.isNull())
        return false;
    picture_ = picture;
    rendered_ = QPixmap();
    update();
    return true;
}

void CBitmapStatic::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The button face shows through where the picture is transparent.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        rendered_ = QPixmap();
}

void CBitmapStatic::paintEvent(QPaintEvent*)
{
    if (size().isEmpty())
        return;
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    if (picture_.isNull()) {
        painter.fillRect(rect(), face);
        return;
    }
    // Scaled once for each size and pixel ratio of the screen, smoothly.
    const qreal ratio = devicePixelRatioF();
    if (rendered_.isNull() || rendered_.devicePixelRatio() != ratio
        || rendered_.deviceIndependentSize().toSize() != size()) {
        rendered_ = QPixmap(size() * ratio);
        rendered_.setDevicePixelRatio(ratio);
        rendered_.fill(face);
        QImage scaled = picture_.scaled(size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // Its pixels cover the widget at the screen's ratio, whatever the drawing's own.
        scaled.setDevicePixelRatio(ratio);
        QPainter over(&rendered_);
        over.drawImage(QPointF(0, 0), scaled);
    }
    painter.drawPixmap(0, 0, rendered_);
}
