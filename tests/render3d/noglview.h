#pragma once
// The 3D view where no OpenGL context can be had at all: the platform has no OpenGL.

#include "platform/device3d.h"
#include "render3d/frmRender.h"
#include "tests/render3d/viewkayak.h"
#include "tests/render3d/watchedmessages.h"
#include "tests/support/testapp.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace render3d {

// Both messages, the first over the window, the second once it is hidden; nothing drawn, nothing kept.
inline void expectTheViewSaysItCannotStart()
{
    testsupport::testApp();
    testsupport::WatchedMessages messages;
    const model::Design design = testsupport::viewKayak();
    frmRender window(design, messages, QDBusConnection("no bus"));
    messages.window = &window;
    window.Form_Load();
    QApplication::processEvents();
    EXPECT_FALSE(window.RenderRunning() || window.isVisible() || window.Picture1->surfaceWindow());
    window.CmdExit->click();
    const testsupport::WatchedMessages::Seen said{{"Could not initialize D3d - Initialize", true},
                                                  {"could not initialize d3d", false}};
    EXPECT_EQ(messages.seen, said);
}

}  // namespace render3d
