#include "render3d/orbitcamera.h"

#include <gtest/gtest.h>

#include <cmath>

namespace render3d {
namespace {

constexpr double kPi = 3.14159265;

// Where a point lands on screen: x right, y up, both -1..1, and its depth 0..1.
std::array<float, 3> project(const Vector3& p, const Matrix4& view)
{
    const auto h = transformPoint(p, multiply(view, projectionMatrix()));
    return {h[0] / h[3], h[1] / h[3], h[2] / h[3]};
}

TEST(OrbitCamera, StartsBesideTheBowLookingAft)
{
    const OrbitCamera c;
    EXPECT_NEAR(c.CameraYaw, 3.455751915, 1e-12);
    EXPECT_DOUBLE_EQ(c.CameraPitch, kPi / 8);
    const Vector3 eye = eyePoint(c, zoomDistance(120));
    EXPECT_NEAR(eye.x, -0.5561009, 1e-6);
    EXPECT_NEAR(eye.y, 0.4592201, 1e-6);
    EXPECT_NEAR(eye.z, -0.3431480, 1e-6);
    const Vector3 at = lookAtPoint(c);
    EXPECT_NEAR(at.x, 0.2803346, 1e-6);
    EXPECT_EQ(at.y, 0);
    EXPECT_EQ(at.z, 0);
}

// The Direct3D-handed image: at the start the bow sits lower left and the
// stern upper right, and the -Z side faces the viewer. A right-handed
// look-at would put the bow on the right.
TEST(OrbitCamera, StartViewKeepsTheBowLowerLeft)
{
    const Matrix4 view = viewMatrix(OrbitCamera{}, zoomDistance(120));
    const auto bow = project({0, 0.05f, 0}, view);
    const auto stern = project({1, 0.05f, 0}, view);
    EXPECT_LT(bow[0], 0);
    EXPECT_GT(stern[0], 0);
    EXPECT_LT(bow[1], stern[1]);
    EXPECT_LT(project({0.5f, 0, -0.05f}, view)[2], project({0.5f, 0, 0.05f}, view)[2]);
    for (const auto& p : {bow, stern}) {
        EXPECT_GT(p[2], 0);
        EXPECT_LT(p[2], 1);
    }
}

struct DragCase {
    const char* what;
    std::vector<std::pair<double, double>> moves;  // after a press at (100, 100)
    double yawChange, pitchChange;
};

TEST(OrbitDrag, OnlyTheLastStepBeforeAPassTurnsTheCamera)
{
    const DragCase cases[] = {
        {"right lowers the yaw", {{150, 100}}, -0.25, 0},
        {"down raises the eye", {{100, 140}}, 0, 0.2},
        {"several moves: only the last step", {{300, 300}, {310, 290}}, -0.05, -0.05},
        {"press and release alone", {}, 0, 0},
    };
    for (const DragCase& c : cases) {
        OrbitDrag drag;
        OrbitCamera camera;
        drag.press(100, 100);
        for (auto [x, y] : c.moves) drag.move(x, y);
        camera.follow(drag);
        EXPECT_NEAR(camera.CameraYaw - kStartYaw, c.yawChange, 1e-12) << c.what;
        EXPECT_NEAR(camera.CameraPitch - kStartPitch, c.pitchChange, 1e-12) << c.what;
        camera.follow(drag);  // nothing new since the last pass
        EXPECT_NEAR(camera.CameraYaw - kStartYaw, c.yawChange, 1e-12) << c.what;
    }
    OrbitDrag idle;
    idle.move(500, 500);
    OrbitCamera camera;
    camera.follow(idle);
    EXPECT_EQ(camera.CameraYaw, kStartYaw) << "moving without a press";
}

TEST(OrbitDrag, PitchStopsAtAQuarterTurnAndComesBackAtOnce)
{
    for (double sign : {1.0, -1.0}) {
        OrbitDrag drag;
        OrbitCamera camera;
        drag.press(0, 0);
        drag.move(0, sign * 1000);
        camera.follow(drag);
        EXPECT_EQ(camera.CameraPitch, sign * kPi / 2);
        drag.move(0, sign * 2000);
        camera.follow(drag);
        EXPECT_EQ(camera.CameraPitch, sign * kPi / 2);
        drag.move(0, sign * 1990);
        camera.follow(drag);
        EXPECT_NEAR(camera.CameraPitch, sign * (kPi / 2 - 0.05), 1e-12);
    }
}

TEST(OrbitCamera, EyeDistanceFollowsTheZoomSlider)
{
    OrbitCamera c;
    c.CameraPitch = 0;
    for (int slider : {62, 200}) {
        const Vector3 eye = eyePoint(c, zoomDistance(slider));
        EXPECT_NEAR(std::hypot(eye.x - 0.5, eye.y, eye.z), slider / 100.0, 1e-6);
    }
    // Straight up the eye still keeps a little way out from the centre.
    c.CameraPitch = kPi / 2;
    const Vector3 top = eyePoint(c, 2.0);
    EXPECT_NEAR(top.y, 2.0, 1e-6);
    EXPECT_NEAR(std::hypot(top.x - 0.5, top.z), 2.0 * 0.0157073, 1e-5);
}

}  // namespace
}  // namespace render3d
