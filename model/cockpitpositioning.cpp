#include "model/cockpitpositioning.h"

#include "model/curves.h"

namespace model {

namespace {

constexpr int kFrontRimA = 2;
constexpr int kFrontRimB = 3;
constexpr int kRearRim = 8;
constexpr int kMeasuredCockpits = 2;  // both records, whatever the count
constexpr double kEqualShare = 2.0;  // weightless paddlers split the distance equally

bool rimIsValid(const Design& d, const Cockpit& c)
{
    for (int j = 1; j <= kRimPointSlots; ++j)
        if (!d.hasPoint(c.RimPoints[j])) return false;
    return true;
}

double& rimX(Design& d, const Cockpit& c, int j) { return d.ControlPoints[c.RimPoints[j]].Position.X; }

// Keeps the outline as offsets from the paddler's centre of gravity.
void rememberOutline(Design& d, Cockpit& c)
{
    c.CG.X = rimX(d, c, kRearRim) - c.AftToCG / d.HullLength;
    for (int j = 1; j <= kRimPointSlots; ++j) c.RimOffsets[j].X = c.CG.X - rimX(d, c, j);
}

void moveOutline(Design& d, const Cockpit& c)
{
    for (int j = 1; j <= kRimPointSlots; ++j) rimX(d, c, j) = c.CG.X - c.RimOffsets[j].X;
}

// The front end goes back to exactly one cockpit length ahead of the rear.
void squareFrontEnd(Design& d, const Cockpit& c)
{
    const double front = rimX(d, c, kRearRim) - c.Length / d.HullLength;
    rimX(d, c, kFrontRimA) = front;
    rimX(d, c, kFrontRimB) = front;
}

void positionOne(Design& d, double lcb)
{
    Cockpit& c = d.Cockpits[1];
    if (!rimIsValid(d, c)) return;
    rememberOutline(d, c);
    c.CG.X = lcb;
    moveOutline(d, c);
    squareFrontEnd(d, c);
}

void positionTwo(Design& d, double lcb)
{
    Cockpit &c1 = d.Cockpits[1], &c2 = d.Cockpits[2];
    const bool valid1 = rimIsValid(d, c1), valid2 = rimIsValid(d, c2);
    const double distance = c1.DistanceBetweenCockpits / d.HullLength;
    const double w1 = d.PaddlerWeights[1], w2 = d.PaddlerWeights[2];
    if (valid1) rememberOutline(d, c1);
    if (valid2) rememberOutline(d, c2);
    c1.CG.X = w1 + w2 == 0 ? lcb - distance / kEqualShare : lcb - distance * w2 / (w1 + w2);
    c2.CG.X = c1.CG.X + distance;
    if (valid1) moveOutline(d, c1);
    if (valid2) moveOutline(d, c2);
    if (valid1) squareFrontEnd(d, c1);
    if (valid2) squareFrontEnd(d, c2);
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
    if (design.CockpitCount == 1) positionOne(design, lcb);
    if (design.CockpitCount == 2) positionTwo(design, lcb);
}

void measureCockpitDepths(Design& design)
{
    for (int k = 1; k <= kMeasuredCockpits; ++k) {
        Cockpit& c = design.Cockpits[k];
        c.FrontDepth = depthAt(design, c.RimPoints[kFrontRimA]);
        c.RearDepth = depthAt(design, c.RimPoints[kRearRim]);
    }
}

}  // namespace model
