#include "ui/controls/report_list.h"

#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <QStyle>
#include <QTreeWidget>

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

void SetUpReportList(QTreeWidget* list, const std::vector<ReportColumn>& columns)
{
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setIndentation(0);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSortingEnabled(false);
    list->setIconSize(QSize(16, 16));
    list->setItemDelegate(new FittingItemDelegate(list));

    // The selection looks the same with or without the focus.
    QPalette palette = list->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    list->setPalette(palette);

    QStringList headers;
    for (const ReportColumn& column : columns)
        headers << QString::fromUtf8(column.header);
    list->setColumnCount(static_cast<int>(columns.size()));
    list->setHeaderLabels(headers);
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    // Header clicks are reported (the views never sort themselves).
    header->setSectionsClickable(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (std::size_t c = 0; c < columns.size(); ++c)
        list->setColumnWidth(static_cast<int>(c), columns[c].width);
}

void FillReportRows(QTreeWidget* list, const std::vector<std::vector<std::string>>& rows,
                    int selected, const QIcon& icon)
{
    list->clear();
    QList<QTreeWidgetItem*> items;
    for (const auto& cells : rows) {
        auto* item = new QTreeWidgetItem;
        for (std::size_t c = 0; c < cells.size(); ++c)
            item->setText(static_cast<int>(c), QString::fromStdString(cells[c]));
        if (!icon.isNull())
            item->setIcon(0, icon);
        items << item;
    }
    list->addTopLevelItems(items);
    if (selected >= 0 && selected < items.size()) {
        list->setCurrentItem(items[selected]);
        items[selected]->setSelected(true);
    }
}

int SelectedReportRow(const QTreeWidget* list)
{
    const auto selected = list->selectedItems();
    if (selected.isEmpty())
        return -1;
    return list->indexOfTopLevelItem(selected.last());
}
