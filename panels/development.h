#pragma once
// Panel development: each deck and hull panel unfolded flat for cutting from
// plywood. A panel is sampled where its two bounding hull lines differ at the
// inner stations, closed by its two tips into a strip of triangles, unfolded
// triangle by triangle into one plane and laid on the sheet's XY plane with
// its first point at the origin and its chord along +X.

#include "model/hull/design.h"

#include <vector>

namespace panels {

struct DevelopedPanel {
    // P(1) .. P(N) in inches, element 0 unused; Flag is the stitch mark.
    std::vector<model::Point3> points{1};
    // False when the panel has no outline to cut: fewer than three points, or
    // its end points are not in the design. Such a panel is neither unfolded
    // nor drawn.
    bool laidFlat = false;

    int count() const { return int(points.size()) - 1; }
};

// Panels 0 .. PanelsPerSide; element 0 unused.
using DevelopedPanels = std::vector<DevelopedPanel>;

// Every station s in 1 .. lastStation that is a multiple of
// Int(StitchSpacing / station spacing) is stitched; 0 means none is.
int stitchInterval(const model::Design& design);

// Develops every panel of the design from its current sections.
DevelopedPanels DevelopPanels(const model::Design& design);

}  // namespace panels
