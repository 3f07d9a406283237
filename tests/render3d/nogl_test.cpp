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
    // The offscreen platform offers OpenGL only through GLX; switch that off.
    qputenv("QT_QPA_OFFSCREEN_NO_GLX", "1");
    testsupport::testApp();
    const model::Design design = testsupport::viewKayak();
    testsupport::ScriptedMessageBox messages;
    frmRender window(design, messages, QDBusConnection("no bus"));
    window.Form_Load();
    QApplication::processEvents();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"could not initialize d3d"});
    EXPECT_FALSE(window.RenderRunning());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.Picture1->isReady());
    window.CmdExit->click();
    EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
}  // namespace render3d
