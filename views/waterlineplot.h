#pragma once
// Where the waterline crosses the hull in the plan views: the outline plotted
// from the hydrostatics' half-breadth tables, and the crossings that
// DrawWaterline dots in. Qt-free.

#include "model/hull/design.h"
#include "model/hull/records.h"
#include "views/segment.h"

#include <vector>

namespace views {

// The plan plot from one half-breadth table (entries 0 to sliceCount, inches;
// entry i belongs to X = length × i / sliceCount): every fifth entry from 1
// joined to the one five before when both are non-zero, each segment followed
// by its mirror across the centre line. Entries the table lacks end the plot.
std::vector<Segment> planWaterlineSegments(const std::vector<double>& halfBreadths, int sliceCount, double length);

// At X = control point 1 and every tenth of the hull after it up to control
// point 14, each pair of neighbouring hull lines that brackets the waterline
// (and is neither level nor vertical there) gives the crossing's (X,
// half-breadth) in inches, on the positive side. Nothing for a hull without
// its end points or length; a corrupt hull reaching past a thousand lengths
// is sampled only that far.
std::vector<model::Point2> waterlineCrossings(const model::Design& design);

}  // namespace views
