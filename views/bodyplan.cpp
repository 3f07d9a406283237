#include "views/bodyplan.h"

#include "views/bodyplanorder.h"
#include "views/mappeddrawing.h"

namespace views {

namespace {

struct Shape {
    std::vector<model::Point2> polygon;
    std::vector<platform::Point> pixels;
    platform::ColorRef fill, outline;
};

}  // namespace

void drawBodyPlan(const Redraw& r)
{
    const model::Design& d = r.design;
    platform::PictureBox& box = r.box(kFrontView);
    const int lineCount = d.LineCount;
    if (lineCount < 1) return;
    std::vector<Shape> shapes;
    for (const BodyPlanStation& s : bodyPlanOrder(d.StationCount, int(d.Sections.size()) - 1, d.CurrentStation)) {
        const std::vector<model::Point3>& pts = d.Sections[std::size_t(s.station)].Pts;
        if (int(pts.size()) <= lineCount) continue;
        std::vector<model::Point2> polygon(std::size_t(lineCount) + 1);
        for (int k = 1; k <= lineCount; ++k) {
            const model::Point3& p = pts[std::size_t(k)];
            polygon[std::size_t(k)] = {s.side * d.HullLength * p.Z, d.HullLength * p.Y, 0};
        }
        std::vector<platform::Point> pixels =
            PolygonPixelsInView(box, r.state.ViewExtents, kFrontView, std::int16_t(lineCount), polygon);
        shapes.push_back({std::move(polygon), std::move(pixels), s.fill, s.outline});
    }
    // A finely divided hull has many neighbouring sections on the same
    // pixels: the next one paints over every pixel of such a section, so it
    // is not drawn at all. The picture is the same, many times faster.
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        if (i + 1 < shapes.size() && shapes[i].pixels == shapes[i + 1].pixels) continue;
        box.FillColor = shapes[i].fill;
        box.ForeColor = shapes[i].outline;
        DrawPolygonInView(box, r.state.ViewExtents, kFrontView, std::int16_t(lineCount), shapes[i].polygon);
    }
}

}  // namespace views
