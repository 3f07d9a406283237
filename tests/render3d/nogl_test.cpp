// The 3D view where no OpenGL context can be had at all.

#include "platform/device3d.h"
#include "render3d/frmRender.h"
#include "tests/render3d/viewkayak.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testapp.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace render3d {
namespace {

TEST(WithoutOpenGL, TheViewSaysSoOnceAndCloses)
{
    qputenv("QT_QPA_OFFSCREEN_NO_GLX", "1");  // the offscreen platform's only way to OpenGL
    testsupport::testApp();
    testsupport::ScriptedMessageBox messages;
    const model::Design design = testsupport::viewKayak();
    frmRender window(design, messages, QDBusConnection("no bus"));
    window.Form_Load();
    QApplication::processEvents();
    EXPECT_FALSE(window.RenderRunning() || window.isVisible() || window.Picture1->isReady());
    window.CmdExit->click();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"could not initialize d3d"});
}

}  // namespace
}  // namespace render3d
