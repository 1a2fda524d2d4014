#include "ui/trading/trade_list_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/controls/report_list.h"

CTradeListView::CTradeListView(QWidget* parent) : QTreeWidget(parent)
{
    connect(header(), &QHeaderView::sectionClicked, this, &CTradeListView::headerClicked);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        DropCurrentWithoutSelection();
        if (!updating_)
            emit rowSelected(SelectedReportRow(this));
    });
}

void CTradeListView::DropCurrentWithoutSelection()
{
    if (SelectedReportRow(this) < 0 && currentIndex().isValid())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

bool CTradeListView::SameTexts(const std::vector<std::vector<std::string>>& rows) const
{
    if (static_cast<std::size_t>(topLevelItemCount()) != rows.size())
        return false;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const QTreeWidgetItem* item = topLevelItem(static_cast<int>(r));
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            if (item->text(static_cast<int>(c)) != QString::fromStdString(rows[r][c]))
                return false;
    }
    return true;
}

void CTradeListView::ShowSelection(int selected)
{
    if (SelectedReportRow(this) == selected)
        return;
    clearSelection();
    if (selected >= 0 && selected < topLevelItemCount()) {
        QTreeWidgetItem* item = topLevelItem(selected);
        setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
        item->setSelected(true);
    }
}

void CTradeListView::ShowRows(const std::vector<std::vector<std::string>>& rows, int selected,
                              const QIcon& icon)
{
    updating_ = true;
    if (SameTexts(rows))
        ShowSelection(selected);
    else
        FillReportRows(this, rows, selected, icon);
    updating_ = false;
}

void CTradeListView::focusInEvent(QFocusEvent* event)
{
    // Qt makes the first row current when a list gains the focus; that frame
    // would look like a selection the rules do not hold.
    QTreeWidget::focusInEvent(event);
    DropCurrentWithoutSelection();
}

void CTradeListView::keyPressEvent(QKeyEvent* event)
{
    const int column = event->key() - Qt::Key_1;
    const bool ctrlOnly = (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
    if (ctrlOnly && column >= 0 && column < columnCount()) {
        emit headerClicked(column);
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CTradeListView::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        pressPos_ = event->position().toPoint();
        pressedOnRow_ = itemAt(pressPos_) != nullptr;
        dragging_ = false;
    }
}

void CTradeListView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || !pressedOnRow_) {
        QTreeWidget::mouseMoveEvent(event);
        return;
    }
    // A press on a row never sweeps the selection along: it may only start a drag.
    if (!dragging_) {
        const QPoint moved = event->position().toPoint() - pressPos_;
        if (moved.manhattanLength() < QApplication::startDragDistance() ||
            SelectedReportRow(this) < 0)
            return;
        dragging_ = true;
        emit dragBegun(pressPos_);
    }
    emit dragMoved(event->globalPosition().toPoint());
}

void CTradeListView::mouseReleaseEvent(QMouseEvent* event)
{
    pressedOnRow_ = false;
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        emit dragEnded(event->globalPosition().toPoint());
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void CTradeListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit activated();
}
