#include "ui/info/help_command.h"

#include <QString>

#include "ui/framework/desktop_open.h"
#include "ui/framework/message_box.h"
#include "ui/framework/tr.h"
#include "ui/info/help_viewer.h"

void OpenHelpPage(QWidget* owner, const std::string& helpPath)
{
    const QString path = QString::fromStdString(helpPath);
    const OpenResult result = OpenFileWithDesktop(path);
    if (result.opened)
        return;
    // The page is there but the desktop could not show it: the game does.
    if (result.code != kOpenFileNotFound && ShowHelpViewer(owner, path))
        return;
    ShowCaptionedBox(owner, TrQ("错误"), TrQ("找不到帮助文件"), Icon::Stop);
}
