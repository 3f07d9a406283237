#include "dialogs/frictiongraph.h"

#include "model/file/numbertext.h"
#include "model/hydrostatics/resistance.h"

#include <algorithm>

namespace dialogs {

namespace {

using platform::RGB;

constexpr double kTopPounds = 30;
constexpr double kBottomPounds = -3;
constexpr double kEmptyGraphKnots = 3;  // width of a graph without curves, as a kayak's would be
constexpr int kPoundLineEvery = 5;
constexpr double kPoundLineEnd = 30;     // knots: beyond any kayak's top speed
constexpr double kPoundTick = 5.5 / 60;  // knots
constexpr double kSpeedTick = 1, kSpeedLabelTick = 2;  // pounds
constexpr double kSpeedLabelTop = -1;                  // pounds
constexpr double kDotRadius = 0.005;                   // knots
constexpr platform::ColorRef kPoundLineColor = RGB(100, 0, 0);
constexpr platform::ColorRef kResidualColor = RGB(0, 200, 0);
constexpr platform::ColorRef kFrictionalColor = RGB(200, 0, 0);
constexpr platform::ColorRef kTotalColor = RGB(0, 0, 200);

GraphMark line(double x1, double y1, double x2, double y2, MarkKind kind = MarkKind::Line,
               platform::ColorRef color = platform::kBlack)
{
    return {kind, x1, y1, x2, y2, color, {}};
}

GraphMark label(double x, double y, const std::string& text) { return {MarkKind::Label, x, y, 0, 0, platform::kBlack, text}; }

GraphMark dot(double x, double y, platform::ColorRef color) { return {MarkKind::Dot, x, y, 0, 0, color, {}}; }

void addPoundScale(FrictionGraph& g)
{
    const double left = model::kGraphLowestKnots;
    for (int y = 0; y <= kTopPounds; ++y) {
        if (y % kPoundLineEvery != 0) {
            g.marks.push_back(line(left, y, left + kPoundTick, y));
            continue;
        }
        g.marks.push_back(line(left, y, kPoundLineEnd, y, MarkKind::DottedLine, kPoundLineColor));
        g.marks.push_back(label(left, y, model::plainText(y) + "lbs"));
    }
}

}  // namespace

FrictionGraph frictionGraph(double topSpeed, double lwl, double wettedSurface)
{
    const bool curves = model::hasResistanceCurves(lwl, topSpeed);
    FrictionGraph g;
    g.left = model::kGraphLowestKnots;
    g.top = kTopPounds;
    g.right = curves ? topSpeed : model::kGraphLowestKnots + kEmptyGraphKnots;
    g.bottom = kBottomPounds;
    g.dotRadius = kDotRadius;

    // Within the frame: an absurd top speed gets the empty graph's scale.
    const double lastSpeed = std::min(topSpeed, g.right);
    for (int v = 0; v <= lastSpeed; ++v) g.marks.push_back(line(v, 0, v, kSpeedTick));
    addPoundScale(g);
    for (int v = 1; v <= lastSpeed; ++v) {
        g.marks.push_back(line(v, 0, v, kSpeedLabelTick));
        g.marks.push_back(label(v, kSpeedLabelTop, model::plainText(v) + "Knots"));
    }
    for (const model::Resistance& r : model::resistanceCurve(lwl, wettedSurface, topSpeed)) {
        g.marks.push_back(dot(r.speed, r.residual, kResidualColor));
        g.marks.push_back(dot(r.speed, r.frictional, kFrictionalColor));
        g.marks.push_back(dot(r.speed, r.total(), kTotalColor));
    }
    return g;
}

}  // namespace dialogs
