#include "mainwindow/menutree.h"
#include "tests/support/testapp.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

TEST(MenuTree, MenusItemsAndCaptionsInOrder)
{
    testsupport::testApp();
    QMenuBar bar;
    const auto items = mainwindow::buildMenus(&bar);
    QStringList menus;
    for (QAction* a : bar.actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"File", "Edit", "View", "Plans", "Help"}));
    EXPECT_TRUE(items.size() == 24 && items.value("AddBulkhead")->parent() == bar.findChild<QMenu*>("Bulkheads"));
    const QStringList marked{"ViewData", "ViewWaterLine", "x5", "x75", "x1", "x2", "x4", "Wireframe", "Solid"};
    for (auto* item : items) {
        EXPECT_TRUE(item->action()->shortcut().isEmpty());
        const QString name = item->objectName();
        EXPECT_EQ(item->action()->isCheckable(), marked.contains(name)) << name.toStdString();
    }
}
