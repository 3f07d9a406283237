#pragma once
// Dragging control points, bulkhead handles and the waterline handle with the
// mouse: presses, moves and releases of the three long views as operations on
// the design. The window turns their outcomes into rebuilds and read-outs.

#include "model/edits/picking.h"
#include "model/hull/design.h"

#include <utility>
#include <vector>

namespace model {

// A plan view edits the panels whose IsHull equals its value.
enum class PlanView : std::int16_t { Top = 0, Bottom = 1 };

// The waterline handle sits near the visible profile's far end, at the waterline.
inline constexpr double kWaterlineHandleShare = 0.99;
void placeWaterlineHandle(Point3& handle, double profileXMax, double waterlineHeight);

enum class MoveOutcome {
    None,            // nothing is being dragged
    WaterlineMoved,  // redraw only
    ShapeMoved,      // points or a bulkhead moved: rebuild the sections and redraw
};

struct ReleaseOutcome {
    bool rebuild = false;          // recalculate, rebuild, redraw and arm the second pass
    bool clearAutoDetect = false;  // the automatic waterline no longer holds
};

class DragEditor {
public:
    // The window's drag flag (it freezes the views' fit) and the waterline
    // handle its redraw places.
    DragEditor(bool& dragActive, Point3& waterlineHandle);

    // True when the press picked a point (plan) or anything (profile). The
    // profile press first puts the waterline handle where the profile draws it.
    bool pressPlan(Design& design, PlanView view, const Point2& mouse, double zoomFactor);
    bool pressProfile(Design& design, const Point2& mouse, double zoomFactor, double profileXMax);

    // The mouse in view inches: X along the hull, Y the height (XY) or the
    // half-breadth (XZ).
    MoveOutcome move(Design& design, Plane plane, const Point2& mouse);
    ReleaseOutcome release(Design& design, Plane plane);

    const Point2& MousePosition() const { return MousePosition_; }
    double OppositeHandleLength() const { return OppositeHandleLength_; }

private:
    void pick(Design& design, int point, Plane plane);
    void movePoint(Design& design, int point, Plane plane);
    void dropPoint(Design& design, int point, Plane plane);

    bool& DragActive;
    Point3& WaterlineHandle;
    Point2 MousePosition_;
    // Entry 1 the picked point as picked; entries 2.. an anchor's links.
    std::vector<ControlPoint> DragBackup{1};
    // Entry k: the anchor minus its k-th link, at the pick.
    std::vector<Point3> DragOffsets{1};
    double OppositeHandleLength_ = 0;
    // The point DragBackup holds. A press that picks several points replaces
    // the backup at each pick, so only the last one picked can spring back on
    // release; the others stay where they are dropped.
    int backedUpPoint_ = 0;
    // The picked bulkhead's handle X (inches) and X (share of the length).
    std::pair<double, double> BulkheadBackup_;
};

// Puts control points 18 and 23 back onto the sheer at their own X. Where the
// sheer does not reach a point's X the point keeps its height and breadth.
void resnapSheerPoints(Design& design);

}  // namespace model
