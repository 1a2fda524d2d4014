#include "ui/info/help_command.h"

#include <QString>

#include "ui/framework/desktop_open.h"
#include "ui/framework/message_box.h"

void OpenHelpPage(QWidget* owner, const std::string& helpPath)
{
    if (OpenFileWithDesktop(QString::fromStdString(helpPath)).opened)
        return;
    ShowCaptionedBox(owner, QStringLiteral("错误"), QStringLiteral("找不到帮助文件"), Icon::Stop);
}
