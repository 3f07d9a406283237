// The 3D view on the offscreen platform with its one way to OpenGL switched off.

#include "tests/render3d/noglview.h"

namespace render3d {
namespace {

TEST(WithoutOpenGL, TheViewSaysSoOnceAndCloses)
{
    qputenv("QT_QPA_OFFSCREEN_NO_GLX", "1");
    expectTheViewSaysItCannotStart();
}

}  // namespace
}  // namespace render3d
