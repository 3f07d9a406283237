#pragma once
// The distances the view editors pick with, and which control points bound a
// panel. Read-only helpers over the design.

#include "model/hull/design.h"

#include <cmath>

namespace model {

// The plane a view shows. A closed set, so no misspelt plane can make every
// distance 0 and let every point pass a tolerance test.
enum class Plane { XY, XZ, ZY };

// The distance of two records in X and Y only (Point2 or Point3; Z and flags ignored).
template <class A, class B>
double Distance2D(const A& a, const B& b)
{
    return std::sqrt((b.Y - a.Y) * (b.Y - a.Y) + (b.X - a.X) * (b.X - a.X));
}

// The distance of two points projected on `plane`, in their own units.
double PlaneDistance(const Point3& a, const Point3& b, Plane plane);

// Inches between the mouse (view inches) and a normalised point as drawn in
// `plane` on a hull `hullLength` inches long.
double ScreenDistance(const Point2& mouse, const Point3& p, Plane plane, double hullLength);
// Inches between the mouse and a point already kept in view inches.
double ScreenDistance(const Point2& mouse, const Point3& p);

// True when a segment of either bounding line of `panel` refers to control
// point `point`, as any of its six point references. Lines and segments that
// do not exist count for nothing.
bool PanelUsesPoint(const Design& design, int point, const HullPanel& panel);

}  // namespace model
