#include "model/hull/sections.h"

#include "model/hull/vectorstate.h"

#include "model/hull/curves.h"
#include "model/hull/floaterror.h"

#include <algorithm>

namespace model {

namespace {

constexpr double kBoxStartMin = 1000;    // the bounding box search starts from these
constexpr double kBoxStartMax = 0;
constexpr double kBulkheadSpacing = 0.025;  // of the hull length, per bulkhead number
constexpr double kSheetOriginStepX = 25;    // inches on the panel sheet
constexpr double kSheetOriginY = 60;

void growBox(double value, double& min, double& max)
{
    if (max < value) max = value;
    if (min > value) min = value;
}

void computeBoundingBox(Design& d)
{
    d.HullMin = {kBoxStartMin, kBoxStartMin, kBoxStartMin, 0};
    d.HullMax = {kBoxStartMax, kBoxStartMax, kBoxStartMax, 0};
    for (int i = 1; d.hasPoint(i); ++i) {
        const Point3& p = d.point(i);
        growBox(p.X, d.HullMin.X, d.HullMax.X);
        growBox(p.Y, d.HullMin.Y, d.HullMax.Y);
        growBox(p.Z, d.HullMin.Z, d.HullMax.Z);
    }
}

std::vector<LineEvaluator> prepareLines(const Design& d)
{
    std::vector<LineEvaluator> lines;
    for (int j = 1; d.hasLine(j); ++j) lines.emplace_back(d, d.HullLines[j]);
    return lines;
}

// Every hull line's point at the section's X.
void evaluateSection(const Design& d, const std::vector<LineEvaluator>& lines, Section& section)
{
    section.Pts.assign(std::size_t(std::max<int>(d.LineCount, 0)) + 1, Point3{});
    for (std::size_t j = 0; j < lines.size(); ++j) {
        const Point3 p = lines[j].pointAt(section.X);
        section.Pts[j + 1] = {section.X, p.Y, p.Z, 0};
    }
}

}  // namespace

void makesections(Design& d)
{
    if (!d.DesignLoaded) return;
    clearUpperVectorState();
    computeBoundingBox(d);

    const int stations = stationBound(d.StationCount);
    const double step = checked(1 / d.StationCount, "station spacing");
    const std::vector<LineEvaluator> lines = prepareLines(d);
    d.Sections.assign(std::size_t(std::max(stations, 0)) + 1, Section{});
    for (int s = 0; s <= stations; ++s) {
        d.Sections[s].X = s * step;
        evaluateSection(d, lines, d.Sections[s]);
    }
    // All lines meet at the stern end in the last station.
    if (stations >= 0 && d.hasPoint(kSternPoint))
        for (int j = 1; d.hasLine(j); ++j) d.Sections[stations].Pts[j] = d.point(kSternPoint);

    for (int b = 1; b <= d.BulkheadCount; ++b) evaluateSection(d, lines, d.Bulkheads[b]);
}

void addBulkhead(Design& d)
{
    if (!d.DesignLoaded || d.BulkheadCount >= kMaxBulkheads) return;
    const int i = d.BulkheadCount + 1;
    d.Bulkheads.resize(i + 1);
    d.BulkheadHandles.resize(i + 1);
    d.BulkheadDrawOrigin.resize(i + 1);
    d.BulkheadCount = std::int16_t(i);

    Section& added = d.Bulkheads[i];
    added = Section{};
    added.X = i * kBulkheadSpacing;
    d.BulkheadHandles[i] = {d.HullLength * added.X, 0, 0};
    d.BulkheadDrawOrigin[i] = {kSheetOriginStepX * i, kSheetOriginY, 0};
    // A new bulkhead is a change the user would lose on exit.
    d.DesignChanged = true;
    makesections(d);
}

void removeBulkhead(Design& d)
{
    if (!d.DesignLoaded) return;
    if (d.BulkheadCount > 0) {
        --d.BulkheadCount;
        d.DesignChanged = true;
    }
    makesections(d);
}

}  // namespace model
