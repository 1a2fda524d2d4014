// The news band on a real X server: its frames are put together by the
// server, and what the window shows must be what the band's own painting draws.

#include "records/news_file.h"
#include "records/scrambled_file.h"
#include "ui/controls/ticker_ctrl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <fstream>

namespace {

constexpr QPoint kBandAt(12, 30);
constexpr QSize kBandSize(420, 40);

// The largest difference of one colour channel between two images of one size.
int LargestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

class BandWindow {
public:
    BandWindow()
    {
        std::ofstream(dir.filePath("news.txt").toStdString(), std::ios::binary)
            << Scramble("|Headlines g,j|\xd0\xc2\xce\xc5 second|third one|", kNewsKey);
        QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
        window.resize(kBandSize.width() + 40, kBandSize.height() + 60);
        ticker = new CTickerCtrl(&window);
        ticker->setGeometry(QRect(kBandAt, kBandSize));
        ticker->Start(QColor(255, 255, 255), QColor(255, 255, 43), "Comic Sans MS", 15, 7, 2,
                      dir.path().toStdString());
        window.show();
    }

    // Waits for the next frame; false when none comes within two seconds.
    bool NextFrame()
    {
        const int before = ticker->textX();
        QElapsedTimer clock;
        clock.start();
        while (ticker->textX() == before && clock.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        return ticker->textX() != before;
    }

    // The band's rows as the X server shows them, and as the band paints them
    // at the same place of the text.
    std::pair<QImage, QImage> ShownAndPainted(int rows)
    {
        const QImage shown = window.screen()
                                 ->grabWindow(window.winId(), kBandAt.x(), kBandAt.y(), kBandSize.width(), rows)
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        const QImage painted =
            ticker->grab(QRect(0, 0, kBandSize.width(), rows)).toImage().convertToFormat(QImage::Format_RGB32);
        return {shown, painted};
    }

    QTemporaryDir dir;
    QWidget window;
    CTickerCtrl* ticker;
};

int Rows(const CTickerCtrl& ticker)
{
    return QFontMetrics(ticker.tickerFont()).height() + 4;
}

}  // namespace

class TickerOnXServerTest : public QObject {
    Q_OBJECT
private slots:
    void framesDrawnByTheServerMatchThePainting()
    {
        BandWindow band;
        QVERIFY(QTest::qWaitForWindowExposed(&band.window));
        QVERIFY(band.NextFrame());
        QVERIFY(band.NextFrame());
        QVERIFY(band.ticker->isPresentingOnServer());
        const int rows = Rows(*band.ticker);
        // Frames across the whole run of the text, the wrap to the right edge included.
        bool wrapped = false;
        for (int frame = 0; frame < 200 && !wrapped; ++frame) {
            const int before = band.ticker->textX();
            QVERIFY(band.NextFrame());
            wrapped = band.ticker->textX() > before;
            if (frame % 10 == 0 || wrapped) {
                const auto [shown, painted] = band.ShownAndPainted(rows);
                QVERIFY2(LargestDifference(shown, painted) == 0,
                         qPrintable(QString("frame %1 at x %2: channels differ by %3")
                                        .arg(frame)
                                        .arg(band.ticker->textX())
                                        .arg(LargestDifference(shown, painted))));
            }
        }
        QVERIFY(wrapped);
        QVERIFY(band.ticker->isPresentingOnServer());
    }

    void aPausedBandShowsItsFrameFromTheBackingStore()
    {
        BandWindow band;
        QVERIFY(QTest::qWaitForWindowExposed(&band.window));
        for (int i = 0; i < 5; ++i)
            QVERIFY(band.NextFrame());
        QVERIFY(band.ticker->isPresentingOnServer());
        band.ticker->TrackPointer(true);
        QVERIFY(!band.ticker->isRunning());
        QTest::qWait(100);
        const auto [shown, painted] = band.ShownAndPainted(kBandSize.height());
        QCOMPARE(LargestDifference(shown, painted), 0);

        // Moved on and resized, the band is drawn by the server again, at its new place.
        band.ticker->TrackPointer(false);
        band.ticker->setGeometry(QRect(kBandAt, kBandSize - QSize(30, 0)));
        QVERIFY(band.NextFrame());
        QVERIFY(band.NextFrame());
        QVERIFY(band.ticker->isPresentingOnServer());
    }
};

int main(int argc, char** argv)
{
    // These run on the X server that xvfb-run starts, whatever the caller's platform.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    TickerOnXServerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ticker_on_x_server_test.moc"
