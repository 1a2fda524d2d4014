#pragma once
// Report-style list views: columns of fixed widths, full-row single selection
// that stays visible without the focus, rows in the order given.

#include <QIcon>
#include <QStringList>
#include <QStyledItemDelegate>

#include <string>
#include <vector>

class QAbstractItemView;
class QTreeWidget;

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

struct ReportColumn {
    const char* header;  // UTF-8
    int width;           // pixels
};

void SetUpReportList(QTreeWidget* list, const std::vector<ReportColumn>& columns);

// Replaces every row; selected is the row shown selected, -1 for none.
void FillReportRows(QTreeWidget* list, const std::vector<std::vector<std::string>>& rows,
                    int selected, const QIcon& icon = QIcon());

// The selected row's index, or -1.
int SelectedReportRow(const QTreeWidget* list);
