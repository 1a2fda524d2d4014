#include "ui/controls/hyper_link.h"

#include <QApplication>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include "ui/controls/control_accessibility.h"

namespace {

const QColor kLinkColour(0, 0, 255);
const QColor kActiveColour(0, 128, 128);
const QColor kVisitedColour(128, 0, 128);

struct OpenError {
    int code;
    const char* text;
};

// The shell's result codes and how they are told to the player.
const OpenError kOpenErrors[] = {
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};


}  // namespace

CHyperLink::CHyperLink(const QString& target, Opener opener, QWidget* parent)
    : QWidget(parent), target_(target), opener_(std::move(opener))
{
    QFont linkFont = font();
    linkFont.setUnderline(true);
    setFont(linkFont);
    setCursor(Qt::PointingHandCursor);
    setToolTip(target_);
    setAccessibleName(target_);
    setAccessibleDescription(target_);
    setFocusPolicy(Qt::StrongFocus);
    InstallControlAccessibility();
}

QColor CHyperLink::textColour() const
{
    if (active_)
        return kActiveColour;
    return visited_ ? kVisitedColour : kLinkColour;
}

QSize CHyperLink::sizeHint() const
{
    return QFontMetrics(font()).size(Qt::TextSingleLine, target_);
}

void CHyperLink::FitToText(bool centred)
{
    const QSize text = sizeHint();
    QRect rect = geometry();
    if (centred)
        rect.setLeft(rect.left() + (rect.width() - text.width()) / 2);
    rect.setSize(text);
    setGeometry(rect);
}

void CHyperLink::FollowLink()
{
    const OpenResult result = opener_ ? opener_(target_) : OpenResult{false, kOpenNoHandler};
    if (result.opened) {
        visited_ = true;
        update();
        return;
    }
    QApplication::beep();
    QMessageBox box(QMessageBox::Warning, QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(),
                    FailureText(result.code), QMessageBox::Ok, this);
    box.exec();
}

QString CHyperLink::FailureText(int code)
{
    QString text = QStringLiteral("Can't open link:\n\n");
    for (const OpenError& error : kOpenErrors)
        if (error.code == code)
            return text + QString::fromUtf8(error.text);
    return text + QStringLiteral("Unknown Error (%1) occurred.").arg(code);
}

void CHyperLink::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(textColour());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, target_);
}

void CHyperLink::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    active_ = true;
    update();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && active_)
        FollowLink();
    else
        QWidget::mouseReleaseEvent(event);
}

void CHyperLink::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        FollowLink();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CHyperLink::focusInEvent(QFocusEvent* event)
{
    active_ = true;
    update();
    QWidget::focusInEvent(event);
}

void CHyperLink::focusOutEvent(QFocusEvent* event)
{
    active_ = false;
    update();
    QWidget::focusOutEvent(event);
}
