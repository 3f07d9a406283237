#include "tests/support/designbuilder.h"

#include <algorithm>
#include <stdexcept>

namespace testsupport {

using model::ControlPoint;
using model::CurveSegment;
using model::Design;

DesignBuilder::DesignBuilder(double hullLength) : length_(hullLength) {}

int DesignBuilder::pointAt(int index, Inches p, std::int16_t kind)
{
    ControlPoint cp;
    cp.Position = {p.x / length_, p.y / length_, p.z / length_, 0};
    cp.Kind = kind;
    points_[index] = cp;
    return index;
}

int DesignBuilder::point(Inches p, std::int16_t kind)
{
    int index = 1;
    while (points_.count(index)) ++index;
    return pointAt(index, p, kind);
}

int DesignBuilder::segment(int p0, int p1, int p2, int p3, std::int16_t kind, int limit)
{
    segments_.push_back(model::makeSegment(p0, p1, p2, p3, kind, limit));
    return int(segments_.size());
}

int DesignBuilder::straight(int from, int to)
{
    const auto& a = points_.at(from).Position;
    const auto& b = points_.at(to).Position;
    auto along = [&](double f) {
        return Inches{(a.X + (b.X - a.X) * f) * length_, (a.Y + (b.Y - a.Y) * f) * length_,
                      (a.Z + (b.Z - a.Z) * f) * length_};
    };
    const int h1 = point(along(0.25), model::kHandle), h2 = point(along(0.75), model::kHandle);
    return segment(from, h1, h2, to);
}

int DesignBuilder::line(std::vector<int> segments)
{
    lines_.push_back(std::move(segments));
    return int(lines_.size());
}

int DesignBuilder::polyline(const std::vector<int>& anchors)
{
    std::vector<int> segs;
    for (std::size_t i = 0; i + 1 < anchors.size(); ++i) segs.push_back(straight(anchors[i], anchors[i + 1]));
    return line(segs);
}

int DesignBuilder::polyline(const std::vector<Inches>& anchors)
{
    std::vector<int> indices;
    for (const auto& a : anchors) indices.push_back(point(a));
    return polyline(indices);
}

DesignBuilder& DesignBuilder::waterline(double inches)
{
    waterline_ = inches;
    return *this;
}

Design DesignBuilder::build()
{
    Design d;
    d.HullLength = length_;
    const int pointCount = points_.empty() ? 0 : points_.rbegin()->first;
    d.PointCount = std::int16_t(pointCount);
    d.ControlPoints.assign(pointCount + 1, ControlPoint{});
    for (auto& [index, cp] : points_) d.ControlPoints[index] = cp;
    // Gaps left by pointAt are plain points at the origin.
    for (int i = 1; i <= pointCount; ++i)
        if (!points_.count(i)) d.ControlPoints[i].Kind = 2;

    d.SegmentCount = std::int16_t(segments_.size());
    d.CurveSegments.assign(segments_.size() + 1, CurveSegment{});
    std::copy(segments_.begin(), segments_.end(), d.CurveSegments.begin() + 1);

    d.LineCount = std::int16_t(lines_.size());
    d.HullLines.assign(lines_.size() + 1, model::HullLine{});
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto& hl = d.HullLines[i + 1];
        hl.SegmentCount = std::int16_t(lines_[i].size());
        hl.Segments.assign(1, 0);
        for (int s : lines_[i]) hl.Segments.push_back(std::int16_t(s));
    }

    const int panels = std::max<int>(d.LineCount - 1, 0);
    d.PanelsPerSide = std::int16_t(panels);
    d.HullPanels.assign(panels + 1, model::HullPanel{});
    d.PanelEnds.assign(panels + 1, {0, 0, 0});
    for (int k = 1; k <= panels; ++k)
        d.HullPanels[k] = {std::int16_t(k), std::int16_t(k + 1), std::int16_t(k >= 3 ? 1 : 0)};

    d.StationCount = 20;
    d.WaterlineHeight = waterline_;
    d.CockpitCount = 1;
    d.StitchSpacing = 4;
    d.StitchMarkLength = 0.25;
    d.CurveStep = model::kDefaultCurveStep;
    d.DesignLoaded = true;
    return d;
}

Design sevenLineKayak()
{
    constexpr double kLength = 204;
    constexpr double kEndHeight = 12;
    // Each line's height and half-breadth at midships, inches.
    const double shapes[7][2] = {{14, 0}, {13.5, 7}, {11, 11.5}, {6.5, 11.2}, {3, 9}, {1, 5}, {0, 0}};
    DesignBuilder b(kLength);
    b.pointAt(model::kBowPoint, {0, kEndHeight, 0});
    b.pointAt(model::kSternPoint, {kLength, kEndHeight, 0});
    for (const auto& [midY, midZ] : shapes) {
        const int mid = b.point({kLength / 2, midY, midZ});
        const double nearEndY = midY + (kEndHeight - midY) * 0.3;
        const int fwd1 = b.point({0.1 * kLength, nearEndY, 0.6 * midZ}, model::kHandle);
        const int fwd2 = b.point({0.3 * kLength, midY, midZ}, model::kHandle);
        const int aft1 = b.point({0.7 * kLength, midY, midZ}, model::kHandle);
        const int aft2 = b.point({0.92 * kLength, nearEndY, 0.55 * midZ}, model::kHandle);
        b.line({b.segment(model::kBowPoint, fwd1, fwd2, mid), b.segment(mid, aft1, aft2, model::kSternPoint)});
    }
    Design d = b.waterline(4).build();
    d.StationCount = 101;
    return d;
}

Design furnishedKayak()
{
    Design d = sevenLineKayak();
    constexpr int kLastPoint = 45;
    auto& p = d.ControlPoints;
    p.resize(kLastPoint + 1);
    for (int i = d.PointCount + 1; i <= kLastPoint; ++i) {
        p[i].Position = {0.5, 1.0 / i, 1.0 / (3 * i), 0};
        p[i].Kind = std::int16_t(i % 3 == 0 ? 7 : model::kAnchor);  // 7: a plain point
    }
    d.PointCount = kLastPoint;
    // Anchor 3 carries its two handles; handle 4 keeps 5 collinear.
    p[3].LinkCount = 2;
    p[3].Links = {0, 4, 5};
    p[4].Anchor = 3;
    p[4].Smooth = 1;
    p[4].OppositeHandle = 5;
    p[2].LockX = p[2].LockZ = 1;
    // Segments of the other covering kinds that no line uses, so the hull keeps its shape.
    d.CurveSegments.push_back({1, 2, 3, 4, model::kCoversStartToEndLimit, 40, 0});
    d.CurveSegments.push_back({1, 2, 3, 4, model::kCoversStartLimitToEnd, 0, 41});
    d.CurveSegments.push_back({1, 2, 3, 4, 3, 0, 0});  // covers nothing
    d.SegmentCount = std::int16_t(d.CurveSegments.size() - 1);
    for (int k = 1; k <= d.PanelsPerSide; ++k) d.PanelEnds[k] = {0, model::kBowPoint, model::kSternPoint};

    d.CockpitCount = 2;
    for (int k = 1; k <= 2; ++k) {
        auto& c = d.Cockpits[k];
        c.RimPointCount = model::kRimPointSlots;
        for (int j = 1; j <= model::kRimPointSlots; ++j) c.RimPoints[j] = std::int16_t(20 * (k - 1) + j + 2);
        // Cockpit 2 unlike cockpit 1 in every field, so swapped fields show.
        c.AftToCG = 11 + k;
        c.Length = k == 1 ? 32.5 : 29.75;
        c.Width = k == 1 ? 18.0 / 7 : 17.0 / 3;
    }
    d.Cockpits[1].DistanceBetweenCockpits = 41.25;
    d.PaddlerWeights = {0, 190, 165.5};
    d.CargoWeight = 50;
    d.MaterialWeightPerSqFt = 0.000578703704;
    d.SectionOffset = -0.125;

    d.BulkheadCount = 3;
    d.Bulkheads.assign(4, model::Section{});
    d.BulkheadHandles.assign(4, model::Point2{});
    d.BulkheadDrawOrigin.assign(4, model::Point2{});
    const double positions[] = {0, 0.25, 1.0 / 3, 0.75};
    for (int b = 1; b <= 3; ++b) d.BulkheadHandles[b].X = d.HullLength * (d.Bulkheads[b].X = positions[b]);
    return d;
}

void addCockpit(Design& d, int k, double rearX, double length, double aftToCG, double y)
{
    const double L = d.HullLength, front = rearX - length;
    const double along[model::kRimPointSlots + 1] = {0, 0, 0, 0, 0.5, 2.0 / 3, 5.0 / 6, 0.9, 1, 1};
    const double side[model::kRimPointSlots + 1] = {0, 0, 0.3, 0.3, 1, 1, 0.8, 0.5, 0, 0.2};
    model::Cockpit& c = d.Cockpits[k];
    c.RimPointCount = model::kRimPointSlots;
    for (int j = 1; j <= model::kRimPointSlots; ++j) {
        model::ControlPoint cp;
        cp.Position = {(front + length * along[j]) / L, y / L, side[j] * 8 / L, 0};
        d.ControlPoints.push_back(cp);
        c.RimPoints[j] = std::int16_t(d.ControlPoints.size() - 1);
    }
    d.PointCount = std::int16_t(d.ControlPoints.size() - 1);
    c.Length = length;
    c.AftToCG = aftToCG;
    c.Width = 16;
    d.CockpitCount = std::max(d.CockpitCount, double(k));
}

Design cockpitKayak()
{
    Design d = sevenLineKayak();
    addCockpit(d, 1, 120, 32, 11, 13);
    d.PaddlerWeights = {0, 190, 190};
    d.MaterialWeightPerSqFt = 0.3;
    return d;
}

Design boxHull(double length, double beam, double depth, double waterline)
{
    DesignBuilder b(length);
    const double half = beam / 2;
    const double heightAndOffset[4][2] = {{depth, 0}, {depth, half}, {0, half}, {0, 0}};
    for (const auto& [y, z] : heightAndOffset) b.polyline(std::vector<Inches>{{0, y, z}, {length, y, z}});
    return b.waterline(waterline).build();
}

}  // namespace testsupport
