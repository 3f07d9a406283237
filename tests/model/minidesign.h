#pragma once
// A four-point design small enough to spell out as a design file row by row,
// and helpers to edit a design text by rows.

#include "model/design.h"

#include <string>
#include <string_view>
#include <vector>

namespace testdesigns {

inline model::Design miniDesign()
{
    model::Design d;
    d.DesignLoaded = true;
    d.HullLength = 200;
    d.PointCount = 4;
    d.ControlPoints.assign(5, model::ControlPoint{});
    auto& p = d.ControlPoints;
    p[1].Position = {0, 0.1, 0, model::kTrue};  // the selection mark is not saved
    p[1].LinkCount = 1;
    p[1].Links = {0, 2};
    p[2].Position = {0.25, 0.05, 0.03, 0};
    p[2].LockX = p[2].LockZ = 1;
    p[2].Kind = model::kHandle;
    p[2].Anchor = 1;
    p[2].Smooth = 1;
    p[2].OppositeHandle = 3;
    p[3].Position = {1, 0.1, 0, 0};
    p[3].Kind = 2;
    p[4].Position = {0.5, 0, 0, 0};
    p[4].Kind = 2;
    d.SegmentCount = 2;
    d.CurveSegments = {{}, {1, 2, 4, 3, model::kCoversStartToEnd, 0, 0}, {4, 3, 1, 2, model::kCoversStartToEndLimit, 3, 0}};
    d.LineCount = 2;
    d.HullLines.assign(3, model::HullLine{});
    d.HullLines[1] = {2, {0, 1, 2}, 0};
    d.HullLines[2] = {1, {0, 2}, 0};
    d.PanelsPerSide = 1;
    d.HullPanels = {{}, {1, 2, 1}};
    d.PanelEnds = {{0, 0, 0}, {0, 1, 4}};
    d.StationCount = 20;
    d.PaddlerWeights = {0, 190, 175};
    d.CargoWeight = 25.5;
    d.MaterialWeightPerSqFt = 0.5;
    d.WaterlineHeight = 4.25;
    d.StitchSpacing = 4;
    d.SectionOffset = -0.125;
    d.CockpitCount = 1;
    d.Cockpits[1].RimPointCount = 2;
    d.Cockpits[1].RimPoints = {0, 3, 4};
    d.Cockpits[1].AftToCG = 11;
    d.Cockpits[1].Length = 32;
    d.Cockpits[1].Width = 18;
    d.BulkheadCount = 1;
    d.Bulkheads.assign(2, model::Section{});
    d.Bulkheads[1].X = 0.5;
    d.BulkheadHandles.assign(2, model::Point2{});
    d.BulkheadHandles[1].X = 100;
    d.BulkheadDrawOrigin.assign(2, model::Point2{});
    return d;
}

// miniDesign() as rows, without the version row and split at the places the
// other layouts leave rows out.
inline const std::vector<std::string> kMiniCurves = {
    " 200",
    " 4",
    " 0", " .1", " 0", " 0", " 0", " 0", " 0", " 1", " 2",
    " .25", " .05", " .03", " 1", " 0", " 1", " 1", " 1", " 1", " 3",
    " 1", " .1", " 0", " 0", " 0", " 0", " 2",
    " .5", " 0", " 0", " 0", " 0", " 0", " 2",
    " 2",
    " 1", " 2", " 3", " 4", " 0",
    " 4", " 3", " 2", " 1", " 1", " 3",
    " 2",
    " 2", " 1", " 2",
    " 1", " 2",
    " 1",
    " 1", " 2",
};
inline const std::vector<std::string> kMiniPanelEnds = {" 1", " 4"};
inline const std::vector<std::string> kMiniIsHull = {" 1"};
inline const std::vector<std::string> kMiniStations = {" 20"};
inline const std::vector<std::string> kMiniPaddlers = {" 190", " 175"};
inline const std::vector<std::string> kMiniSettings = {" 25.5", " .5", " 4.25", " 4", "-.125"};
inline const std::vector<std::string> kMiniCockpits = {" 1", " 2", " 3", " 4", " 11", " 32", " 18"};
inline const std::vector<std::string> kMiniDistance = {" 0"};
inline const std::vector<std::string> kMiniBulkheads = {" 1", " .5"};

inline std::vector<std::string> rowsOf(std::string_view text, std::string_view rowEnd = "\r\n")
{
    std::vector<std::string> rows;
    while (!text.empty()) {
        const std::size_t end = text.find(rowEnd);
        rows.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + rowEnd.size());
    }
    return rows;
}

inline std::string textOf(const std::vector<std::string>& rows, std::string_view rowEnd = "\r\n")
{
    std::string text;
    for (const auto& row : rows) (text += row) += rowEnd;
    return text;
}

inline std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> rows;
    for (const auto& part : parts) rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}

}  // namespace testdesigns
