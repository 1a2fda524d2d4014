#pragma once
// A number shown as seven-segment cells: each character is a 49 x 83 unit cell
// of lit and unlit polygons, scaled to the control and centred in it. Tab
// stops on it (a dotted frame in the lit colour shows it has the focus), and
// screen readers read its number as its value.

#include <QColor>
#include <QString>
#include <QWidget>

class QPainter;

#include <cstdint>
#include <vector>

class CSegmentDisplay : public QWidget {
    Q_OBJECT
public:
    explicit CSegmentDisplay(QWidget* parent = nullptr);

    // Each setter repaints only when the value changes.
    void SetText(const QString& text);
    void SetColours(const QColor& unlit, const QColor& lit);
    void SetBackground(const QColor& background);
    // What the number is, for screen readers: the accessible name is the
    // caption and the number shown, such as "现金 2000".
    void SetCaption(const QString& caption);
    // A sunken static's one-pixel edge: shadow above and left, highlight below
    // and right, with the cells inside it.
    void SetSunkenEdge(bool sunken);

    QString text() const { return text_; }
    bool sunkenEdge() const { return sunken_; }
    QColor unlitColour() const { return unlit_; }
    QColor litColour() const { return lit_; }
    QColor background() const { return background_; }

    // Number of paints so far, so callers can tell that an unchanged value cost no repaint.
    int paintCount() const { return paintCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void RebuildCells();
    void DrawSunkenEdge(QPainter& painter) const;
    void UpdateAccessibleName();

    QString text_ = QStringLiteral("EMPTY");
    QString caption_;
    bool dirty_ = true;
    bool sunken_ = false;
    std::vector<std::uint8_t> cellMasks_;  // one lit-segment mask per shown character
    QColor unlit_{0, 52, 0};
    QColor lit_{0, 255, 0};
    QColor background_{0, 0, 0};
    int paintCount_ = 0;
};
