#include "render3d/matrices.h"

#include <cmath>

namespace render3d {

namespace {

Vector3 subtract(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
float dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vector3 cross(const Vector3& a, const Vector3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vector3 normalise(const Vector3& v)
{
    const float length = std::sqrt(dot(v, v));
    if (length == 0) return {};
    return {v.x / length, v.y / length, v.z / length};
}

}  // namespace

Vector3 MakeVector(double x, double y, double z) { return {float(x), float(y), float(z)}; }

Matrix4 identityMatrix() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Matrix4 lookAtLH(const Vector3& eye, const Vector3& at, const Vector3& up)
{
    const Vector3 zAxis = normalise(subtract(at, eye));
    const Vector3 xAxis = normalise(cross(up, zAxis));
    const Vector3 yAxis = cross(zAxis, xAxis);
    return {xAxis.x, yAxis.x, zAxis.x, 0,  //
            xAxis.y, yAxis.y, zAxis.y, 0,  //
            xAxis.z, yAxis.z, zAxis.z, 0,  //
            -dot(xAxis, eye), -dot(yAxis, eye), -dot(zAxis, eye), 1};
}

Matrix4 perspectiveFovLH(float fovY, float aspect, float nearZ, float farZ)
{
    const float yScale = 1 / std::tan(fovY / 2);
    const float xScale = yScale / aspect;
    const float depth = farZ / (farZ - nearZ);
    return {xScale, 0, 0, 0,  //
            0, yScale, 0, 0,  //
            0, 0, depth, 1,   //
            0, 0, -nearZ * depth, 0};
}

Matrix4 multiply(const Matrix4& a, const Matrix4& b)
{
    Matrix4 out{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k) out[4 * r + c] += a[4 * r + k] * b[4 * k + c];
    return out;
}

}  // namespace render3d
