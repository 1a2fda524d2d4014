#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

// Draws a cell's text in a font narrowed just enough to show it whole: the
// columns have fixed widths in pixels and the Chinese glyphs are wide. Texts
// that fit keep the list's font.
class FittingItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The option the cell at index of view is drawn with.
    QStyleOptionViewItem CellOption(const QAbstractItemView* view, const QModelIndex& index) const;
    // Pixels the text of a cell drawn with option may take.
    static int TextRoom(const QStyleOptionViewItem& option);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
