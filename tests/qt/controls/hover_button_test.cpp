#include "offscreen_test_main.h"
#include "ui/controls/hover_button.h"

#include <QEnterEvent>
#include <QFocusEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>

#include <functional>

namespace {

const QColor kNormal(200, 210, 220);
const QColor kHover(250, 240, 230);
const QColor kIconColour(200, 0, 0);
constexpr QSize kSize(120, 40);

QImage Render(CHoverButton& button)
{
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect BoxWhere(const QImage& image, const std::function<bool(const QColor&)>& test)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixelColor(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

QRect BoxOf(const QImage& image, const QColor& colour)
{
    return BoxWhere(image, [&](const QColor& c) { return c == colour; });
}

QIcon SquareIcon(const QColor& colour)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

void Enter(CHoverButton& button)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&button, &enter);
}

void Leave(CHoverButton& button)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
}

struct Fixture {
    Fixture()
    {
        button.resize(kSize);
        button.SetNormalBackground(kNormal, true);
        button.SetHoverBackground(kHover, true);
    }
    CHoverButton button;
};

}  // namespace

class HoverButtonTest : public QObject {
    Q_OBJECT
private slots:
    void normalHoverAndPressedLooks()
    {
        Fixture f;
        const QPalette& pal = f.button.palette();
        const QColor light(pal.color(QPalette::Light).rgb());  // 8 bits a channel, as on screen
        const QColor dark(pal.color(QPalette::Dark).rgb());

        QImage image = Render(f.button);
        QCOMPARE(image.pixelColor(0, 0), kNormal);  // flat: no edge
        QCOMPARE(image.pixelColor(60, 20), kNormal);

        Enter(f.button);
        QVERIFY(f.button.isHovered());
        image = Render(f.button);
        QCOMPARE(image.pixelColor(60, 20), kHover);
        QCOMPARE(image.pixelColor(0, 20), light);   // raised edge
        QCOMPARE(image.pixelColor(60, 0), light);
        QCOMPARE(image.pixelColor(60, 39), dark);
        QCOMPARE(image.pixelColor(119, 20), dark);

        f.button.setDown(true);
        image = Render(f.button);
        QCOMPARE(image.pixelColor(60, 20), kHover);
        QCOMPARE(image.pixelColor(0, 20), dark);    // sunken edge
        QCOMPARE(image.pixelColor(60, 0), dark);
        QCOMPARE(image.pixelColor(60, 39), light);
        QCOMPARE(image.pixelColor(119, 20), light);

        f.button.setDown(false);
        Leave(f.button);
        QVERIFY(!f.button.isHovered());
        QCOMPARE(Render(f.button).pixelColor(0, 20), kNormal);
    }

    void focusLossEndsHover()
    {
        Fixture f;
        Enter(f.button);
        QFocusEvent focusOut(QEvent::FocusOut);
        QApplication::sendEvent(&f.button, &focusOut);
        QVERIFY(!f.button.isHovered());
    }

    void keyboardFocusShowsADottedRectangleAndTheMouseNone()
    {
        QWidget window;
        auto* button = new CHoverButton(&window);
        auto* other = new CHoverButton(&window);
        button->setGeometry(QRect(QPoint(0, 0), kSize));
        other->setGeometry(0, 50, 40, 20);
        button->SetNormalBackground(kNormal, false);
        button->SetHoverBackground(kHover, false);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QColor ink(button->palette().color(QPalette::ButtonText).rgb());
        auto focusBox = [&] { return BoxOf(Render(*button), ink); };

        other->setFocus(Qt::MouseFocusReason);
        QCOMPARE(focusBox(), QRect());
        button->setFocus(Qt::TabFocusReason);
        QVERIFY(button->showsFocus());
        // A dotted line 3 pixels inside the edge, all round (the dots may miss a corner).
        const QRect box = focusBox();
        QVERIFY2(QRect(3, 3, kSize.width() - 6, kSize.height() - 6).contains(box) &&
                     box.width() >= kSize.width() - 9 && box.height() >= kSize.height() - 9,
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height())));
        // Focus given back when a dialog closes keeps the keyboard's look.
        other->setFocus(Qt::TabFocusReason);
        button->setFocus(Qt::ActiveWindowFocusReason);
        QVERIFY(button->showsFocus());

        // A click gives the focus without the rectangle, and the hover look is as before.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(60, 20));
        QVERIFY(button->hasFocus());
        QVERIFY(!button->showsFocus());
        QCOMPARE(focusBox(), QRect());
        Enter(*button);
        QCOMPARE(Render(*button).pixelColor(60, 20), kHover);
        QCOMPARE(BoxOf(Render(*button), ink), QRect());
    }

    void iconLeftOfCentredCaptionAndBothShiftWhenPressed()
    {
        Fixture f;
        f.button.SetNormalBackground(kHover, false);  // one fill in both states: only the shift differs
        f.button.setText("Bank");
        f.button.SetIcons(SquareIcon(kIconColour));
        const QColor text(f.button.palette().color(QPalette::ButtonText).rgb());

        const QImage released = Render(f.button);
        QCOMPARE(BoxOf(released, kIconColour), QRect(3, 4, 32, 32));
        const QRect caption = BoxOf(released, text);
        QVERIFY(!caption.isEmpty());
        // Centred in the room right of the icon.
        const QRect ink = BoxWhere(released, [](const QColor& c) { return c != kHover && c != kIconColour; });
        QVERIFY2(qAbs(ink.left() - 35 - (119 - ink.right())) <= 2, qPrintable(QString("%1 %2").arg(ink.left()).arg(ink.right())));

        f.button.setDown(true);
        const QImage pressed = Render(f.button);
        QCOMPARE(BoxOf(pressed, kIconColour), QRect(4, 5, 32, 32));
        QCOMPARE(BoxOf(pressed, text), caption.translated(1, 1));
    }

    void iconWithoutCaptionIsCentred()
    {
        Fixture f;
        f.button.SetIcons(SquareIcon(kIconColour));
        QCOMPARE(BoxOf(Render(f.button), kIconColour), QRect(44, 4, 32, 32));
    }

    void hoverIconReplacesNormalIcon()
    {
        Fixture f;
        const QColor normalColour(0, 0, 200);
        f.button.SetIcons(SquareIcon(kIconColour), SquareIcon(normalColour));
        QVERIFY(!BoxOf(Render(f.button), normalColour).isEmpty());
        Enter(f.button);
        const QImage hovered = Render(f.button);
        QVERIFY(BoxOf(hovered, normalColour).isEmpty());
        QVERIFY(!BoxOf(hovered, kIconColour).isEmpty());
    }

    void doubleClickCountsAsSecondClick()
    {
        Fixture f;
        QSignalSpy clicked(&f.button, &QAbstractButton::clicked);
        const QPoint at(60, 20);
        QTest::mouseClick(&f.button, Qt::LeftButton, {}, at);
        QTest::mouseDClick(&f.button, Qt::LeftButton, {}, at);
        QTest::mouseRelease(&f.button, Qt::LeftButton, {}, at);
        QCOMPARE(clicked.count(), 2);
    }

    void placeButtonColoursShadeTheButtonFace()
    {
        auto colours = CHoverButton::PlaceButtonBackgrounds(QColor(212, 208, 200));
        QCOMPARE(colours.normal, QColor(202, 198, 190));
        QCOMPARE(colours.hover, QColor(252, 248, 240));
        // A light face gives a white hover colour, never a carry into the next channel.
        colours = CHoverButton::PlaceButtonBackgrounds(QColor(0xEF, 0xEF, 0xEF));
        QCOMPARE(colours.normal, QColor(0xE5, 0xE5, 0xE5));
        QCOMPARE(colours.hover, QColor(255, 255, 255));
        colours = CHoverButton::PlaceButtonBackgrounds(QColor(5, 20, 20));
        QCOMPARE(colours.normal, QColor(0, 10, 10));
    }
};

TORVANE_OFFSCREEN_TEST_MAIN(HoverButtonTest)
#include "hover_button_test.moc"
