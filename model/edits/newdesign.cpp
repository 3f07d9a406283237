#include "model/edits/newdesign.h"

#include "model/edits/cockpitedits.h"
#include "model/file/numbertext.h"

namespace model {

namespace {

constexpr int kInchesPerFoot = 12;
constexpr int kDeckPanels = 2;

void placeAround(Design& d, int centre, int cockpit)
{
    const int rim5 = rimPoint(d, cockpit, kRimSideTwoThirds);
    if (!rim5 || !d.hasPoint(centre + 2)) return;
    Point3& middle = d.ControlPoints[centre].Position;
    middle.X = d.point(rim5).X;
    Point3& before = d.ControlPoints[centre + 1].Position;
    Point3& behind = d.ControlPoints[centre + 2].Position;
    before.X = middle.X - kTandemFixedSpacing;
    behind.X = middle.X + kTandemFixedSpacing;
    before.Y = behind.Y = middle.Y;
    before.Z = behind.Z = middle.Z;
}

}  // namespace

void placeTandemFixedPoints(Design& d)
{
    placeAround(d, kTandemFixedPoint1, 1);
    placeAround(d, kTandemFixedPoint2, 2);
}

void flagDeckAndHullPanels(Design& d)
{
    for (int k = 1; k <= d.PanelsPerSide && k < int(d.HullPanels.size()); ++k)
        d.HullPanels[k].IsHull = k <= kDeckPanels ? 0 : 1;
}

std::string feetAndInchesText(int inches)
{
    const int rest = inches % kInchesPerFoot;
    const int feet = (inches - rest) / kInchesPerFoot;
    return numberText(feet) + "' " + numberText(rest) + "\"";
}

std::string beamCaption(int inches)
{
    return numberText(inches) + "\" (" + feetAndInchesText(inches) + ") ";
}

}  // namespace model
