#include "ui/window/system_menu.h"

#include <QMenu>
#include <QShortcut>

#include "ui/framework/dialog_units.h"
#include "ui/framework/tr.h"

void InstallSystemMenu(QWidget* window)
{
    auto* menu = new QMenu(window);
    menu->setFont(DialogFont());
    menu->setObjectName(QStringLiteral("systemMenu"));
    QObject::connect(menu->addAction(TrQ("最小化")), &QAction::triggered, window,
                     &QWidget::showMinimized);
    menu->addSeparator();
    menu->addAction(TrQ("关闭"))->setEnabled(false);
    menu->addSeparator();
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), window);
    QObject::connect(shortcut, &QShortcut::activated, menu,
                     [window, menu] { menu->popup(window->mapToGlobal(QPoint(0, 0))); });
}
