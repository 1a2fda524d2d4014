// Paint costs of the two controls that redraw all the time: one ticker frame
// and one segment-display paint, each rendered off screen as the window would.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "records/news_file.h"
#include "ui/controls/segment_display.h"
#include "ui/controls/ticker_ctrl.h"

class ControlsBench : public QObject {
    Q_OBJECT

private slots:
    void tickerFrame()
    {
        QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
        CTickerCtrl ticker;
        ticker.resize(820, 50);
        ticker.Start(QColor(255, 255, 255), QColor(255, 255, 43), "Comic Sans MS", 17, 4, 2, "/nonexistent");
        ticker.SetText(MakeNewsText("|Varsen news one|Varsen news two|Varsen news three|Varsen news four|"));
        ticker.SetStep(2);
        ticker.Pause();
        QImage frame(ticker.size(), QImage::Format_ARGB32_Premultiplied);
        QBENCHMARK {
            QPainter painter(&frame);
            ticker.render(&painter);
        }
    }

    void segmentPaint()
    {
        CSegmentDisplay display;
        display.resize(240, 40);
        display.SetText("-1234567");
        QImage frame(display.size(), QImage::Format_ARGB32_Premultiplied);
        QBENCHMARK {
            QPainter painter(&frame);
            display.render(&painter);
        }
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ControlsBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "controls_bench.moc"
