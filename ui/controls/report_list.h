#pragma once
// Report-style list views: columns of fixed widths, full-row single selection
// that stays visible without the focus, rows in the order given; a text too
// wide for its column is drawn narrower (FittingItemDelegate).

#include <QIcon>
#include <QStringList>

#include <string>
#include <vector>

class QTreeWidget;

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
