#include "views/bodyplan.h"

#include "views/bodyplanorder.h"
#include "views/mappeddrawing.h"

namespace views {

void drawBodyPlan(const Redraw& r)
{
    const model::Design& d = r.design;
    platform::PictureBox& box = r.box(kFrontView);
    const int lineCount = d.LineCount;
    if (lineCount < 1) return;
    std::vector<model::Point2> polygon(std::size_t(lineCount) + 1);
    for (const BodyPlanStation& s : bodyPlanOrder(d.StationCount, int(d.Sections.size()) - 1, d.CurrentStation)) {
        const std::vector<model::Point3>& pts = d.Sections[std::size_t(s.station)].Pts;
        if (int(pts.size()) <= lineCount) continue;
        for (int k = 1; k <= lineCount; ++k) {
            const model::Point3& p = pts[std::size_t(k)];
            polygon[std::size_t(k)] = {s.side * d.HullLength * p.Z, d.HullLength * p.Y, 0};
        }
        box.FillColor = s.fill;
        box.ForeColor = s.outline;
        DrawPolygonInView(box, r.state.ViewExtents, kFrontView, lineCount, polygon);
    }
}

}  // namespace views
