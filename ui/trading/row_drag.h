#pragma once
// Dragging list rows from one list view to the other: a picture of the
// selected rows follows the pointer, the pointer shows whether a list is
// under it, and the drop reports the list view it landed on.

#include <QBitmap>
#include <QPixmap>
#include <QPoint>
#include <QPointer>

#include <memory>

class QLabel;
class QTreeWidget;

struct RowDragImage {
    QPixmap pixmap;   // green RGB(0, 255, 0) is the transparent part
    QPoint topLeft;   // of the rows' union, in the list's viewport coordinates
};

// The visible selected rows drawn on green; a null pixmap when none is visible.
RowDragImage CreateRowDragImage(const QTreeWidget* list);

// The pixels of a drag image that are not green, at its device-independent size.
QBitmap DragImageMask(const QPixmap& pixmap);

class RowDrag {
public:
    // The lists a drop may land on.
    RowDrag(QTreeWidget* first, QTreeWidget* second);
    ~RowDrag();

    // Starts a drag of source's selected rows, pressed at viewportPos.
    // Returns false when there is nothing to drag.
    bool Begin(QTreeWidget* source, QPoint viewportPos);
    void Move(QPoint globalPos);
    // Ends the drag and returns the list view under the pointer (its header
    // excluded), or nullptr.
    QTreeWidget* End(QPoint globalPos);
    // Forgets a drag in progress.
    void Cancel();

    QTreeWidget* source() const { return source_; }
    bool active() const { return source_ != nullptr; }

private:
    QTreeWidget* ListAt(QPoint globalPos) const;

    QTreeWidget* first_;
    QTreeWidget* second_;
    QTreeWidget* source_ = nullptr;
    QPoint hotSpot_;
    std::unique_ptr<QLabel> image_;
};
