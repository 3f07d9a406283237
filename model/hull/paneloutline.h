#pragma once
// The outline of a panel as the views trace it: from the start of its first
// bounding line along that line, then back along the second line, each
// segment sampled at the design's CurveStep. The views draw these samples and
// the beam over all is measured from them.

#include "model/hull/design.h"

#include <optional>
#include <vector>

namespace model {

struct PanelOutline {
    Point3 start;                 // the start point of the first line's first segment
    std::vector<Point3> samples;  // first line forward, then second line reversed
};

// Appends the samples of one segment (normalised points). Forward they run
// a, a + s, ... while not past b; reversed b, b - s, ... while not below a,
// the parameter accumulating the step, so the far end is met only when the
// range is a whole number of steps. A segment of a kind that covers nothing
// adds no samples.
void sampleSegment(const Design& design, const CurveSegment& segment, bool reversed, std::vector<Point3>& samples);

// The outline of panel k; none when either bounding line is missing or has
// no segments.
std::optional<PanelOutline> panelOutline(const Design& design, int panel);

}  // namespace model
