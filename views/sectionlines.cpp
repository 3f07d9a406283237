#include "views/sectionlines.h"

#include <algorithm>

namespace views {

std::vector<Segment> sectionOutline(const model::Design& design, int station)
{
    std::vector<Segment> lines;
    // Station 0 means the editor shows no section.
    if (station <= 0 || station >= int(design.Sections.size())) return lines;
    const std::vector<model::Point3>& pts = design.Sections[std::size_t(station)].Pts;
    const int edges = std::min<int>(design.PanelsPerSide, int(pts.size()) - 2);
    if (edges < 0) return lines;
    const double length = design.HullLength;
    auto y = [&](int k) { return length * pts[std::size_t(k)].Y; };
    auto z = [&](int k) { return length * pts[std::size_t(k)].Z; };
    if (z(1) != 0) {
        lines.push_back({0, y(1), z(1), y(1)});
        lines.push_back({0, y(1), -z(1), y(1)});
    }
    for (int i = 1; i <= edges; ++i) {
        lines.push_back({z(i), y(i), z(i + 1), y(i + 1)});
        lines.push_back({-z(i), y(i), -z(i + 1), y(i + 1)});
    }
    return lines;
}

}  // namespace views
