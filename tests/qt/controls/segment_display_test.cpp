#include "offscreen_test_main.h"
#include "ui/controls/segment_display.h"

#include <QImage>
#include <QSet>

namespace {

const QColor kUnlit(0, 52, 0);
const QColor kLit(0, 255, 0);
const QColor kBlack(0, 0, 0);

// Inner points of the seven segments in cell units (49 x 83 cells):
// top, upper left, upper right, middle, lower left, lower right, bottom.
const QPoint kSegmentCentres[7] = {{24, 8}, {7, 24}, {41, 24}, {24, 41}, {7, 58}, {41, 58}, {24, 74}};

QImage Render(CSegmentDisplay& display, const QSize& size)
{
    display.resize(size);
    return display.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor SegmentColour(const QImage& image, int cell, int segment, double scale, QPointF origin = {})
{
    const QPoint centre = kSegmentCentres[segment];
    return image.pixelColor(int(origin.x() + (cell * 49 + centre.x()) * scale),
                            int(origin.y() + centre.y() * scale));
}

// The bounding box of every pixel that differs from the background.
QRect DrawnArea(const QImage& image, const QColor& background)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                area |= QRect(x, y, 1, 1);
    return area;
}

}  // namespace

class SegmentDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void eightLightsEverySegment()
    {
        CSegmentDisplay display;
        display.SetText("8");
        const QImage image = Render(display, {147, 249});  // scale 3
        for (int segment = 0; segment < 7; ++segment)
            QCOMPARE(SegmentColour(image, 0, segment, 3), kLit);
    }

    void negativeNumberShowsMinusCellThenDigits()
    {
        CSegmentDisplay display;
        display.SetText("-1500");
        const QImage image = Render(display, {490, 166});  // 5 cells at scale 2
        // Lit segments of each shown character, as seen on a real display.
        const QList<QSet<int>> lit = {
            {3},                    // '-': the middle bar only
            {2, 5},                 // '1': the right side
            {0, 1, 3, 5, 6},        // '5'
            {0, 1, 2, 4, 5, 6},     // '0': all but the middle
            {0, 1, 2, 4, 5, 6},
        };
        for (int cell = 0; cell < 5; ++cell)
            for (int segment = 0; segment < 7; ++segment) {
                const QColor expected = lit[cell].contains(segment) ? kLit : kUnlit;
                if (SegmentColour(image, cell, segment, 2) != expected)
                    QFAIL(qPrintable(QString("cell %1 segment %2").arg(cell).arg(segment)));
            }
    }

    void numberIsCentredAndScaledToFit_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("wide and low") << QSize(400, 166);
        QTest::newRow("narrow and tall") << QSize(196, 400);
    }

    void numberIsCentredAndScaledToFit()
    {
        QFETCH(QSize, size);
        CSegmentDisplay display;
        display.SetText("88");
        const QImage image = Render(display, size);
        const double scale = std::min(size.width() / 98.0, size.height() / 83.0);
        const QRect area = DrawnArea(image, kBlack);
        // "8" reaches from x 4 to 44 and from y 4 to 78 of its cell.
        QVERIFY(qAbs(area.height() - 75 * scale) <= 2);
        QVERIFY(qAbs(area.width() - (49 + 40) * scale) <= 2);
        const int leftMargin = area.left();
        const int rightMargin = size.width() - 1 - area.right();
        const int topMargin = area.top();
        const int bottomMargin = size.height() - 1 - area.bottom();
        QVERIFY2(qAbs(leftMargin - rightMargin) <= 1, qPrintable(QString("%1 %2").arg(leftMargin).arg(rightMargin)));
        QVERIFY2(qAbs(topMargin - bottomMargin) <= 1, qPrintable(QString("%1 %2").arg(topMargin).arg(bottomMargin)));
    }

    void emptyTextShowsOnlyBackground()
    {
        CSegmentDisplay display;
        display.SetBackground(QColor(10, 20, 30));
        display.SetText("");
        QCOMPARE(DrawnArea(Render(display, {120, 40}), QColor(10, 20, 30)), QRect());
    }

    void coloursSetFillAndMixedOutline()
    {
        CSegmentDisplay display;
        display.SetBackground(QColor(100, 100, 100));
        display.SetColours(QColor(255, 0, 0), QColor(0, 0, 255));
        display.SetText("1");
        const QImage image = Render(display, {49, 83});  // scale 1, cell at the origin
        QCOMPARE(SegmentColour(image, 0, 2, 1), QColor(0, 0, 255));
        QCOMPARE(SegmentColour(image, 0, 0, 1), QColor(255, 0, 0));
        // The outline is a quarter background, three quarters segment colour:
        // the lower edge of the unlit top segment, the outer edge of the lit upper right.
        QCOMPARE(image.pixelColor(24, 11), QColor(216, 25, 25));
        QCOMPARE(image.pixelColor(44, 24), QColor(25, 25, 216));
    }

    void unchangedValuesCauseNoRepaint()
    {
        CSegmentDisplay display;
        display.resize(120, 40);
        display.SetText("2000");
        display.show();
        QVERIFY(QTest::qWaitForWindowExposed(&display));
        QTRY_VERIFY(display.paintCount() > 0);
        QTest::qWait(50);

        int painted = display.paintCount();
        display.SetText("2000");
        display.SetColours(kUnlit, kLit);
        display.SetBackground(kBlack);
        QTest::qWait(100);
        QCOMPARE(display.paintCount(), painted);

        display.SetText("2001");
        QTRY_VERIFY(display.paintCount() > painted);
        QCOMPARE(display.text(), QString("2001"));

        painted = display.paintCount();
        display.SetBackground(QColor(1, 1, 1));
        QTRY_VERIFY(display.paintCount() > painted);
    }
};

TORVANE_OFFSCREEN_TEST_MAIN(SegmentDisplayTest)
#include "segment_display_test.moc"
