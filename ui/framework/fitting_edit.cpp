#include "ui/framework/fitting_edit.h"

#include <QLineEdit>
#include <QObject>
#include <QStyle>
#include <QSignalBlocker>
#include <QStyleOptionFrame>

#include <memory>

namespace {

bool TextFits(const QLineEdit* edit, const QString& text)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    const QRect area =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    // Two pixels of the line edit's own inner margin on each side, plus the cursor.
    const int room = area.width() - margins.left() - margins.right() - 4 - 1;
    return edit->fontMetrics().horizontalAdvance(text) <= room;
}

}  // namespace

void LimitTextToBox(QLineEdit* edit)
{
    auto accepted = std::make_shared<QString>(edit->text());
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, accepted](const QString& text) {
        if (TextFits(edit, text)) {
            *accepted = text;
            return;
        }
        const int cursor = edit->cursorPosition() - (text.size() - accepted->size());
        const QSignalBlocker blocker(edit);
        edit->setText(*accepted);
        edit->setCursorPosition(qMax(0, cursor));
    });
}
