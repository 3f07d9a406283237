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
    std::vector<platform::PolygonPaint> shapes;
    const ViewPolygonPixels pixelsOf(box, r.state.ViewExtents, kFrontView);
    for (const BodyPlanStation& s : bodyPlanOrder(d.StationCount, int(d.Sections.size()) - 1, d.CurrentStation)) {
        const std::vector<model::Point3>& pts = d.Sections[std::size_t(s.station)].Pts;
        if (int(pts.size()) <= lineCount) continue;
        std::vector<model::Point2> polygon(std::size_t(lineCount) + 1);
        for (int k = 1; k <= lineCount; ++k) {
            const model::Point3& p = pts[std::size_t(k)];
            polygon[std::size_t(k)] = {s.side * d.HullLength * p.Z, d.HullLength * p.Y, 0};
        }
        std::vector<platform::Point> pixels = pixelsOf(std::int16_t(lineCount), polygon);
        if (!pixels.empty()) shapes.push_back({std::move(pixels), s.fill, s.outline});
    }
    // A finely divided hull has many neighbouring sections on the same
    // pixels: the next one paints over every pixel of such a section.
    std::vector<platform::PolygonPaint> drawn;
    for (std::size_t i = 0; i < shapes.size(); ++i)
        if (i + 1 == shapes.size() || shapes[i].points != shapes[i + 1].points) drawn.push_back(std::move(shapes[i]));
    if (drawn.empty()) return;
    // The sections do not move with the waterline or a scroll: a redraw that
    // would draw them on the same pixels puts the kept ones on again.
    box.FillColor = drawn.back().fill;
    box.ForeColor = drawn.back().outline;
    box.Layered(platform::polygonsKey({box.FillStyle, box.DrawWidth, box.DrawStyle}, drawn),
                [&] { box.Polygons(drawn); });
}

}  // namespace views
