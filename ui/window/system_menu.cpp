#include "ui/window/system_menu.h"

#include <QMenu>
#include <QShortcut>

#include "resources/layouts/layouts.h"
#include "ui/framework/dialog_units.h"
#include "ui/framework/tr.h"

void InstallSystemMenu(QWidget* window, const std::function<void()>& onAbout)
{
    auto* menu = new QMenu(window);
    menu->setFont(DialogFont());
    menu->setObjectName(QStringLiteral("systemMenu"));
    QObject::connect(menu->addAction(QString::fromUtf8(kAboutTemplate.caption)), &QAction::triggered,
                     window, onAbout);
    menu->addSeparator();
    menu->addAction(TrQ("关闭"))->setEnabled(false);
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), window);
    QObject::connect(shortcut, &QShortcut::activated, menu,
                     [window, menu] { menu->popup(window->mapToGlobal(QPoint(0, 0))); });
}
