// The 3D view on an X display whose platform has no OpenGL integration.

#include "tests/render3d/noglview.h"

namespace render3d {
namespace {

TEST(WithoutGLIntegration, TheViewSaysSoAndCloses)
{
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    expectTheViewSaysItCannotStart();
}

}  // namespace
}  // namespace render3d
