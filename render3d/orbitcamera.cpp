#include "render3d/orbitcamera.h"

#include <algorithm>
#include <cmath>

namespace render3d {

namespace {

constexpr double kDragUnitsPerRadian = 200;
constexpr double kRadiusPitchShare = 0.99;
constexpr double kOrbitCentreX = 0.5;
constexpr double kLookAtSwing = 4;  // the look-at point swings a quarter hull either way
constexpr double kZoomUnitsPerHull = 100;
constexpr float kFieldOfView = float(kPi / 6);
constexpr float kAspect = 1;
constexpr float kNearPlane = 0.1f;
constexpr float kFarPlane = 75;
constexpr Vector3 kUp{0, 1, 0};
constexpr Vector3 kStartEye{-0.1f, 0.1f, 0.1f};

}  // namespace

void OrbitDrag::press(double x, double y)
{
    OrbitDragging = true;
    PrevMouseX = LastMouseX = x;
    PrevMouseY = LastMouseY = y;
}

void OrbitDrag::move(double x, double y)
{
    if (!OrbitDragging) return;
    PrevMouseX = LastMouseX;
    PrevMouseY = LastMouseY;
    LastMouseX = x;
    LastMouseY = y;
}

void OrbitCamera::follow(OrbitDrag& drag)
{
    if (!drag.OrbitDragging) return;
    CameraYaw -= (drag.LastMouseX - drag.PrevMouseX) / kDragUnitsPerRadian;
    CameraPitch += (drag.LastMouseY - drag.PrevMouseY) / kDragUnitsPerRadian;
    CameraPitch = std::clamp(CameraPitch, -kPi / 2, kPi / 2);
    drag.PrevMouseX = drag.LastMouseX;
    drag.PrevMouseY = drag.LastMouseY;
}

Vector3 eyePoint(const OrbitCamera& c, double z)
{
    const double radius = z * std::cos(kRadiusPitchShare * c.CameraPitch);
    return MakeVector(radius * std::cos(c.CameraYaw) + kOrbitCentreX, z * std::sin(c.CameraPitch),
                      radius * std::sin(c.CameraYaw));
}

Vector3 lookAtPoint(const OrbitCamera& c)
{
    return MakeVector(std::cos(c.CameraYaw) * std::cos(c.CameraPitch) / kLookAtSwing + kOrbitCentreX, 0, 0);
}

Matrix4 viewMatrix(const OrbitCamera& c, double distance) { return lookAtLH(eyePoint(c, distance), lookAtPoint(c), kUp); }

double zoomDistance(int sliderValue) { return sliderValue / kZoomUnitsPerHull; }

Matrix4 projectionMatrix() { return perspectiveFovLH(kFieldOfView, kAspect, kNearPlane, kFarPlane); }

Matrix4 startViewMatrix() { return lookAtLH(kStartEye, MakeVector(kOrbitCentreX, 0, 0), kUp); }

}  // namespace render3d
