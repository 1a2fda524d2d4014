#include "ui/controls/report_list.h"

#include <QHeaderView>
#include <QPalette>
#include <QTreeWidget>

#include "ui/controls/fitting_item_delegate.h"

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
