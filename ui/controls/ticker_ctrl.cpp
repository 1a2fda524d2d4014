#include "ui/controls/ticker_ctrl.h"

#include "ui/controls/art.h"

#include <algorithm>

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <QStringList>
#include <QTimerEvent>

namespace {

constexpr int kTickMs = 40;
constexpr int kBands = 60;
const QColor kGradientStart(50, 180, 0);
const QColor kGradientEnd(0, 0, 255);
constexpr int kSecondLineDrop = 3;  // even segments sit this many pixels lower
const char* const kEndMarkName = "bitmap129";
constexpr QSize kEndMarkSize(6, 15);

QFont TickerFont(const QString& face, int pixelHeight)
{
    QFont font(face);
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Normal);
    return font;
}

// Painted into an image rather than the window, text is antialiased as the
// image's format allows; the two agree when the desktop draws text in grey.
// Where it draws coloured fringes the band keeps to the backing store.
bool IsDrawnInGrey(const QFont& font)
{
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(2, QFontMetrics(font).ascent()), QStringLiteral("Ag\u65b0"));
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qRed(line[x]) != qGreen(line[x]) || qGreen(line[x]) != qBlue(line[x]))
                return false;
    }
    return true;
}

}  // namespace

CTickerCtrl::CTickerCtrl(QWidget* parent)
    : QWidget(parent)
{
    UseTickerFont();
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moving over the band pauses it even when no button is held.
    setMouseTracking(true);
}

void CTickerCtrl::SetText(const NewsText& text)
{
    text_ = text;
    hasText_ = true;
    measured_ = false;
    // A screen reader reads the headlines at once rather than as they scroll by.
    QStringList headlines;
    for (const std::string& segment : text_.segments)
        headlines << QString::fromStdString(segment);
    setAccessibleDescription(headlines.join(QLatin1Char('\n')));
}

// The text and its widths change only with the text or the font, so they are
// measured once, at the first paint after a change, rather than at every frame.
void CTickerCtrl::Measure()
{
    measured_ = true;
    const QFontMetrics metrics(font_);
    wholeWidth_ = metrics.horizontalAdvance(QString::fromStdString(text_.whole));
    ascent_ = metrics.ascent();
    lines_.clear();
    for (const std::string& segment : text_.segments) {
        const QString line = QString::fromStdString(segment);
        // Laid out once: a frame then draws glyphs without shaping the text again.
        QTextLayout layout(line, font_);
        layout.beginLayout();
        const QTextLine laidOut = layout.createLine();
        layout.endLayout();
        lines_.push_back({metrics.horizontalAdvance(line), laidOut.ascent(), layout.glyphRuns()});
    }
}

void CTickerCtrl::Start(const QColor& colour1, const QColor& colour2, const QString& face,
                        int fontHeight, int step, int mode, const std::string& dir)
{
    SetText(LoadNewsText(dir));
    colour1_ = colour1;
    colour2_ = colour2;
    faceName_ = face;
    fontHeight_ = fontHeight;
    UseTickerFont();
    step_ = step;
    SetMode(mode);
}

void CTickerCtrl::SetMode(int mode)
{
    mode_ = mode;
    x_ = width();
    running_ = true;
    ApplyTimer(true);
}

void CTickerCtrl::UseTickerFont()
{
    font_ = TickerFont(faceName_, fontHeight_);
    // Measured when first needed: loading the font can wait until the window is up.
    textRows_ = 0;
    measured_ = false;
    // Whether the band can go through the server depends on how the font is drawn.
    serverBandFailed_ = false;
}

void CTickerCtrl::SetStep(int step)
{
    step_ = step;
}

void CTickerCtrl::Pause()
{
    running_ = false;
    timer_.stop();
    // The backing store has not seen the frames the server drew.
    if (serverBand_)
        update(RowsRect());
}

void CTickerCtrl::Resume()
{
    if (running_)
        return;
    running_ = true;
    ApplyTimer(true);
}

void CTickerCtrl::ApplyTimer(bool restart)
{
    if (!running_ || !onScreen_)
        timer_.stop();
    else if (restart || !timer_.isActive())
        timer_.start(kTickMs, this);
}

void CTickerCtrl::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The window's exposure tells when it is minimised or covered.
    QWindow* handle = window()->windowHandle();
    if (handle != watchedWindow_) {
        if (watchedWindow_)
            watchedWindow_->removeEventFilter(this);
        watchedWindow_ = handle;
        if (handle)
            handle->installEventFilter(this);
    }
    onScreen_ = !handle || handle->isExposed();
    ApplyTimer(false);
}

void CTickerCtrl::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    onScreen_ = false;
    ApplyTimer(false);
}

bool CTickerCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == watchedWindow_ && event->type() == QEvent::Expose) {
        onScreen_ = isVisible() && watchedWindow_->isExposed();
        ApplyTimer(false);
        // What the window shows again comes from the backing store: it is
        // brought up to the frame the server last drew before it is shown.
        if (serverBand_)
            update(RowsRect());
    }
    return QWidget::eventFilter(watched, event);
}

void CTickerCtrl::SetEdge(bool bumpFrame)
{
    bumpFrame_ = bumpFrame;
}

void CTickerCtrl::TrackPointer(bool inside)
{
    SetEdge(inside);
    if (inside) {
        Pause();
        update();
    } else {
        Resume();
    }
}

void CTickerCtrl::timerEvent(QTimerEvent* event)
{
    QWidget::timerEvent(event);
    if (event->timerId() != timer_.timerId())
        return;
    x_ -= step_;
    // Only the rows the headlines are drawn in change from frame to frame.
    if (!PresentOnServer())
        update(RowsRect());
}

QRect CTickerCtrl::RowsRect()
{
    if (textRows_ == 0)
        textRows_ = QFontMetrics(font_).height() + kSecondLineDrop + 1;
    return QRect(0, 0, width(), std::min(height(), textRows_));
}

bool CTickerCtrl::PresentOnServer()
{
    // The backing store draws whatever this way cannot: a frame round the
    // band, a scaled screen, a background not yet drawn at this size.
    if (bumpFrame_ || background_.isNull() || background_.devicePixelRatio() != 1.0
        || background_.size() != size()) {
        serverBand_.reset();
        return false;
    }
    const QRect rows = RowsRect();
    if (!serverBand_ || !serverBand_->Fits(*this, rows)) {
        serverBand_.reset();
        if (serverBandFailed_)
            return false;
        if (IsDrawnInGrey(font_))
            serverBand_ = X11Band::Open(*this, rows, background_.toImage().copy(rows));
        serverBandFailed_ = !serverBand_;
        if (!serverBand_)
            return false;
    }
    PaintForeground(serverBand_->frame(), 1.0);
    serverBand_->Present();
    return true;
}

void CTickerCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void CTickerCtrl::mouseMoveEvent(QMouseEvent* event)
{
    // The base leaves the event unaccepted, so the window's own tracking sees it too.
    QWidget::mouseMoveEvent(event);
    Pause();
}

void CTickerCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    PaintBackground(painter, ratio);
    PaintForeground(painter, ratio);
    if (bumpFrame_)
        PaintBumpFrame(painter);
}

void CTickerCtrl::PaintForeground(QPainter& painter, qreal ratio)
{
    if (hasText_ && mode_ == 2)
        PaintSegments(painter);
    PaintEndMark(painter, ratio);
}

// The gradient only changes with the size, so each frame copies it in one block.
void CTickerCtrl::PaintBackground(QPainter& painter, qreal ratio)
{
    if (background_.isNull() || background_.devicePixelRatio() != ratio
        || background_.deviceIndependentSize().toSize() != size()) {
        background_ = QPixmap(size() * ratio);
        background_.setDevicePixelRatio(ratio);
        QPainter gradient(&background_);
        DrawGradient(gradient);
    }
    painter.drawPixmap(0, 0, background_);
}

void CTickerCtrl::DrawGradient(QPainter& painter) const
{
    const int width = this->width();
    const int bandWidth = width / kBands;
    const int redStep = (kGradientEnd.red() - kGradientStart.red()) / (kBands - 1);
    const int greenStep = (kGradientEnd.green() - kGradientStart.green()) / (kBands - 1);
    const int blueStep = (kGradientEnd.blue() - kGradientStart.blue()) / (kBands - 1);
    int red = kGradientStart.red();
    int green = kGradientStart.green();
    int blue = kGradientStart.blue();
    for (int band = 0; band < kBands; ++band) {
        const int left = band * bandWidth;
        const int right = band == kBands - 1 ? width : left + bandWidth;
        painter.fillRect(QRect(left, 0, right - left, height()), QColor(red, green, blue));
        red += redStep;
        green += greenStep;
        blue += blueStep;
    }
}

void CTickerCtrl::PaintSegments(QPainter& painter)
{
    // The text starts at the right edge: nothing of it shows, and it need not
    // be measured for the window's first paint.
    if (x_ >= width())
        return;
    if (!measured_)
        Measure();
    WrapText();
    int drawX = x_;
    bool first = true;
    for (const Line& line : lines_) {
        // Headlines wholly outside the band are not drawn.
        if (drawX < width() && drawX + line.width > 0) {
            painter.setPen(first ? colour1_ : colour2_);
            // The runs hold their baseline at the line's ascent; it goes where
            // the text's baseline would be drawn.
            const int baseline = (first ? 0 : kSecondLineDrop) + ascent_;
            const QPointF origin(drawX, baseline - line.ascent);
            for (const QGlyphRun& run : line.runs)
                painter.drawGlyphRun(origin, run);
        }
        drawX += line.width;
        first = !first;
    }
}

void CTickerCtrl::WrapText()
{
    if (x_ <= -wholeWidth_)
        x_ = width();
}

// A ridge: raised outer line, sunken inner line, on all four sides. The
// bottom and right lines are drawn last and own the corners.
void CTickerCtrl::PaintBumpFrame(QPainter& painter) const
{
    const QColor light = palette().color(QPalette::Midlight);
    const QColor dark = palette().color(QPalette::Shadow);
    auto ring = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
        const int left = inset;
        const int top = inset;
        const int right = width() - 1 - inset;
        const int bottom = height() - 1 - inset;
        painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, top)), topLeft);
        painter.fillRect(QRect(QPoint(left, top), QPoint(left, bottom - 1)), topLeft);
        painter.fillRect(QRect(QPoint(left, bottom), QPoint(right, bottom)), bottomRight);
        painter.fillRect(QRect(QPoint(right, top), QPoint(right, bottom)), bottomRight);
    };
    ring(0, light, dark);
    ring(1, dark, light);
}

void CTickerCtrl::PaintEndMark(QPainter& painter, qreal ratio)
{
    if (ratio != endMarkRatio_) {
        endMarkRatio_ = ratio;
        endMark_ = ArtPixmap(kEndMarkName, kEndMarkSize, ratio);
    }
    if (!endMark_.isNull())
        painter.drawPixmap(width() - kEndMarkSize.width(), 0, endMark_);
}
