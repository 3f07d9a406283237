#include "platform/menuitem.h"
#include "tests/support/testapp.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

TEST(MenuItem, TheHandlerAloneDecidesTheCheckMark)
{
    testsupport::testApp();
    QMenu menu;
    platform::MenuItem item(&menu, "x1", "x1", true);
    bool seenBefore = true;
    item.setOnClick([&] { seenBefore = item.Checked(); });
    item.click();
    EXPECT_EQ(std::tuple(seenBefore, item.Checked(), item.action()->isChecked()), std::tuple(false, false, false));
    item.setOnClick([&] { item.setChecked(!item.Checked()); });
    item.click();
    EXPECT_TRUE(item.Checked() && item.action()->isChecked());
    item.click();
    EXPECT_FALSE(item.action()->isChecked());
}
