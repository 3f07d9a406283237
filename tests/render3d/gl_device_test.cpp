// The GL device under a real X display: pixels read back from its framebuffer.

#include "platform/device3d.h"
#include "platform/screensaver.h"
#include "render3d/litvertex.h"
#include "render3d/orbitcamera.h"
#include "tests/render3d/fakescreensaver.h"
#include "tests/support/testapp.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

using render3d::LitVertex;
using Quad = std::array<LitVertex, 4>;  // one strip of four
static_assert(sizeof(Quad) == 4 * sizeof(LitVertex));

constexpr int kSide = 200;
constexpr QRgb kClear = qRgb(0xAA, 0xBB, 0xCC), kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0);
const platform::Matrix4x4 kIdentity = render3d::identityMatrix();

Quad square(float x0, float y0, float x1, float y1, float z, std::uint32_t colour)
{
    return {{{x0, y0, z, colour}, {x1, y0, z, colour}, {x0, y1, z, colour}, {x1, y1, z, colour}}};
}

platform::Frame3D frameOf(const std::vector<Quad>& quads, std::vector<platform::StripRange> strips)
{
    return {0xAABBCC, kIdentity, kIdentity, kIdentity, {render3d::kLitVertexStride, 0, 12}, quads.data(),
            4 * int(quads.size()), std::move(strips)};
}

struct Device : ::testing::Test {
    Device()
    {
        device.resize(kSide, kSide);
        device.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&device));
        EXPECT_TRUE(device.open());
        QApplication::processEvents();
        EXPECT_TRUE(device.isReady());
    }
    QImage draw(const std::vector<Quad>& quads, const platform::Matrix4x4& world,
                const platform::Matrix4x4& view = kIdentity, const platform::Matrix4x4& projection = kIdentity)
    {
        platform::Frame3D f = frameOf(quads, {});
        for (int i = 0; i < f.vertexCount; i += 4) f.strips.push_back({i, 4});
        f.world = world, f.view = view, f.projection = projection;
        EXPECT_TRUE(device.setFrame(f));
        return device.grabFramebuffer();
    }

    QApplication& app = testsupport::testApp();
    platform::Device3D device;
};

// Depth runs 0..1: the nearer square wins whatever the order, a tie goes to
// the later one, and anything before the near plane is clipped away, leaving
// the clear colour. Translation sits in the bottom row of a row-vector matrix.
// Strips reaching outside the vertices refuse the frame.
TEST_F(Device, DepthColoursMatricesAndStrips)
{
    struct Case { const char* what; float firstZ, secondZ; QRgb centre; };
    for (const Case& c : {Case{"near first", 0.2f, 0.8f, kRed}, {"near second", 0.8f, 0.2f, kGreen},
                          {"a tie", 0.5f, 0.5f, kGreen}, {"before the near plane", -0.2f, -0.5f, kClear}}) {
        const QImage image = draw({square(-1, -1, 1, 1, c.firstZ, 0xFF0000), square(-1, -1, 1, 1, c.secondZ, 0x00FF00)},
                                  kIdentity);
        EXPECT_EQ(image.pixel(kSide / 2, kSide / 2), c.centre) << c.what;
    }
    platform::Matrix4x4 moveRight = kIdentity;
    moveRight[12] = 0.5f;
    const QImage moved = draw({square(-0.2f, -0.2f, 0.2f, 0.2f, 0.5f, 0xFF0000)}, moveRight);
    EXPECT_EQ(moved.pixel(kSide * 3 / 4, kSide / 2), kRed);
    EXPECT_EQ(moved.pixel(kSide / 2, kSide / 2), kClear);
    const std::vector<Quad> one{square(-1, -1, 1, 1, 0.5f, 0xFF)};
    for (platform::StripRange bad : {platform::StripRange{2, 3}, {-1, 2}, {0, -1}})
        EXPECT_FALSE(device.setFrame(frameOf(one, {{0, 4}, bad}))) << bad.first << "+" << bad.count;
}

// Through the view's own start camera: a red block at the bow lands lower
// left of a green block at the stern.
TEST_F(Device, StartCameraShowsTheBowLowerLeft)
{
    const QImage image = draw({square(-0.05f, 0, 0.05f, 0.1f, 0, 0xFF0000), square(0.95f, 0, 1.05f, 0.1f, 0, 0x00FF00)},
                              kIdentity, render3d::viewMatrix(render3d::OrbitCamera{}, 1.2), render3d::projectionMatrix());
    auto centreOf = [&](QRgb colour) {
        QPointF sum;
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == colour) sum += QPointF(x, y), ++n;
        EXPECT_GT(n, 0);
        return sum / std::max(n, 1);
    };
    const QPointF red = centreOf(kRed), green = centreOf(kGreen);
    EXPECT_LT(red.x(), image.width() / 2.0);
    EXPECT_GT(red.y(), image.height() / 2.0);
    EXPECT_LT(red.x(), green.x());
    EXPECT_GT(red.y(), green.y());
}

// Held off once however often asked, let go with its owner; nothing at all
// without a bus. (Letting go on request is watched through the view.)
TEST(ScreenSaver, InhibitsOnceAndLetsGo)
{
    testsupport::testApp();
    testsupport::TestBus bus;
    {
        platform::ScreenSaver saver(bus.client("saver"));
        EXPECT_TRUE(saver.setActive(false) && saver.setActive(false) && saver.inhibited());
        EXPECT_EQ(bus.fake().held, 1);
    }
    EXPECT_EQ(bus.fake().held, 0) << "let go with its owner";
    platform::ScreenSaver noBus(QDBusConnection("no bus"));
    EXPECT_FALSE(noBus.setActive(false) || noBus.inhibited());
}

}  // namespace
