#include "mainwindow/menutree.h"

#include <QMenu>
#include <QMenuBar>

namespace mainwindow {

QHash<QString, platform::MenuItem*> buildMenus(QMenuBar* bar)
{
    QHash<QString, QMenu*> menus;
    QHash<QString, platform::MenuItem*> items;
    for (const MenuEntry& e : kMenuTree) {
        if (e.opensMenu) {
            QMenu* menu = *e.parent ? menus.value(e.parent)->addMenu(e.caption) : bar->addMenu(e.caption);
            menu->setObjectName(e.name);
            menus.insert(e.name, menu);
        } else {
            items.insert(e.name, new platform::MenuItem(menus.value(e.parent), e.name, e.caption, e.marked));
        }
    }
    return items;
}

}  // namespace mainwindow
