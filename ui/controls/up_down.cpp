#include "ui/controls/up_down.h"
#include "ui/framework/tr.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

#include "ui/controls/control_accessibility.h"

CUpDown::CUpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    InstallControlAccessibility();
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAccessibleName(TrQ("增加"));
    down_->setAccessibleName(TrQ("减少"));
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, &CUpDown::StepUp);
    connect(down_, &QToolButton::clicked, this, &CUpDown::StepDown);
}

void CUpDown::SetBuddy(QLineEdit* buddy)
{
    if (buddy_) {
        buddy_->removeEventFilter(this);
        disconnect(buddy_, nullptr, this, nullptr);
    }
    buddy_ = buddy;
    if (!buddy_)
        return;
    buddy_->installEventFilter(this);
    // Whatever changes the number, a screen reader hears the new value.
    connect(buddy_, &QLineEdit::textChanged, this, [this] {
        QAccessibleValueChangeEvent event(this, Position());
        QAccessible::updateAccessibility(&event);
    });
}

void CUpDown::SetRange(int lower, int upper)
{
    lower_ = lower;
    upper_ = upper;
}

int CUpDown::Position() const
{
    bool ok = false;
    const int value = buddy_ ? buddy_->text().trimmed().toInt(&ok) : 0;
    if (!ok)
        return lower_;
    return std::clamp(value, std::min(lower_, upper_), std::max(lower_, upper_));
}

void CUpDown::SetPosition(int position)
{
    if (buddy_)
        buddy_->setText(QString::number(
            std::clamp(position, std::min(lower_, upper_), std::max(lower_, upper_))));
}

void CUpDown::StepUp() { StepToward(upper_); }

void CUpDown::StepDown() { StepToward(lower_); }

void CUpDown::StepToward(int end)
{
    const int position = Position();
    const int next = position < end ? position + 1 : position > end ? position - 1 : position;
    if (buddy_)
        buddy_->setText(QString::number(next));
}

bool CUpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up) {
            StepUp();
            return true;
        }
        if (key == Qt::Key_Down) {
            StepDown();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CUpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
