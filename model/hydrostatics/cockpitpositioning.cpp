#include "model/hydrostatics/cockpitpositioning.h"

#include "model/hull/curves.h"
#include "model/hull/rimpoints.h"

namespace model {

namespace {

constexpr int kMeasuredCockpits = 2;  // both records, whatever the count
constexpr double kEqualShare = 2.0;  // weightless paddlers split the distance equally

// Positioning needs the front end (2, 3) and the rear end (8); other rim
// points that do not exist are skipped.
bool rimIsValid(const Design& d, int k)
{
    return rimPoint(d, k, kRimFront) && rimPoint(d, k, kRimFrontPartner) && rimPoint(d, k, kRimRear);
}

double& rimX(Design& d, int k, int j) { return d.ControlPoints[rimPoint(d, k, j)].Position.X; }

// Keeps the outline as offsets from the paddler's centre of gravity.
void rememberOutline(Design& d, int k)
{
    Cockpit& c = d.Cockpits[k];
    c.CG.X = rimX(d, k, kRimRear) - c.AftToCG / d.HullLength;
    for (int j = 1; j <= kRimPointSlots; ++j)
        if (rimPoint(d, k, j)) c.RimOffsets[j].X = c.CG.X - rimX(d, k, j);
}

void moveOutline(Design& d, int k)
{
    const Cockpit& c = d.Cockpits[k];
    for (int j = 1; j <= kRimPointSlots; ++j)
        if (rimPoint(d, k, j)) rimX(d, k, j) = c.CG.X - c.RimOffsets[j].X;
}

// The front end goes back to exactly one cockpit length ahead of the rear.
void squareFrontEnd(Design& d, int k)
{
    const double front = rimX(d, k, kRimRear) - d.Cockpits[k].Length / d.HullLength;
    rimX(d, k, kRimFront) = front;
    rimX(d, k, kRimFrontPartner) = front;
}

void positionOne(Design& d, double lcb)
{
    if (!rimIsValid(d, 1)) return;
    rememberOutline(d, 1);
    d.Cockpits[1].CG.X = lcb;
    moveOutline(d, 1);
    squareFrontEnd(d, 1);
}

void positionTwo(Design& d, double lcb)
{
    Cockpit &c1 = d.Cockpits[1], &c2 = d.Cockpits[2];
    const bool valid1 = rimIsValid(d, 1), valid2 = rimIsValid(d, 2);
    const double distance = c1.DistanceBetweenCockpits / d.HullLength;
    const double w1 = d.PaddlerWeights[1], w2 = d.PaddlerWeights[2];
    if (valid1) rememberOutline(d, 1);
    if (valid2) rememberOutline(d, 2);
    c1.CG.X = w1 + w2 == 0 ? lcb - distance / kEqualShare : lcb - distance * w2 / (w1 + w2);
    c2.CG.X = c1.CG.X + distance;
    if (valid1) moveOutline(d, 1);
    if (valid2) moveOutline(d, 2);
    if (valid1) squareFrontEnd(d, 1);
    if (valid2) squareFrontEnd(d, 2);
}

double depthAt(const Design& d, int rimIndex)
{
    const int n = d.lineBound();
    if (!d.hasPoint(rimIndex) || n < 1) return 0;
    const double x = d.point(rimIndex).X;
    return (PointOnLineAtX(d, d.HullLines[1], x).Y - PointOnLineAtX(d, d.HullLines[n], x).Y) * d.HullLength;
}

}  // namespace

void PositionCockpits(Design& design, const Hydrostatics& results)
{
    if (results.Draft <= 0 || !results.lcbFound || !(results.LWL > 0)) return;
    const double lcb = results.LCBPosition / design.HullLength;
    if (design.cockpitCount() == 1) positionOne(design, lcb);
    if (design.cockpitCount() == 2) positionTwo(design, lcb);
}

void measureCockpitDepths(Design& design)
{
    for (int k = 1; k <= kMeasuredCockpits; ++k) {
        Cockpit& c = design.Cockpits[k];
        c.FrontDepth = depthAt(design, c.RimPoints[kRimFront]);
        c.RearDepth = depthAt(design, c.RimPoints[kRimRear]);
    }
}

}  // namespace model
