#pragma once
// The view's left-handed matrices, row-major for row vectors (v' = v M), the
// form the camera formulas are written in.

#include <array>

namespace render3d {

struct Vector3 {
    float x = 0, y = 0, z = 0;
};

using Matrix4 = std::array<float, 16>;  // element (row, column) at 4 * row + column

Vector3 MakeVector(double x, double y, double z);

Matrix4 identityMatrix();
// Looks from `eye` at `at` with +Z into the screen and X to the right.
Matrix4 lookAtLH(const Vector3& eye, const Vector3& at, const Vector3& up);
// Depth runs 0 at the near plane to 1 at the far plane.
Matrix4 perspectiveFovLH(float fovY, float aspect, float nearZ, float farZ);

Matrix4 multiply(const Matrix4& a, const Matrix4& b);

}  // namespace render3d
