#include "ui/controls/bitmap_static.h"

#include <QEvent>
#include <QPainter>
#include <QSvgRenderer>

CBitmapStatic::CBitmapStatic(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CBitmapStatic::~CBitmapStatic() = default;

bool CBitmapStatic::Load(const QString& resourcePath)
{
    path_ = resourcePath;
    auto renderer = std::make_unique<QSvgRenderer>(resourcePath);
    if (!renderer->isValid())
        return false;
    renderer_ = std::move(renderer);
    rendered_ = QPixmap();
    update();
    return true;
}

void CBitmapStatic::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Colours of the scheme may be part of the picture: load it again.
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        && !path_.isEmpty())
        Load(path_);
}

void CBitmapStatic::paintEvent(QPaintEvent*)
{
    if (size().isEmpty())
        return;
    QPainter painter(this);
    if (!renderer_) {
        painter.fillRect(rect(), palette().color(QPalette::Button));
        return;
    }
    // Rendered afresh whenever the size or the screen's pixel ratio changed, so
    // the stretched picture stays crisp.
    const qreal ratio = devicePixelRatioF();
    if (rendered_.isNull() || rendered_.devicePixelRatio() != ratio
        || rendered_.deviceIndependentSize().toSize() != size()) {
        rendered_ = QPixmap(size() * ratio);
        rendered_.setDevicePixelRatio(ratio);
        rendered_.fill(palette().color(QPalette::Button));
        QPainter svgPainter(&rendered_);
        renderer_->render(&svgPainter, QRectF(QPointF(0, 0), QSizeF(size())));
    }
    painter.drawPixmap(0, 0, rendered_);
}
