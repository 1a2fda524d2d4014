#include "ui/message_box.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <utility>

#include "ui/dialog_units.h"

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

MessageBoxAnswer& PendingAnswer()
{
    static MessageBoxAnswer answer;
    return answer;
}

int RunBox(QWidget* parent, const QString& text, Icon icon, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(BoxIcon(icon), ExecutableBaseName(), text, buttons, parent);
    box.setFont(DialogFont());
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

bool AskYesNoBox(QWidget* parent, const QString& text, Icon icon)
{
    return RunBox(parent, text, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void AnswerNextMessageBox(MessageBoxAnswer answer)
{
    PendingAnswer() = std::move(answer);
}
