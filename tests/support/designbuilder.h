#pragma once
// Builds designs in code for tests and benchmarks: points in inches, lines from straight or curved Bezier segments,
// panels between neighbouring lines.

#include "model/hull/design.h"

#include <map>
#include <vector>

namespace testsupport {

struct Inches {
    double x, y, z;
};

class DesignBuilder {
public:
    explicit DesignBuilder(double hullLength);

    // A control point at the next free index (or at `index`), in inches.
    int point(Inches p, std::int16_t kind = model::kAnchor);
    int pointAt(int index, Inches p, std::int16_t kind = model::kAnchor);

    // A cubic segment over four existing points.
    int segment(int p0, int p1, int p2, int p3, std::int16_t kind = model::kCoversStartToEnd, int limit = 0);
    // A straight segment between two anchors; its handles sit at 1/4 and 3/4 of the chord so X(t) is a true cubic.
    int straight(int from, int to);
    // A line over the given segments, returns its index.
    int line(std::vector<int> segments);
    // A line of straight segments through the given anchors.
    int polyline(const std::vector<Inches>& anchors);
    int polyline(const std::vector<int>& anchorIndices);

    DesignBuilder& waterline(double inches);

    // Panels k = 1 .. lines-1 between lines k and k+1; panels 1 and 2 deck.
    model::Design build();

private:
    double length_;
    double waterline_ = 0;
    std::map<int, model::ControlPoint> points_;
    std::vector<model::CurveSegment> segments_;
    std::vector<std::vector<int>> lines_;
};

// A seven-line, two-segments-per-line kayak hull, 204 inches long, with points 1 and 14 at the bow and stern where
// all lines meet.
model::Design sevenLineKayak();

// sevenLineKayak with every kind of row a design file holds (links, smooth handles, plain points, every covering
// kind, two nine-point cockpits, three bulkheads), and points up to 45 so old files' fixed panel-end table fits.
model::Design furnishedKayak();

// Adds the nine rim points of cockpit `k` (1 or 2) at height `y`: 2 and 3 at the front end, 8 at the rear end
// `rearX`, 4, 5, 6 at 1/2, 2/3, 5/6 of the way, 1, 7 and 9 beside them. Sets Length, AftToCG, Width; CockpitCount >= k.
void addCockpit(model::Design& design, int k, double rearX, double length, double aftToCG, double y);

// sevenLineKayak with one cockpit (rear end 120 in, 32 long, 11 aft to CG), two 190 lb paddlers, 0.3 lb/ft² plywood.
model::Design cockpitKayak();

// A rectangular box, `length` x `beam` x `depth` inches, four lines: deck centre, sheer, chine, keel.
model::Design boxHull(double length, double beam, double depth, double waterline);

}  // namespace testsupport
