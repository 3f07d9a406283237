#include "model/edits/dragedit.h"

#include "model/hull/curves.h"

#include <algorithm>
#include <tuple>

namespace model {

namespace {

// The coordinate a view draws up the screen: the height (Y) in the profile,
// the half-breadth (Z) in the plan views. The mouse's vertical moves it.
double& screenVertical(Point3& p, Plane plane) { return plane == Plane::XY ? p.Y : p.Z; }
double screenVertical(const Point3& p, Plane plane) { return plane == Plane::XY ? p.Y : p.Z; }
std::uint8_t screenVerticalLock(const ControlPoint& cp, Plane plane)
{
    return plane == Plane::XY ? cp.LockY : cp.LockZ;
}
// Held on both axes of the view: the mouse could not move it there.
bool fixedInView(const ControlPoint& cp, Plane plane) { return cp.LockX == 1 && screenVerticalLock(cp, plane) == 1; }

bool selected(const ControlPoint& cp) { return cp.Position.Flag != kFalse; }

// The links of an anchor that exist, as (k, point index), k from 1.
template <class Visit>
void forEachLink(const Design& design, const ControlPoint& anchor, Visit visit)
{
    const int count = std::min<int>(anchor.LinkCount, int(anchor.Links.size()) - 1);
    for (int k = 1; k <= count; ++k)
        if (design.hasPoint(anchor.Links[k])) visit(k, int(anchor.Links[k]));
}

// A handle's anchor and opposite handle, when both exist.
bool handlePartners(const Design& design, const ControlPoint& handle, int& anchor, int& opposite)
{
    anchor = handle.Anchor;
    opposite = handle.OppositeHandle;
    return design.hasPoint(anchor) && design.hasPoint(opposite);
}

// Puts `opposite` on the far side of `anchor`, in line with `handle`, at
// `length` from the anchor; a handle lying on its anchor gives no direction.
void alignOpposite(const Point3& anchor, const Point3& handle, Point3& opposite, Plane plane, double length)
{
    const double d = PlaneDistance(anchor, handle, plane);
    if (d == 0) return;
    const double x = anchor.X + (anchor.X - handle.X) / d * length;
    const double v = screenVertical(anchor, plane) + (screenVertical(anchor, plane) - screenVertical(handle, plane)) / d * length;
    opposite.X = x;
    screenVertical(opposite, plane) = v;
}

// Between the X of control points 1 and 14 as they are now, both included.
// Without both ends there is no range to leave.
bool inRange(const Design& design, double x)
{
    if (!design.hasPoint(kBowPoint) || !design.hasPoint(kSternPoint)) return true;
    return design.point(kBowPoint).X <= x && x <= design.point(kSternPoint).X;
}

int bulkheadBound(const Design& design)
{
    return std::max(0, std::min({int(design.BulkheadCount), int(design.BulkheadHandles.size()) - 1,
                                 int(design.Bulkheads.size()) - 1}));
}

void resnap(Design& design, int point)
{
    if (!design.hasPoint(point) || !design.hasLine(kSheerLine)) return;
    Point3& p = design.ControlPoints[point].Position;
    Point3 onSheer;
    if (!LineEvaluator(design, design.HullLines[kSheerLine]).pointAt(p.X, onSheer)) return;
    p.Y = onSheer.Y;
    p.Z = onSheer.Z;
}

}  // namespace

void placeWaterlineHandle(Point3& handle, double profileXMax, double waterlineHeight)
{
    handle.X = kWaterlineHandleShare * profileXMax;
    handle.Y = waterlineHeight;
}

void resnapSheerPoints(Design& design)
{
    // 18 first: when it shapes the sheer, 23 follows the sheer as 18 left it.
    resnap(design, kSheerPointA);
    resnap(design, kSheerPointB);
}

DragEditor::DragEditor(bool& dragActive, Point3& waterlineHandle)
    : DragActive(dragActive), WaterlineHandle(waterlineHandle)
{
}

bool DragEditor::pressPlan(Design& design, PlanView view, const Point2& mouse, double zoomFactor)
{
    MousePosition_ = mouse;
    // Another button pressed during a drag must not drop the picked point, or
    // its release would skip the range check.
    if (!design.DesignLoaded || DragActive) return false;
    const double reach = 1 / zoomFactor;
    const int panels = std::min<int>(design.PanelsPerSide, int(design.HullPanels.size()) - 1);
    for (int i = 1; i <= panels; ++i) {
        const HullPanel& panel = design.HullPanels[i];
        if (panel.IsHull != std::int16_t(view)) continue;
        for (int j = 1; design.hasPoint(j); ++j) {
            if (!PanelUsesPoint(design, j, panel)) continue;
            ControlPoint& cp = design.ControlPoints[j];
            const bool hit = ScreenDistance(mouse, cp.Position, Plane::XZ, design.HullLength) < reach &&
                             !fixedInView(cp, Plane::XZ);
            if (!hit) {
                cp.Position.Flag = kFalse;
                continue;
            }
            pick(design, j, Plane::XZ);
            return true;
        }
    }
    return false;
}

bool DragEditor::pressProfile(Design& design, const Point2& mouse, double zoomFactor, double profileXMax)
{
    MousePosition_ = mouse;
    if (!design.DesignLoaded || DragActive) return false;
    const double reach = 1 / zoomFactor;
    // Where the profile draws it now, so only the drawn handle can be taken.
    placeWaterlineHandle(WaterlineHandle, profileXMax, design.WaterlineHeight);
    if (ScreenDistance(mouse, WaterlineHandle) < reach) {
        design.DesignChanged = DragActive = true;
        WaterlineHandle.Flag = kTrue;
    }
    for (int b = 1; b <= bulkheadBound(design); ++b) {
        Point2& handle = design.BulkheadHandles[b];
        if (DragActive || Distance2D(mouse, handle) >= reach) continue;
        design.DesignChanged = DragActive = true;
        handle.Flag = kTrue;
        BulkheadBackup_ = {handle.X, design.Bulkheads[b].X};
    }
    for (int i = 1; design.hasPoint(i); ++i) {
        ControlPoint& cp = design.ControlPoints[i];
        const bool hit = ScreenDistance(mouse, cp.Position, Plane::XY, design.HullLength) < reach && !DragActive &&
                         !fixedInView(cp, Plane::XY);
        if (hit) pick(design, i, Plane::XY);
        else cp.Position.Flag = kFalse;
    }
    return DragActive;
}

void DragEditor::pick(Design& design, int point, Plane plane)
{
    design.DesignChanged = DragActive = true;
    ControlPoint& cp = design.ControlPoints[point];
    cp.Position.Flag = kTrue;
    backedUpPoint_ = point;
    DragBackup.assign(2, ControlPoint{});
    DragBackup[1] = cp;
    if (cp.Kind != kAnchor) {
        int anchor = 0, opposite = 0;
        OppositeHandleLength_ = handlePartners(design, cp, anchor, opposite)
                                    ? PlaneDistance(design.point(anchor), design.point(opposite), plane)
                                    : 0;
        return;
    }
    // Entries stay aligned with Links: a missing link keeps an empty entry.
    const int count = std::max(0, std::min<int>(cp.LinkCount, int(cp.Links.size()) - 1));
    DragBackup.resize(count + 2);
    DragOffsets.assign(count + 1, Point3{});
    forEachLink(design, cp, [&](int k, int link) {
        const Point3& p = design.point(link);
        DragBackup[k + 1] = design.ControlPoints[link];
        DragOffsets[k] = {cp.Position.X - p.X, cp.Position.Y - p.Y, cp.Position.Z - p.Z, 0};
    });
}

MoveOutcome DragEditor::move(Design& design, Plane plane, const Point2& mouse)
{
    MousePosition_ = mouse;
    if (!design.DesignLoaded) return MoveOutcome::None;
    if (plane == Plane::XY && WaterlineHandle.Flag != kFalse) {
        WaterlineHandle.Y = design.WaterlineHeight = mouse.Y;
        return MoveOutcome::WaterlineMoved;
    }
    if (plane == Plane::XY) {
        for (int b = 1; b <= bulkheadBound(design); ++b) {
            Point2& handle = design.BulkheadHandles[b];
            if (handle.Flag == kFalse) continue;
            handle.X = mouse.X;
            design.Bulkheads[b].X = mouse.X / design.HullLength;
            return MoveOutcome::ShapeMoved;
        }
    }
    bool moved = false;
    for (int j = 1; design.hasPoint(j); ++j) {
        if (!selected(design.ControlPoints[j])) continue;
        movePoint(design, j, plane);
        moved = true;
    }
    if (!moved) return MoveOutcome::None;
    resnapSheerPoints(design);
    return MoveOutcome::ShapeMoved;
}

void DragEditor::movePoint(Design& design, int point, Plane plane)
{
    ControlPoint& cp = design.ControlPoints[point];
    const double x = MousePosition_.X / design.HullLength;
    const double v = MousePosition_.Y / design.HullLength;
    const bool freeX = cp.LockX == 0;
    const bool freeV = screenVerticalLock(cp, plane) == 0;
    if (freeX) cp.Position.X = x;
    if (freeV) screenVertical(cp.Position, plane) = v;
    if (cp.Kind != kAnchor) {
        int anchor = 0, opposite = 0;
        if (cp.Smooth == 1 && handlePartners(design, cp, anchor, opposite) && opposite != point)
            alignOpposite(design.point(anchor), cp.Position, design.ControlPoints[opposite].Position, plane,
                          OppositeHandleLength_);
        return;
    }
    // Links follow rigidly on the anchor's free axes; their own locks do not count.
    forEachLink(design, cp, [&](int k, int link) {
        if (k >= int(DragOffsets.size())) return;
        Point3& p = design.ControlPoints[link].Position;
        if (freeX) p.X = x - DragOffsets[k].X;
        if (freeV) screenVertical(p, plane) = v - screenVertical(DragOffsets[k], plane);
    });
}

ReleaseOutcome DragEditor::release(Design& design, Plane plane)
{
    DragActive = false;
    if (!design.DesignLoaded) return {};
    ReleaseOutcome outcome{true, false};
    if (WaterlineHandle.Flag != kFalse) {
        outcome.clearAutoDetect = true;
        WaterlineHandle.Flag = kFalse;
    }
    for (int b = 1; b <= bulkheadBound(design); ++b) {
        Point2& handle = design.BulkheadHandles[b];
        // Past either end a bulkhead has no section and its handle leaves
        // every view: it springs back like a point.
        if (handle.Flag != kFalse && !inRange(design, design.Bulkheads[b].X))
            std::tie(handle.X, design.Bulkheads[b].X) = BulkheadBackup_;
        handle.Flag = kFalse;
    }
    for (int j = 1; design.hasPoint(j); ++j) {
        if (!selected(design.ControlPoints[j])) continue;
        outcome.clearAutoDetect = true;
        dropPoint(design, j, plane);
        design.ControlPoints[j].Position.Flag = kFalse;
    }
    resnapSheerPoints(design);
    return outcome;
}

void DragEditor::dropPoint(Design& design, int point, Plane plane)
{
    // Only the picked point's own backup may be put back.
    if (point != backedUpPoint_ || DragBackup.size() < 2) return;
    ControlPoint& cp = design.ControlPoints[point];
    if (cp.Kind != kAnchor) {
        int anchor = 0, opposite = 0;
        const bool partners = handlePartners(design, cp, anchor, opposite) && opposite != point;
        const bool smooth = cp.Smooth == 1 && partners;
        const bool oppositeOut = smooth && !inRange(design, design.point(opposite).X);
        if (inRange(design, cp.Position.X) && !oppositeOut) return;
        cp = DragBackup[1];
        if (smooth) {
            Point3& o = design.ControlPoints[opposite].Position;
            alignOpposite(design.point(anchor), cp.Position, o, plane, PlaneDistance(design.point(anchor), o, plane));
        }
        return;
    }
    bool out = !inRange(design, cp.Position.X);
    forEachLink(design, cp, [&](int, int link) { out = out || !inRange(design, design.point(link).X); });
    if (!out) return;
    cp = DragBackup[1];
    forEachLink(design, design.ControlPoints[point], [&](int k, int link) {
        if (k + 1 < int(DragBackup.size())) design.ControlPoints[link] = DragBackup[k + 1];
    });
}

}  // namespace model
