#pragma once
// The passes of the redraw that draw the section editor, the body plan, the
// overlays, the edit handles and the analysis markers. They hold their places
// in the order of drawing and draw nothing yet.

#include "views/redraw.h"

namespace views {

void drawSectionEditorOutline(const Redraw& r);
void drawBodyPlan(const Redraw& r);
void drawMidshipSymbol(const Redraw& r);
void drawProfileWaterlineAndBulkheads(const Redraw& r);
void drawCurrentStationLine(const Redraw& r);
void drawPlanWaterline(const Redraw& r);
void drawAnalysisMarkers(const Redraw& r);

}  // namespace views
