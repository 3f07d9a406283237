#include "views/drawscreens.h"

#include "views/backgrounds.h"
#include "views/bodyplan.h"
#include "views/edithandles.h"
#include "views/hulllinecolors.h"
#include "views/hullpanels.h"
#include "views/markers.h"
#include "views/overlays.h"
#include "views/redraw.h"
#include "views/sectionoutline.h"
#include "views/viewcolors.h"
#include "views/viewfit.h"
#include "views/zoomscroll.h"

namespace views {

namespace {

// A nested call would draw over a redraw half done; the outer one draws
// everything from the design anyway.
class ReentryGuard {
public:
    explicit ReentryGuard(bool& running) : running_(running), entered_(!running) { running_ = true; }
    ~ReentryGuard()
    {
        if (entered_) running_ = false;
    }
    bool entered() const { return entered_; }

private:
    bool& running_;
    bool entered_;
};

// The views are fitted to the hull box of the last redraw before a drag, so
// they do not move under the mouse.
void followHullBox(const model::Design& design, DrawingState& state)
{
    if (state.DragActive) return;
    state.DrawMin = design.HullMin;
    state.DrawMax = design.HullMax;
}

FitSizes fitSizes(const ViewBoxes& v)
{
    auto size = [](const platform::PictureBox* box) { return ViewSize{box->Width(), box->Height()}; };
    return {size(v.RightView), size(v.TopView), size(v.BottomView), size(v.FrontView)};
}

void setDrawingState(const ViewBoxes& v)
{
    for (platform::PictureBox* box : {v.SectionEdit, v.RightView, v.TopView, v.BottomView}) {
        box->FillStyle = platform::kFillSolid;
        box->FillColor = kViewFillColor;
        box->ForeColor = platform::kBlack;
    }
    // The body plan chooses the front view's fill colour itself.
    v.FrontView->FillStyle = platform::kFillSolid;
    v.FrontView->ForeColor = platform::kBlack;
}

void setUserScales(const Redraw& r)
{
    for (int view = kRightView; view <= kSectionEdit; ++view) {
        const ViewExtent& e = r.extent(view);
        r.box(view).Scale(e.XMin, e.YMax, e.XMax, e.YMin);
    }
}

void drawPasses(const Redraw& r)
{
    // This redraw's scales are set before anything is painted, so every view
    // is painted in the window it now shows.
    setDrawingState(r.views);
    setUserScales(r);
    paintBackgrounds(r);
    drawRulers(r);
    drawSectionEditorOutline(r);
    drawBodyPlan(r);
    drawMidshipSymbol(r);
    DrawHullPanels(r);
    drawProfileWaterlineAndBulkheads(r);
    drawCurrentStationLine(r);
    drawPlanWaterline(r);
    drawEditHandles(r);
    drawAnalysisMarkers(r);
}

}  // namespace

void drawscreens(model::Design& design, const model::Hydrostatics& hydro, const ViewBoxes& views,
                 DrawingState& state)
{
    static bool running = false;
    const ReentryGuard guard(running);
    if (!guard.entered() || state.FormTooSmall || !views.complete()) return;

    assignHullLineColors(design);
    if (!design.DesignLoaded) {
        // No design, nothing shown: a picture left by a new design that
        // could not be built must not stay as if it were open.
        for (int view = 1; view <= kViewCount; ++view) views.box(view).Cls();
        return;
    }

    setScrollBarsByZoom(state);
    if (state.scrollBarsSet) state.scrollBarsSet(state);
    followHullBox(design, state);
    fitViews(design.HullLength, state.DrawMin, state.DrawMax, fitSizes(views), state.ViewExtents);
    applyZoomAndScroll(state);
    drawPasses(Redraw{design, hydro, views, state});
}

}  // namespace views
