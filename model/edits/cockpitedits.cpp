#include "model/edits/cockpitedits.h"

namespace model {

namespace {

// Rim points 2, 3, 4, 5, 6, 7, 8 all exist.
bool rimComplete(const Design& d, int cockpit)
{
    for (int j = kRimFront; j <= kRimRear; ++j)
        if (!rimPoint(d, cockpit, j)) return false;
    return true;
}

Point3& rim(Design& d, int cockpit, int j) { return d.ControlPoints[rimPoint(d, cockpit, j)].Position; }

void spaceSidePoints(Design& d, int cockpit)
{
    const double x2 = rim(d, cockpit, kRimFront).X;
    const double x8 = rim(d, cockpit, kRimRear).X;
    rim(d, cockpit, kRimSideTwoThirds).X = x2 + ((x8 - x2) + (x8 - x2)) / 3;
    rim(d, cockpit, kRimSideHalf).X = x2 + (x8 - x2) / 2;
    rim(d, cockpit, kRimSideFiveSixths).X = x2 + (x8 - x2) * 5 / 6;
}

void matchFrontPartner(Design& d, int cockpit)
{
    rim(d, cockpit, kRimFrontPartner).Z = rim(d, cockpit, kRimRearPartner).Z;
}

}  // namespace

void respaceRim(Design& d, int cockpit)
{
    if (!rimComplete(d, cockpit)) return;
    spaceSidePoints(d, cockpit);
    matchFrontPartner(d, cockpit);
}

void respaceAndLevelRim(Design& d, int cockpit)
{
    if (!rimComplete(d, cockpit)) return;
    spaceSidePoints(d, cockpit);
    const double level = rim(d, cockpit, kRimSideTwoThirds).Y;
    rim(d, cockpit, kRimSideHalf).Y = level;
    rim(d, cockpit, kRimSideFiveSixths).Y = level;
    matchFrontPartner(d, cockpit);
}

void respaceRims(Design& d)
{
    const int count = d.cockpitCount();
    if (count >= 1) respaceRim(d, 1);
    if (count == 2) respaceRim(d, 2);
}

void setRimHalfWidth(Design& d, int cockpit)
{
    if (!cockpitExists(cockpit) || !(d.HullLength > 0)) return;
    const double halfWidth = d.Cockpits[cockpit].Width / 2 / d.HullLength;
    for (int j : {kRimSideTwoThirds, kRimSideHalf, kRimSideFiveSixths})
        if (int index = rimPoint(d, cockpit, j)) d.ControlPoints[index].Position.Z = halfWidth;
}

}  // namespace model
