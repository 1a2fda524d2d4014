#include "ui/controls/fitting_item_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QStyle>

QStyleOptionViewItem FittingItemDelegate::CellOption(const QAbstractItemView* view,
                                                     const QModelIndex& index) const
{
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.widget = view;
    option.font = view->font();
    option.fontMetrics = QFontMetrics(option.font);
    option.decorationSize = view->iconSize();
    option.rect = view->visualRect(index);
    initStyleOption(&option, index);
    return option;
}

int FittingItemDelegate::TextRoom(const QStyleOptionViewItem& option)
{
    const QWidget* widget = option.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    // The style keeps this margin on both sides of the text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    return style->subElementRect(QStyle::SE_ItemViewItemText, &option, widget).width() - 2 * margin;
}

void FittingItemDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->text.isEmpty() || option->rect.width() <= 0)
        return;
    const int room = TextRoom(*option);
    const int needed = option->fontMetrics.horizontalAdvance(option->text);
    if (room <= 0 || needed <= room)
        return;
    // Glyph widths do not scale exactly with the stretch: narrow until it fits.
    QFont font = option->font;
    for (int stretch = room * 100 / needed; stretch >= 1; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(option->text) <= room)
            break;
    }
    option->font = font;
    option->fontMetrics = QFontMetrics(font);
}
