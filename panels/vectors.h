#pragma once
// The vector routines of panel development: cross products of points and of
// edges, and the rotation that unfolds one triangle onto the next.

#include "model/hull/records.h"

namespace panels {

// An edge runs from Tail to Head.
struct Edge {
    model::Point3 Tail;
    model::Point3 Head;
};

// A × B, Flag 0.
model::Point3 CrossProduct(const model::Point3& a, const model::Point3& b);
// (E1.Head - E1.Tail) × (E2.Head - E2.Tail), Flag 0.
model::Point3 EdgeCross(const Edge& e1, const Edge& e2);

// The rotation of points about an axis through the origin. It turns by theta
// clockwise seen from the tip of the axis (-theta by the right-hand rule):
// with U = Normalise(a × b) and theta = AngleBetween(a, b) it turns b onto a,
// which the unfolding relies on. U is used as given, not re-normalised.
class AxisRotation {
public:
    AxisRotation(const model::Point3& axis, double theta);
    // The rotated point, Flag 0. Inline: the unfolding calls it for every
    // point developed so far at every step.
    model::Point3 apply(const model::Point3& p) const
    {
        return {p.X * m_[0][0] + p.Y * m_[0][1] + p.Z * m_[0][2], p.X * m_[1][0] + p.Y * m_[1][1] + p.Z * m_[1][2],
                p.X * m_[2][0] + p.Y * m_[2][1] + p.Z * m_[2][2], 0};
    }

    // Turns points i = 0 .. count - 1, given by their coordinates, about the
    // axis through `pivot`. Lists rather than points, so the compiler can run
    // several points at a time.
    void turn(double* __restrict xs, double* __restrict ys, double* __restrict zs, int count,
              const model::Point3& pivot) const
    {
        for (int i = 0; i < count; ++i) {
            const model::Point3 r = apply({xs[i] - pivot.X, ys[i] - pivot.Y, zs[i] - pivot.Z, 0});
            xs[i] = pivot.X + r.X;
            ys[i] = pivot.Y + r.Y;
            zs[i] = pivot.Z + r.Z;
        }
    }

private:
    double m_[3][3];
};

// P rotated about U by theta, Flag 0.
model::Point3 RotateAboutAxis(const model::Point3& p, const model::Point3& u, double theta);

}  // namespace panels
