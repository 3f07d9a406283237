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

constexpr QRgb kClear = qRgb(0xAA, 0xBB, 0xCC);
constexpr int kSide = 200;

platform::Matrix4x4 identity() { return render3d::identityMatrix(); }

// A square strip from (x0, y0) to (x1, y1) at depth z.
std::vector<LitVertex> square(float x0, float y0, float x1, float y1, float z, std::uint32_t colour)
{
    return {{x0, y0, z, colour}, {x1, y0, z, colour}, {x0, y1, z, colour}, {x1, y1, z, colour}};
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

    // Draws the squares (each a strip of four) and reads the picture back.
    QImage draw(const std::vector<std::vector<LitVertex>>& squares, const platform::Matrix4x4& world = identity(),
                const platform::Matrix4x4& view = identity(), const platform::Matrix4x4& projection = identity())
    {
        vertices.clear();
        platform::Frame3D f;
        for (const auto& s : squares) {
            f.strips.push_back({int(vertices.size()), int(s.size())});
            vertices.insert(vertices.end(), s.begin(), s.end());
        }
        f.clearColour = 0xAABBCC;
        f.world = world;
        f.view = view;
        f.projection = projection;
        f.layout = {render3d::kLitVertexStride, 0, 12};
        f.vertices = vertices.data();
        f.vertexCount = int(vertices.size());
        EXPECT_TRUE(device.setFrame(f));
        return device.grabFramebuffer();
    }

    QApplication& app = testsupport::testApp();
    platform::Device3D device;
    std::vector<LitVertex> vertices;
};

TEST_F(Device, AFrameWithoutStripsIsTheClearColour)
{
    const QImage image = draw({});
    ASSERT_EQ(image.size(), QSize(kSide, kSide) * device.devicePixelRatio());
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7) ASSERT_EQ(image.pixel(x, y), kClear) << x << "," << y;
}

struct DepthCase {
    const char* what;
    float firstZ, secondZ;
    QRgb centre;
};

// Depth runs 0..1: the nearer square wins whatever the order, a tie goes to
// the later one, and anything before the near plane is clipped away.
TEST_F(Device, DepthTestAndNearPlaneFollowZeroToOneDepth)
{
    const std::uint32_t red = 0xFF0000, green = 0x00FF00;
    const DepthCase cases[] = {
        {"near first", 0.2f, 0.8f, qRgb(255, 0, 0)},
        {"near second", 0.8f, 0.2f, qRgb(0, 255, 0)},
        {"a tie", 0.5f, 0.5f, qRgb(0, 255, 0)},
        {"both before the near plane", -0.2f, -0.5f, kClear},
    };
    for (const DepthCase& c : cases) {
        const QImage image = draw({square(-1, -1, 1, 1, c.firstZ, red), square(-1, -1, 1, 1, c.secondZ, green)});
        EXPECT_EQ(image.pixel(kSide / 2, kSide / 2), c.centre) << c.what;
    }
}

// Translation sits in the bottom row of a row-vector matrix.
TEST_F(Device, MatricesGoUpRowMajor)
{
    platform::Matrix4x4 moveRight = identity();
    moveRight[12] = 0.5f;
    const QImage image = draw({square(-0.2f, -0.2f, 0.2f, 0.2f, 0.5f, 0xFF0000)}, moveRight);
    EXPECT_EQ(image.pixel(kSide * 3 / 4, kSide / 2), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(kSide / 2, kSide / 2), kClear);
}

// Through the view's own start camera: a red block at the bow lands lower
// left of a green block at the stern.
TEST_F(Device, StartCameraShowsTheBowLowerLeft)
{
    auto block = [](float x, std::uint32_t colour) { return square(x - 0.05f, 0, x + 0.05f, 0.1f, 0, colour); };
    const QImage image = draw({block(0, 0xFF0000), block(1, 0x00FF00)}, identity(),
                              render3d::viewMatrix(render3d::OrbitCamera{}, 1.2), render3d::projectionMatrix());
    QPointF red, green;
    int reds = 0, greens = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 0, 0)) red += QPointF(x, y), ++reds;
            if (image.pixel(x, y) == qRgb(0, 255, 0)) green += QPointF(x, y), ++greens;
        }
    ASSERT_GT(reds, 0);
    ASSERT_GT(greens, 0);
    red /= reds;
    green /= greens;
    EXPECT_LT(red.x(), image.width() / 2.0);
    EXPECT_GT(red.y(), image.height() / 2.0);
    EXPECT_LT(red.x(), green.x());
    EXPECT_GT(red.y(), green.y());
}

TEST_F(Device, StripsOutsideTheVerticesRefuseTheFrame)
{
    const std::vector<LitVertex> v = square(-1, -1, 1, 1, 0.5f, 0xFF);
    for (platform::StripRange bad : {platform::StripRange{2, 3}, {-1, 2}, {0, -1}}) {
        platform::Frame3D f;
        f.layout = {render3d::kLitVertexStride, 0, 12};
        f.vertices = v.data();
        f.vertexCount = int(v.size());
        f.strips = {{0, 4}, bad};
        EXPECT_FALSE(device.setFrame(f)) << bad.first << "+" << bad.count;
    }
}

// Off while asked, on again when asked or when the owner goes; nothing at
// all without a bus.
TEST(ScreenSaver, InhibitsOnceAndLetsGo)
{
    testsupport::testApp();
    testsupport::TestBus bus;
    ASSERT_TRUE(bus.running());
    {
        platform::ScreenSaver saver(bus.client("saver"));
        EXPECT_TRUE(saver.setActive(false));
        EXPECT_TRUE(saver.setActive(false));
        EXPECT_EQ(bus.fake().inhibits, 1) << "held already: not asked again";
        EXPECT_TRUE(saver.inhibited());
        EXPECT_TRUE(saver.setActive(true));
        EXPECT_EQ(bus.fake().held, 0);
        EXPECT_TRUE(saver.setActive(false));
        EXPECT_EQ(bus.fake().held, 1);
    }
    EXPECT_EQ(bus.fake().held, 0) << "let go with its owner";

    platform::ScreenSaver noBus(QDBusConnection("no bus"));
    EXPECT_FALSE(noBus.setActive(false));
    EXPECT_FALSE(noBus.inhibited());
}

}  // namespace
