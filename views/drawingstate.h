#pragma once
// What the redraw reads of the main window and keeps for it between
// redraws: zoom, draw mode, active view, the scroll bars of the three long
// views, the view extents and the frozen drawing box. The main window owns
// one and hands it to every redraw. Qt-free.

#include "model/hull/records.h"
#include "views/viewextent.h"

#include <array>
#include <functional>

namespace views {

// The main window's ActiveView numbering: the view of the last mouse press.
enum ActiveViewNumber : std::int16_t {
    kActiveNone = 0,
    kActiveRight = 1,
    kActiveTop = 2,
    kActiveBottom = 3,
    kActiveSection = 4,
    kActiveFront = 5,
    kActiveGraph = 6,
};

struct ScrollBar {
    std::int32_t Value = 0;  // 0 to Max
    std::int32_t Max = 1;
    bool Visible = false;
};

// The design-data window's marker boxes; each is on only while checked (a
// greyed box counts as clear).
struct MarkerSwitches {
    bool chkMidship = false;
    bool chkLCBVisible = false;
    bool chkLCFVisible = false;
    bool chkEntryHalfAngle = false;
    bool chkExitHalfAngle = false;
};

struct DrawingState {
    // Read by the redraw.
    bool FormTooSmall = false;
    double ZoomFactor = 1;
    std::int16_t ActiveView = kActiveNone;
    bool DragActive = false;
    bool Solid = true;  // the Solid draw mode fills the panels; Wireframe outlines them
    bool ViewWaterLine = false;
    MarkerSwitches markers;

    // Read, and at zoom 1 or less hidden and set to 0, by the redraw; shown
    // above zoom 1.
    ScrollBar RightViewHScroll, RightViewVScroll;
    ScrollBar TopviewHScroll, TopViewVScroll;
    ScrollBar BottomViewHScroll, BottomViewVScroll;

    // Kept between redraws. Records 1 to 5 are rewritten by every redraw of a
    // loaded design; record 6, the volume graph's, belongs to the hydrostatics.
    ViewExtentTable ViewExtents{};
    // The shown part of the three long views' fitted windows (records 1 to 3).
    std::array<ViewExtent, 4> VisibleWindows{};
    // The box the views are fitted to, normalised; frozen while DragActive.
    model::Point3 DrawMin, DrawMax;
    // The profile's waterline handle in inches, placed by the edit-handle
    // pass; its Flag is set while the handle is dragged.
    model::Point3 WaterlineHandle;

    // Called once the redraw has set the scroll bars, for the main window to
    // show their state without running their change handlers (which would
    // redraw again). Optional.
    std::function<void(const DrawingState&)> scrollBarsSet;

    ScrollBar& horizontalBar(int view)
    {
        return view == kRightView ? RightViewHScroll : view == kTopView ? TopviewHScroll : BottomViewHScroll;
    }
    ScrollBar& verticalBar(int view)
    {
        return view == kRightView ? RightViewVScroll : view == kTopView ? TopViewVScroll : BottomViewVScroll;
    }
};

}  // namespace views
