#pragma once
// The news band at the bottom of the main window: headlines scroll from right
// to left over a gradient, alternating two colours, and pause under the mouse.

#include "records/news_file.h"
#include "ui/controls/x11_band.h"

#include <QBasicTimer>
#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <string>
#include <vector>

class CTickerCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CTickerCtrl(QWidget* parent = nullptr);

    void SetText(const NewsText& text);
    // Loads news.txt from dir, takes the colours and font, then starts scrolling.
    void Start(const QColor& colour1, const QColor& colour2, const QString& face, int fontHeight,
               int step, int mode, const std::string& dir);
    // Restarts scrolling from the right edge.
    void SetMode(int mode);
    void SetStep(int step);
    void Pause();
    void Resume();
    // true: a bump frame on all four sides; false: no frame.
    void SetEdge(bool bumpFrame);
    // The main window's pointer tracking: inside pauses and frames the band,
    // outside removes the frame and scrolls on.
    void TrackPointer(bool inside);

    // Left edge of the text in pixels from the control's left edge. Not named
    // x(), which would hide the widget's own position.
    int textX() const { return x_; }
    bool isRunning() const { return running_; }
    // Whether frames are being drawn: running, and the window on screen. A
    // minimised, covered or hidden window stops the frames; the text keeps its place.
    bool isDrawing() const { return timer_.isActive(); }
    bool hasBumpFrame() const { return bumpFrame_; }
    const NewsText& newsText() const { return text_; }
    const QFont& tickerFont() const { return font_; }
    // Whether the frames go straight to the X server rather than through the
    // window's backing store.
    bool isPresentingOnServer() const { return serverBand_ != nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sets the frame timer going or stops it, from running_ and onScreen_.
    void ApplyTimer(bool restart);
    // The font from faceName_ and fontHeight_, and what follows from it.
    void UseTickerFont();
    void Measure();
    // Starts the text again from the right edge once it has scrolled out on the left.
    void WrapText();
    // The rows from the band's top that headlines are drawn in.
    QRect RowsRect();
    // Shows the next frame straight through the X server; false when it cannot.
    bool PresentOnServer();
    // What is drawn over the background: the headlines and the end mark.
    // ratio: the pixel ratio of the device painted on.
    void PaintForeground(QPainter& painter, qreal ratio);
    void PaintBackground(QPainter& painter, qreal ratio);
    void DrawGradient(QPainter& painter) const;
    void PaintSegments(QPainter& painter);
    void PaintBumpFrame(QPainter& painter) const;
    void PaintEndMark(QPainter& painter, qreal ratio);

    bool bumpFrame_ = false;
    QPixmap endMark_;
    QPixmap background_;  // the gradient at the widget's size and pixel ratio
    qreal endMarkRatio_ = 0;  // device pixel ratio endMark_ was rendered for; 0 = not yet
    int x_ = 0;
    QColor colour2_{0, 255, 0};
    QColor colour1_{255, 255, 255};
    int step_ = 0;
    int mode_ = 2;
    bool hasText_ = false;  // the text is drawn only once one has been set
    int fontHeight_ = 15;
    QString faceName_ = QStringLiteral("Comic Sans MS");
    NewsText text_;
    QFont font_;
    struct Line {
        int width;
        qreal ascent;  // of the laid-out line, where its runs' baseline lies
        QList<QGlyphRun> runs;
    };
    std::vector<Line> lines_;   // the segments laid out, with their measured widths
    int ascent_ = 0;            // the ticker font's
    int wholeWidth_ = 0;        // the whole text, separators included
    int textRows_ = 0;          // the rows from the band's top that headlines are drawn in; 0: not yet measured
    bool measured_ = false;
    bool running_ = false;
    // Until the ticker is first shown nothing is known of its window, and it runs.
    bool onScreen_ = true;
    QPointer<QWindow> watchedWindow_;
    QBasicTimer timer_;
    std::unique_ptr<X11Band> serverBand_;
    bool serverBandFailed_ = false;  // tried for this font, and the server could not
};
