#pragma once
// What the redraw lays over the hull in the three long views: the midship
// symbol (under the panels), the profile waterline and the bulkheads, the
// current station's line and the plan-view waterline plot. Only the bulkhead
// pass writes anything besides pixels: the height of each bulkhead's handle,
// where the profile's mouse handlers look for it.

#include "views/redraw.h"

namespace views {

// While the data window's midship box is checked.
void drawMidshipSymbol(const Redraw& r);
// The waterline only while View > Water Line is checked.
void drawProfileWaterlineAndBulkheads(const Redraw& r);
void drawCurrentStationLine(const Redraw& r);
// Only while View > Water Line is checked.
void drawPlanWaterline(const Redraw& r);

}  // namespace views
