#include "ui/trading/row_drag.h"

#include <QApplication>
#include <QBitmap>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTreeWidget>

namespace {

const QColor kMaskColour(0, 255, 0);

// A row as the list draws it for dragging: its icon and its first cell.
void DrawRow(QPainter& painter, const QTreeWidget* list, const QTreeWidgetItem* item,
             const QRect& rect)
{
    int textLeft = rect.left() + 2;
    const QIcon icon = item->icon(0);
    if (!icon.isNull()) {
        const QSize size = list->iconSize();
        const QRect iconRect(rect.left() + 2, rect.top() + (rect.height() - size.height()) / 2,
                             size.width(), size.height());
        icon.paint(&painter, iconRect);
        textLeft = iconRect.right() + 5;
    }
    // Plain pixels: smoothed edges would blend with the green ground.
    QFont font = list->font();
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(list->palette().color(QPalette::Text));
    painter.drawText(QRect(textLeft, rect.top(), rect.right() - textLeft, rect.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, item->text(0));
}

}  // namespace

QBitmap DragImageMask(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().scaled(pixmap.deviceIndependentSize().toSize());
    return QBitmap::fromImage(image.createMaskFromColor(kMaskColour.rgb(), Qt::MaskInColor));
}

RowDragImage CreateRowDragImage(const QTreeWidget* list)
{
    const QRect viewportRect = list->viewport()->rect();
    QList<std::pair<const QTreeWidgetItem*, QRect>> rows;
    QRect united;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        if (!item->isSelected())
            continue;
        QRect rect = list->visualItemRect(item);
        if (!rect.intersects(viewportRect))
            continue;
        rect.setLeft(qMax(rect.left(), 0));
        rect.setRight(qMin(rect.right(), viewportRect.right()));
        rows.append({item, rect});
        united = united.united(rect);
    }
    if (united.isEmpty())
        return {};

    const qreal ratio = list->devicePixelRatioF();
    QPixmap pixmap(united.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(kMaskColour);
    {
        QPainter painter(&pixmap);
        for (const auto& [item, rect] : rows)
            DrawRow(painter, list, item, rect.translated(-united.topLeft()));
    }
    return {pixmap, united.topLeft()};
}

RowDrag::RowDrag(QTreeWidget* first, QTreeWidget* second) : first_(first), second_(second) {}

RowDrag::~RowDrag() { Cancel(); }

bool RowDrag::Begin(QTreeWidget* source, QPoint viewportPos)
{
    Cancel();
    const RowDragImage dragImage = CreateRowDragImage(source);
    if (dragImage.pixmap.isNull())
        return false;
    source_ = source;
    hotSpot_ = viewportPos - dragImage.topLeft;

    image_ = std::make_unique<QLabel>(nullptr, Qt::ToolTip | Qt::FramelessWindowHint |
                                                   Qt::WindowTransparentForInput |
                                                   Qt::WindowDoesNotAcceptFocus);
    image_->setAttribute(Qt::WA_TransparentForMouseEvents);
    image_->setAttribute(Qt::WA_ShowWithoutActivating);
    image_->setPixmap(dragImage.pixmap);
    image_->resize(dragImage.pixmap.deviceIndependentSize().toSize());
    // The window takes the shape of what is not green.
    image_->setMask(QRegion(DragImageMask(dragImage.pixmap)));
    image_->move(source->viewport()->mapToGlobal(viewportPos) - hotSpot_);
    image_->show();
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    return true;
}

void RowDrag::Move(QPoint globalPos)
{
    if (!active())
        return;
    image_->move(globalPos - hotSpot_);
    QApplication::changeOverrideCursor(ListAt(globalPos) ? Qt::ArrowCursor
                                                         : Qt::ForbiddenCursor);
}

QTreeWidget* RowDrag::End(QPoint globalPos)
{
    if (!active())
        return nullptr;
    Cancel();
    return ListAt(globalPos);
}

void RowDrag::Cancel()
{
    if (!active())
        return;
    image_.reset();
    source_ = nullptr;
    QApplication::restoreOverrideCursor();
}

QTreeWidget* RowDrag::ListAt(QPoint globalPos) const
{
    for (QTreeWidget* list : {first_, second_}) {
        if (!list->isVisible())
            continue;
        const QPoint local = list->mapFromGlobal(globalPos);
        if (!list->rect().contains(local))
            continue;
        const QHeaderView* header = list->header();
        if (header->isVisible() && header->rect().contains(header->mapFromGlobal(globalPos)))
            return nullptr;
        return list;
    }
    return nullptr;
}
