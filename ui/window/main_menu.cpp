#include "ui/window/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <vector>

#include "ui/framework/dialog_units.h"

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
         {{32782, "新 游 戏"}, {32773, "高手排行"}, {32783, "游戏设置"}, {32774, "退    出"}}},
        {"重要场所",
         {{32775, "银    行"},
          {32776, "邮    局"},
          {32777, "医    院"},
          {32779, "机    场"},
          {32778, "租房中介"},
          {32780, "网    吧"}}},
        {"帮 助",
         {{32785, "Varsen简介"}, {32784, "游戏故事"}, {32771, "游戏文档"}, {32781, "关于本游戏"}}},
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
