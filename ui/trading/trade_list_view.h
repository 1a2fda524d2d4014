#pragma once
// The market and room list views: rows shown in the order the rules hold them
// (the view never sorts itself), with the user's selection, double-clicks,
// header clicks and row drags reported as signals. The focus frame is drawn
// on the selected row only: with nothing selected no row is current. Ctrl+1,
// Ctrl+2 and Ctrl+3 are clicks on the first, second and third header.

#include <QPoint>
#include <QTreeWidget>

#include <string>
#include <vector>

class CTradeListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit CTradeListView(QWidget* parent = nullptr);

    // Shows these rows and this selection (-1 for none). Rows already shown
    // with the same texts are kept, so a selection change rebuilds nothing.
    void ShowRows(const std::vector<std::vector<std::string>>& rows, int selected,
                  const QIcon& icon);

signals:
    void rowSelected(int row);             // the user changed the selection
    void activated();                      // double-click anywhere in the list
    void headerClicked(int column);
    void dragBegun(QPoint viewportPos);    // a row drag starts where the button went down
    void dragMoved(QPoint globalPos);
    void dragEnded(QPoint globalPos);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool SameTexts(const std::vector<std::vector<std::string>>& rows) const;
    void ShowSelection(int selected);
    void DropCurrentWithoutSelection();

    bool updating_ = false;
    bool pressedOnRow_ = false;
    bool dragging_ = false;
    QPoint pressPos_;
};
