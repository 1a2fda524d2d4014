#include "ui/info/help_command.h"

#include <QString>

#include "ui/framework/desktop_open.h"
#include "ui/framework/message_box.h"
#include "ui/framework/tr.h"

void OpenHelpPage(QWidget* owner, const std::string& helpPath)
{
    if (OpenFileWithDesktop(QString::fromStdString(helpPath)).opened)
        return;
    ShowCaptionedBox(owner, TrQ("错误"), TrQ("找不到帮助文件"), Icon::Stop);
}
