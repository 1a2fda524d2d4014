#include "offscreen_test_main.h"
#include "records/news_file.h"
#include "records/scrambled_file.h"
#include "ui/controls/ticker_ctrl.h"

#include <QElapsedTimer>
#include <QFontInfo>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <fstream>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 43);
constexpr int kHeight = 40;

QImage Render(CTickerCtrl& ticker)
{
    return ticker.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The box of the pixels exactly in the colour: glyph pixels fully covered by
// the text, whatever the background behind them.
QRect BoxOf(const QImage& image, const QColor& colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Where the text's fully covered pixels lie when drawn with its top at (0, 0).
QRect ReferenceBox(const QFont& font, const QString& text)
{
    QImage image(200, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(kWhite);
    painter.drawText(QPoint(0, QFontMetrics(font).ascent()), text);
    painter.end();
    return BoxOf(image, kWhite);
}

class TickerFixture {
public:
    TickerFixture()
    {
        QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
        ticker.resize(300, kHeight);
        ticker.Start(kWhite, kYellow, "Comic Sans MS", 17, 2, 2, dir.path().toStdString());
    }

    // Lets the ticker scroll from startX for exactly one timer tick of the
    // given step, then pauses it at the final width.
    bool ScrollOneTick(int startX, int step, int finalWidth = 300)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            ticker.resize(startX, kHeight);
            ticker.SetStep(step);
            ticker.SetMode(2);
            QElapsedTimer clock;
            clock.start();
            while (ticker.textX() == startX && clock.elapsed() < 2000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            ticker.Pause();
            ticker.resize(finalWidth, kHeight);
            if (ticker.textX() == startX - step)
                return true;
        }
        return false;
    }

    QTemporaryDir dir;
    CTickerCtrl ticker;
};

class PressCounter : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

}  // namespace

class TickerCtrlTest : public QObject {
    Q_OBJECT
private slots:
    void startLoadsNewsFileAndFont()
    {
        QTemporaryDir dir;
        std::ofstream(dir.filePath("news.txt").toStdString(), std::ios::binary)
            << Scramble("|Hello|World|", kNewsKey);
        QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
        CTickerCtrl ticker;
        ticker.resize(320, kHeight);
        ticker.Start(kWhite, kYellow, "Comic Sans MS", 17, 4, 2, dir.path().toStdString());

        QCOMPARE(ticker.newsText().segments, (std::vector<std::string>{"Hello", "World"}));
        QCOMPARE(ticker.tickerFont().pixelSize(), 17);
        QCOMPARE(QFontInfo(ticker.tickerFont()).family(), QString("Comic Neue"));
        QCOMPARE(ticker.textX(), 320);
        QVERIFY(ticker.isRunning());
    }

    void segmentsAlternateColourAndDropThreePixels()
    {
        TickerFixture f;
        f.ticker.SetText(MakeNewsText("|A|B|"));
        QVERIFY(f.ScrollOneTick(40, 10));  // text starts at x = 30
        // Without the end mark at the right edge, which has white in it.
        const QImage whole = Render(f.ticker);
        const QImage image = whole.copy(0, 0, whole.width() - 6, whole.height());
        const QFont& font = f.ticker.tickerFont();

        const QRect a = BoxOf(image, kWhite);
        const QRect b = BoxOf(image, kYellow);
        QVERIFY(!a.isEmpty() && !b.isEmpty());
        QCOMPARE(a, ReferenceBox(font, "A").translated(30, 0));
        QCOMPARE(b, ReferenceBox(font, "B").translated(30 + QFontMetrics(font).horizontalAdvance("A"), 3));
    }

    // Headlines are laid out once and drawn as glyphs each frame; every pixel
    // must be what drawing the text itself gives, fallback fonts included.
    void headlinesLookAsTheTextDrawnDirectly()
    {
        TickerFixture f;
        f.ticker.SetText(MakeNewsText("|Hello g,j|\xd0\xc2\xce\xc5 news|"));
        QVERIFY(f.ScrollOneTick(40, 10));  // text starts at x = 30
        const QImage drawn = Render(f.ticker);

        CTickerCtrl plain;  // no text: the background and the end mark
        plain.resize(300, kHeight);
        QImage expected = Render(plain);
        const QFont& font = f.ticker.tickerFont();
        const QFontMetrics metrics(font);
        QPainter painter(&expected);
        painter.setFont(font);
        painter.setPen(kWhite);
        painter.drawText(QPoint(30, metrics.ascent()), "Hello g,j");
        painter.setPen(kYellow);
        painter.drawText(QPoint(30 + metrics.horizontalAdvance("Hello g,j"), 3 + metrics.ascent()),
                         QString::fromUtf8("\u65b0\u95fb news"));
        painter.end();
        const QRect textArea(0, 0, drawn.width() - 6, drawn.height());
        QVERIFY(drawn.copy(textArea) != plain.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(textArea));
        QCOMPARE(drawn.copy(textArea), expected.copy(textArea));
    }

    void gbkTrailByteIsNotASeparator()
    {
        TickerFixture f;
        // 0x81 0x7C is one GBK character; its trail byte is the separator's code.
        const NewsText text = MakeNewsText("|\x81\x7C" "B|C|");
        QCOMPARE(text.segments.size(), size_t(2));
        f.ticker.SetText(text);
        QVERIFY(f.ScrollOneTick(40, 10));
        const QImage image = Render(f.ticker);
        const QFontMetrics metrics(f.ticker.tickerFont());
        const int firstWidth = metrics.horizontalAdvance(QString::fromStdString(text.segments[0]));
        const int bStart = 30 + firstWidth - metrics.horizontalAdvance("B");

        // "B" belongs to the first, white segment; only "C" is yellow.
        QVERIFY(BoxOf(image, kWhite).right() > bStart);
        QVERIFY(BoxOf(image, kYellow).left() >= 30 + firstWidth);
    }

    void eachTickMovesByStepAndPauseHolds()
    {
        TickerFixture f;
        f.ticker.SetStep(4);
        QCOMPARE(f.ticker.textX(), 300);
        QTRY_VERIFY(f.ticker.textX() < 300);
        f.ticker.Pause();
        const int paused = f.ticker.textX();
        QCOMPARE((300 - paused) % 4, 0);
        QVERIFY(!f.ticker.isRunning());

        QTest::qWait(150);
        QCOMPARE(f.ticker.textX(), paused);

        f.ticker.Resume();
        QVERIFY(f.ticker.isRunning());
        QTRY_VERIFY(f.ticker.textX() < paused);
        const int moved = paused - f.ticker.textX();
        QCOMPARE(moved % 4, 0);
        QVERIFY(moved < 4 * 50);  // went on from where it stood, no restart
    }

    void textLeavingOnTheLeftReturnsAtTheRightEdge()
    {
        TickerFixture f;
        f.ticker.SetText(MakeNewsText("|A|B|"));
        const int wholeWidth = QFontMetrics(f.ticker.tickerFont()).horizontalAdvance("|A|B|");

        QVERIFY(f.ScrollOneTick(20, 20 + wholeWidth - 1));
        Render(f.ticker);
        QCOMPARE(f.ticker.textX(), 1 - wholeWidth);

        QVERIFY(f.ScrollOneTick(20, 20 + wholeWidth));
        Render(f.ticker);
        QCOMPARE(f.ticker.textX(), 300);
    }

    void pointerInsideFramesAndPauses()
    {
        TickerFixture f;
        const QPalette& pal = f.ticker.palette();
        const QColor light(pal.color(QPalette::Midlight).rgb());  // 8 bits a channel, as on screen
        const QColor dark(pal.color(QPalette::Shadow).rgb());
        QVERIFY(light != dark);

        f.ticker.TrackPointer(true);
        QVERIFY(!f.ticker.isRunning());
        QImage image = Render(f.ticker);
        const int right = 299, bottom = kHeight - 1, midX = 150, midY = 25;
        QCOMPARE(image.pixelColor(midX, 0), light);
        QCOMPARE(image.pixelColor(0, midY), light);
        QCOMPARE(image.pixelColor(midX, bottom), dark);
        QCOMPARE(image.pixelColor(right, midY), dark);
        QCOMPARE(image.pixelColor(midX, 1), dark);
        QCOMPARE(image.pixelColor(1, midY), dark);
        QCOMPARE(image.pixelColor(midX, bottom - 1), light);
        QCOMPARE(image.pixelColor(right - 1, midY), light);

        f.ticker.TrackPointer(false);
        QVERIFY(f.ticker.isRunning());
        image = Render(f.ticker);
        QCOMPARE(image.pixelColor(midX, 0), image.pixelColor(midX, 2));
        QCOMPARE(image.pixelColor(0, midY), image.pixelColor(2, midY));
    }

    // The window leaving the screen stops the frames, not the ticker: back on
    // screen it scrolls on from where it stood. A paused ticker stays paused.
    void windowOffScreenStopsFramesAndTextKeepsItsPlace()
    {
        QWidget window;
        window.resize(300, kHeight);
        auto* ticker = new CTickerCtrl(&window);
        ticker->resize(300, kHeight);
        ticker->SetText(MakeNewsText("|A|B|"));
        ticker->SetStep(2);
        ticker->SetMode(2);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(ticker->isDrawing());
        QTRY_VERIFY(ticker->textX() < 300);

        window.hide();
        QVERIFY(!ticker->isDrawing());
        QVERIFY(ticker->isRunning());
        const int x = ticker->textX();
        QTest::qWait(150);
        QCOMPARE(ticker->textX(), x);

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(ticker->isDrawing());
        QTRY_VERIFY(ticker->textX() < x);
        QVERIFY(x - ticker->textX() < 2 * 50);

        ticker->Pause();
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!ticker->isDrawing());
        ticker->Resume();
        QVERIFY(ticker->isDrawing());
    }

    void gradientRunsFromGreenToBlue()
    {
        CTickerCtrl ticker;  // no text yet: the band alone
        ticker.resize(605, kHeight);
        const QImage image = Render(ticker);
        // Bands are 10 pixels wide; the last one takes the remainder.
        QCOMPARE(image.pixelColor(0, 30), QColor(50, 180, 0));
        QCOMPARE(image.pixelColor(9, 30), QColor(50, 180, 0));
        QCOMPARE(image.pixelColor(10, 30), QColor(50, 177, 4));
        QCOMPARE(image.pixelColor(589, 30), QColor(50, 6, 232));
        QCOMPARE(image.pixelColor(590, 30), QColor(50, 3, 236));
        QCOMPARE(image.pixelColor(604, kHeight - 1), QColor(50, 3, 236));
    }

    void mouseOverTickerPausesAndLeftPressIsSwallowed()
    {
        PressCounter parent;
        auto* ticker = new CTickerCtrl(&parent);
        ticker->resize(200, kHeight);
        ticker->SetMode(2);
        QVERIFY(ticker->isRunning());

        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), ticker->mapToGlobal(QPointF(10, 10)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ticker, &press);
        QCOMPARE(parent.presses, 0);
        QVERIFY(ticker->isRunning());

        QMouseEvent rightPress(QEvent::MouseButtonPress, QPointF(10, 10), ticker->mapToGlobal(QPointF(10, 10)),
                               Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(ticker, &rightPress);
        QCOMPARE(parent.presses, 1);

        QMouseEvent move(QEvent::MouseMove, QPointF(20, 10), ticker->mapToGlobal(QPointF(20, 10)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(ticker, &move);
        QVERIFY(!ticker->isRunning());
    }
};

TORVANE_OFFSCREEN_TEST_MAIN(TickerCtrlTest)
#include "ticker_ctrl_test.moc"
