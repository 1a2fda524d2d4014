#include "ui/framework/message_box.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>

#include <utility>

#include "ui/framework/dialog_units.h"

namespace {

QMessageBox::Icon BoxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Stop:
        return QMessageBox::Critical;
    case Icon::Exclamation:
        break;
    }
    return QMessageBox::Warning;
}

// A question without a Cancel button is answered only by its buttons: Esc and
// the close box do nothing (Qt would take them for No).
class AnswerBox : public QMessageBox {
public:
    AnswerBox(::Icon icon, const QString& caption, const QString& text, StandardButtons buttons,
              QWidget* parent)
        : QMessageBox(BoxIcon(icon), caption, text, buttons, parent),
          buttonsOnly_(buttons.testFlag(No) && !buttons.testFlag(Cancel))
    {
        if (buttonsOnly_)
            setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                           ~Qt::WindowCloseButtonHint);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (buttonsOnly_ && event->matches(QKeySequence::Cancel))
            return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (buttonsOnly_)
            event->ignore();
        else
            QMessageBox::closeEvent(event);
    }

private:
    bool buttonsOnly_;
};

MessageBoxAnswer& PendingAnswer()
{
    static MessageBoxAnswer answer;
    return answer;
}

int RunBox(QWidget* parent, const QString& text, Icon icon, QMessageBox::StandardButtons buttons,
           const QString& caption = ExecutableBaseName())
{
    AnswerBox box(icon, caption, text, buttons, parent);
    box.setFont(DialogFont());
    // Read out as soon as the box opens.
    box.setAccessibleDescription(text);
    if (MessageBoxAnswer answer = std::exchange(PendingAnswer(), {}))
        return answer(box);
    return box.exec();
}

}  // namespace

QString ExecutableBaseName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void ShowMessageBox(QWidget* parent, const QString& text, Icon icon)
{
    RunBox(parent, text, icon, QMessageBox::Ok);
}

void ShowCaptionedBox(QWidget* parent, const QString& caption, const QString& text, Icon icon)
{
    RunBox(parent, text, icon, QMessageBox::Ok, caption);
}

bool AskYesNoBox(QWidget* parent, const QString& text, Icon icon)
{
    return RunBox(parent, text, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void AnswerNextMessageBox(MessageBoxAnswer answer)
{
    PendingAnswer() = std::move(answer);
}
