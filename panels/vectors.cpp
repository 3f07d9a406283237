#include "panels/vectors.h"

#include <cmath>

namespace panels {

using model::Point3;

Point3 CrossProduct(const Point3& a, const Point3& b)
{
    return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X, 0};
}

Point3 EdgeCross(const Edge& e1, const Edge& e2)
{
    const Point3 a{e1.Head.X - e1.Tail.X, e1.Head.Y - e1.Tail.Y, e1.Head.Z - e1.Tail.Z, 0};
    const Point3 b{e2.Head.X - e2.Tail.X, e2.Head.Y - e2.Tail.Y, e2.Head.Z - e2.Tail.Z, 0};
    return CrossProduct(a, b);
}

AxisRotation::AxisRotation(const Point3& u, double theta)
{
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const double t = 1 - c;
    // Rows give the result's X, Y, Z; columns the weights of x, y, z.
    m_[0][0] = u.X * u.X + (1 - u.X * u.X) * c;
    m_[0][1] = u.X * u.Y * t + u.Z * s;
    m_[0][2] = u.X * u.Z * t - u.Y * s;
    m_[1][0] = u.X * u.Y * t - u.Z * s;
    m_[1][1] = u.Y * u.Y + (1 - u.Y * u.Y) * c;
    m_[1][2] = u.Y * u.Z * t + u.X * s;
    m_[2][0] = u.X * u.Z * t + u.Y * s;
    m_[2][1] = u.Y * u.Z * t - u.X * s;
    m_[2][2] = u.Z * u.Z + (1 - u.Z * u.Z) * c;
}

Point3 RotateAboutAxis(const Point3& p, const Point3& u, double theta) { return AxisRotation(u, theta).apply(p); }

}  // namespace panels
