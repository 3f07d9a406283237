#pragma once
// A four-point design small enough to spell out as a design file row by row,
// and a helper to edit its file text by rows.

#include "model/file/designwriter.h"
#include "model/hull/design.h"

#include <string>

namespace testdesigns {

inline model::Design miniDesign()
{
    model::Design d;
    d.DesignLoaded = true;
    d.HullLength = 200;
    d.PointCount = 4;
    // Position, LockX, LockY, LockZ, Kind, LinkCount, Links, Anchor, Smooth, OppositeHandle;
    // point 1 is selected, a mark that is not saved.
    d.ControlPoints = {{},
                       {{0, 0.1, 0, model::kTrue}, 0, 0, 0, model::kAnchor, 1, {0, 2}, 0, 0, 0},
                       {{0.25, 0.05, 0.03, 0}, 1, 0, 1, model::kHandle, 0, {0}, 1, 1, 3},
                       {{1, 0.1, 0, 0}, 0, 0, 0, 2, 0, {0}, 0, 0, 0},
                       {{0.5, 0, 0, 0}, 0, 0, 0, 2, 0, {0}, 0, 0, 0}};
    d.SegmentCount = 2;
    d.CurveSegments = {{}, {1, 2, 4, 3, model::kCoversStartToEnd, 0, 0},
                       {4, 3, 1, 2, model::kCoversStartToEndLimit, 3, 0}};
    d.LineCount = 2;
    d.HullLines = {{}, {2, {0, 1, 2}, 0}, {1, {0, 2}, 0}};
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
    return d;
}

// Rows of miniDesign()'s file, counted from 0 (the version row).
enum MiniRow {
    kRowHullLength = 1, kRowFirstLock = 6, kRowFirstLink = 11, kRowSegmentCount = 36,
    kRowStations = 60, kRowCargo = 63, kRowStitchSpacing = 66, kRowRimPointCount = 69,
};

// miniDesign()'s file with one row replaced.
inline std::string withRow(int row, const std::string& value)
{
    std::string text = model::writeDesignText(miniDesign());
    std::size_t start = 0;
    for (int k = 0; k < row; ++k) start = text.find("\r\n", start) + 2;
    return text.replace(start, text.find("\r\n", start) - start, value);
}

}  // namespace testdesigns
