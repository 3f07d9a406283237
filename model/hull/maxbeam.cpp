#include "model/hull/maxbeam.h"

#include "model/hull/paneloutline.h"

namespace model {

double MaxBeam(const Design& d)
{
    double beam = 0;
    for (int k = 1; k <= d.PanelsPerSide && k < int(d.HullPanels.size()); ++k) {
        if (d.HullPanels[k].IsHull != 0) continue;
        const auto outline = panelOutline(d, k);
        if (!outline) continue;
        for (const Point3& q : outline->samples) {
            const double breadth = 2 * d.HullLength * q.Z;
            if (breadth > beam) beam = breadth;
        }
    }
    return beam;
}

}  // namespace model
