#include "model/edits/hullresize.h"

#include "model/edits/cockpitedits.h"

#include <cmath>
#include <set>

namespace model {

bool lengthInRange(double inches) { return inches >= kMinHullLength && inches <= kMaxHullLength; }

namespace {
// A length that can divide and be divided by: anything else would turn the
// hull's fractions into infinities.
bool usableLength(double inches) { return inches > 0 && std::isfinite(inches); }
}  // namespace

bool rescaleHeightsAndBreadths(Design& d, double oldLength, double newLength)
{
    if (!usableLength(oldLength) || !usableLength(newLength)) return false;
    for (int i = 1; d.hasPoint(i); ++i) {
        Point3& p = d.ControlPoints[i].Position;
        p.Y = oldLength * p.Y / newLength;
        p.Z = oldLength * p.Z / newLength;
    }
    return true;
}

bool stretchToLength(Design& d, double inches)
{
    const double old = d.HullLength;
    if (!rescaleHeightsAndBreadths(d, old, inches)) return false;
    d.HullLength = inches;
    for (int i = 1; i <= d.BulkheadCount; ++i) d.Bulkheads[i].X = old * d.Bulkheads[i].X / inches;
    return true;
}

WidthCheck checkWidth(const Design& d, double width)
{
    if (width > kMaxKayakWidth) return WidthCheck::TooWide;
    if (!(width > d.Cockpits[1].Width)) return WidthCheck::ThinnerThanCockpit;
    if (d.cockpitCount() == 2 && !(width > d.Cockpits[2].Width)) return WidthCheck::ThinnerThanCockpit;
    return WidthCheck::Accepted;
}

namespace {

bool scaleBreadths(Design& d, double width, double beam, const std::set<int>& keep)
{
    if (!(beam > 0) || !std::isfinite(width / beam)) return false;
    for (int i = 1; d.hasPoint(i); ++i) {
        if (keep.count(i)) continue;
        Point3& p = d.ControlPoints[i].Position;
        p.Z = p.Z / beam * width;
    }
    return true;
}

}  // namespace

bool scaleAllToBeam(Design& d, double width, double beam) { return scaleBreadths(d, width, beam, {}); }

bool scaleToBeam(Design& d, double width, double beam)
{
    const int cockpits = d.cockpitCount();
    std::set<int> keep;
    for (int k = 1; k <= cockpits && k <= 2; ++k)
        for (int j : {kRimFrontPartner, kRimRearPartner})
            if (int index = rimPoint(d, k, j)) keep.insert(index);
    if (!scaleBreadths(d, width, beam, keep)) return false;
    if (cockpits >= 1) setRimHalfWidth(d, 1);
    if (cockpits == 2) setRimHalfWidth(d, 2);
    return true;
}

}  // namespace model
