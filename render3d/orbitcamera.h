#pragma once
// The orbit camera of the 3D view: yaw and pitch about the hull's middle,
// turned by mouse drags and placed by the zoom slider.

#include "render3d/matrices.h"

namespace render3d {

inline constexpr double kPi = 3.14159265;
inline constexpr double kStartYaw = 1.1 * kPi;
inline constexpr double kStartPitch = kPi / 8;

// The mouse over the picture, in its pixels: only the last step reported
// before a pass is applied in that pass.
struct OrbitDrag {
    bool OrbitDragging = false;
    double LastMouseX = 0, LastMouseY = 0;
    double PrevMouseX = 0, PrevMouseY = 0;

    void press(double x, double y);
    void move(double x, double y);
    void release() { OrbitDragging = false; }
};

struct OrbitCamera {
    double CameraYaw = kStartYaw;
    double CameraPitch = kStartPitch;

    // One pass's share of a drag: right lowers the yaw, down raises the eye;
    // the pitch stops at a quarter turn either way.
    void follow(OrbitDrag& drag);
};

// The eye at `distance` hull lengths; its horizontal radius uses 0.99 of the
// pitch so it never stands straight above the point it looks at.
Vector3 eyePoint(const OrbitCamera& camera, double distance);
// Slides along the hull's axis between a quarter and three quarters of it.
Vector3 lookAtPoint(const OrbitCamera& camera);
Matrix4 viewMatrix(const OrbitCamera& camera, double distance);
// The zoom slider's value as hull lengths.
double zoomDistance(int sliderValue);

Matrix4 projectionMatrix();
// The view before the orbit camera first takes over.
Matrix4 startViewMatrix();

}  // namespace render3d
