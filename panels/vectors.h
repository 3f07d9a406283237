#pragma once
// The vector routines of panel development: cross products of points and of
// edges, and the rotation that unfolds one triangle onto the next.

#include "model/records.h"

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
    // The rotated point, Flag 0.
    model::Point3 apply(const model::Point3& p) const;

private:
    double m_[3][3];
};

// P rotated about U by theta, Flag 0.
model::Point3 RotateAboutAxis(const model::Point3& p, const model::Point3& u, double theta);

}  // namespace panels
