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
    // axis through `pivot`: the same arithmetic as apply, over lists the
    // compiler can run several points at a time.
    void turn(double* __restrict xs, double* __restrict ys, double* __restrict zs, int count,
              const model::Point3& pivot) const
    {
        // Local copies: the lists cannot overwrite them, so they stay in registers.
        const double px = pivot.X, py = pivot.Y, pz = pivot.Z;
        const double a = m_[0][0], b = m_[0][1], c = m_[0][2];
        const double d = m_[1][0], e = m_[1][1], f = m_[1][2];
        const double g = m_[2][0], h = m_[2][1], k = m_[2][2];
        for (int i = 0; i < count; ++i) {
            const double dx = xs[i] - px, dy = ys[i] - py, dz = zs[i] - pz;
            xs[i] = px + (dx * a + dy * b + dz * c);
            ys[i] = py + (dx * d + dy * e + dz * f);
            zs[i] = pz + (dx * g + dy * h + dz * k);
        }
    }

private:
    double m_[3][3];
};

// P rotated about U by theta, Flag 0.
model::Point3 RotateAboutAxis(const model::Point3& p, const model::Point3& u, double theta);

}  // namespace panels
