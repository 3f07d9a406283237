#include "views/laterpasses.h"

namespace views {

void drawSectionEditorOutline(const Redraw&) {}
void drawBodyPlan(const Redraw&) {}
void drawMidshipSymbol(const Redraw&) {}
void drawProfileWaterlineAndBulkheads(const Redraw&) {}
void drawCurrentStationLine(const Redraw&) {}
void drawPlanWaterline(const Redraw&) {}
void drawAnalysisMarkers(const Redraw&) {}

}  // namespace views
