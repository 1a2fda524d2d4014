#include "ui/window/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <vector>

#include "ui/framework/dialog_units.h"
#include "ui/window/main_commands.h"

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
        {"系 统",
         {{kCmdNewGame, "新 游 戏"}, {kCmdTopTen, "高手排行"}, {kCmdSettings, "游戏设置"}, {kCmdQuit, "退    出"}}},
        {"重要场所",
         {{kCmdBank, "银    行"},
          {kCmdPostOffice, "邮    局"},
          {kCmdHospital, "医    院"},
          {kCmdAirport, "机    场"},
          {kCmdRentAgent, "租房中介"},
          {kCmdNetCafe, "网    吧"}}},
        {"帮 助",
         {{kCmdCityIntro, "Varsen简介"}, {kCmdStory, "游戏故事"}, {kCmdHelp, "游戏文档"}, {kCmdAbout, "关于本游戏"}}},
    };
    return table;
}

}  // namespace

QMenuBar* BuildMainMenu(QWidget* parent, const std::function<void(int)>& onCommand)
{
    auto* menuBar = new QMenuBar(parent);
    menuBar->setFont(DialogFont());
    for (const Popup& popup : MenuTable()) {
        QMenu* menu = menuBar->addMenu(QString::fromUtf8(popup.title));
        menu->setFont(DialogFont());
        for (const MenuCommand& command : popup.commands) {
            QAction* action = menu->addAction(QString::fromUtf8(command.text));
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
