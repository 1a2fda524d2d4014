#include "ui/framework/message_box.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

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

int RunBox(QWidget* parent, const QString& text, Icon icon, QMessageBox::StandardButtons buttons,
           const QString& caption = ExecutableBaseName())
{
    QMessageBox box(BoxIcon(icon), caption, text, buttons, parent);
    box.setFont(DialogFont());
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
