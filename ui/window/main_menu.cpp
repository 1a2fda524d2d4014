#include "ui/window/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <vector>

#include "ui/framework/dialog_units.h"
#include "ui/window/main_commands.h"
#include "ui/framework/tr.h"

namespace {

struct MenuCommand {
    int id;
    const char* text;
};

struct Popup {
    const char* title;
    std::vector<MenuCommand> commands;
};

const char* const kCommandProperty = "commandId";

const std::vector<Popup>& MenuTable()
{
    static const std::vector<Popup> table{
        {N_("系 统"),
         {{kCmdNewGame, N_("新 游 戏")}, {kCmdTopTen, N_("高手排行")}, {kCmdSettings, N_("游戏设置")}, {kCmdQuit, N_("退    出")}}},
        {N_("重要场所"),
         {{kCmdBank, N_("银    行")},
          {kCmdPostOffice, N_("邮    局")},
          {kCmdHospital, N_("医    院")},
          {kCmdAirport, N_("机    场")},
          {kCmdRentAgent, N_("租房中介")},
          {kCmdNetCafe, N_("网    吧")}}},
        {N_("帮 助"),
         {{kCmdCityIntro, N_("Varsen简介")}, {kCmdStory, N_("游戏故事")}, {kCmdHelp, N_("游戏文档")}, {kCmdAbout, N_("关于本游戏")}}},
    };
    return table;
}

}  // namespace

QMenuBar* BuildMainMenu(QWidget* parent, const std::function<void(int)>& onCommand)
{
    auto* menuBar = new QMenuBar(parent);
    menuBar->setFont(DialogFont());
    for (const Popup& popup : MenuTable()) {
        QMenu* menu = menuBar->addMenu(TrQ(popup.title));
        menu->setFont(DialogFont());
        for (const MenuCommand& command : popup.commands) {
            QAction* action = menu->addAction(TrQ(command.text));
            action->setProperty(kCommandProperty, command.id);
            const int id = command.id;
            QObject::connect(action, &QAction::triggered, menuBar, [onCommand, id] { onCommand(id); });
        }
    }
    return menuBar;
}

QAction* FindMenuCommand(const QMenuBar* menuBar, int id)
{
    const auto actions = menuBar->findChildren<QAction*>();
    for (QAction* action : actions) {
        const QVariant value = action->property(kCommandProperty);
        if (value.isValid() && value.toInt() == id)
            return action;
    }
    return nullptr;
}
