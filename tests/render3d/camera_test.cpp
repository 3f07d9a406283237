#include "render3d/orbitcamera.h"

#include <gtest/gtest.h>

#include <cmath>

namespace render3d {
namespace {

// The eye pins the zoom slider's scale and the 0.99 share of the pitch in its horizontal radius.
TEST(OrbitCamera, StartsBesideTheBowLookingAft)
{
    const OrbitCamera start;
    const Vector3 eye = eyePoint(start, zoomDistance(120)), at = lookAtPoint(start);
    for (auto [got, expected] : {std::pair{eye.x, -0.5561009}, {eye.y, 0.4592201}, {eye.z, -0.3431480}, {at.x, 0.2803346}})
        EXPECT_NEAR(got, expected, 1e-6);
    EXPECT_TRUE(at.y == 0 && at.z == 0);
}

// Each pass applies the last step reported before it; the pitch stops at a quarter turn either way and comes back as
// soon as the mouse does.
TEST(OrbitDrag, OnlyTheLastStepBeforeAPassTurnsTheCamera)
{
    using Moves = std::vector<std::pair<double, double>>;
    // Pressed at (100, 100); the moves before each pass.
    struct Case { const char* what; bool pressed; std::vector<Moves> passes; double yawChange, pitchChange; };
    const Case cases[] = {
        {"right lowers the yaw", true, {{{150, 100}}, {}}, -0.25, 0},
        {"down raises the eye", true, {{{100, 140}}}, 0, 0.2},
        {"several moves: only the last step", true, {{{300, 300}, {310, 290}}}, -0.05, -0.05},
        {"press and release alone", true, {{}}, 0, 0},
        {"moving without a press", false, {{{500, 500}}}, 0, 0},
        {"pitch stops going up", true, {{{100, 1100}}, {{100, 2100}}, {{100, 2090}}}, 0, kPi / 2 - 0.05 - kStartPitch},
        {"pitch stops going down", true, {{{100, -900}}, {{100, -1900}}, {{100, -1890}}}, 0, 0.05 - kPi / 2 - kStartPitch},
    };
    for (const Case& c : cases) {
        OrbitDrag drag;
        OrbitCamera camera;
        if (c.pressed) drag.press(100, 100);
        for (const Moves& pass : c.passes) {
            for (auto [x, y] : pass) drag.move(x, y);
            camera.follow(drag);
        }
        EXPECT_NEAR(camera.CameraYaw - kStartYaw, c.yawChange, 1e-12) << c.what;
        EXPECT_NEAR(camera.CameraPitch - kStartPitch, c.pitchChange, 1e-12) << c.what;
    }
}

}  // namespace
}  // namespace render3d
