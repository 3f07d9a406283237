#pragma once
// The row order of a design text, shared by the reader and the writer so the
// two cannot drift apart. `Rows` is RowReader or RowWriter; the design is a
// Design to read into or a const Design to write from. Counts come before the
// entries they count; entries are numbered from 1.

#include "model/file/designlayout.h"
#include "model/hull/design.h"

#include <cstddef>

namespace model::rows {

// The fewest rows one entry of each list takes; the reader refuses a count
// whose entries could not fit in the rows that are left.
inline constexpr int kRowsPerPoint = 7;  // X, Y, Z, three locks, Kind
inline constexpr int kRowsPerLink = 1;
inline constexpr int kRowsPerSegment = 5;
inline constexpr int kRowsPerLine = 1;
inline constexpr int kRowsPerLineSegment = 1;
inline constexpr int kRowsPerPanel = 2;
inline constexpr int kRowsPerBulkhead = 1;

// CockpitCount as the number of cockpit records that follow it; -1 when it is
// not a whole number from 0 to the size of the cockpit table.
int cockpitRecords(double cockpitCount);

template <class Rows, class Point>
void transferPoint(Rows& rows, Point& cp)
{
    rows.number(cp.Position.X);
    rows.number(cp.Position.Y);
    rows.number(cp.Position.Z);
    rows.flag(cp.LockX);
    rows.flag(cp.LockY);
    rows.flag(cp.LockZ);
    rows.integer(cp.Kind);
    if (cp.Kind == kAnchor) {
        rows.count(cp.LinkCount, cp.Links, kRowsPerLink);
        for (int j = 1; j <= cp.LinkCount; ++j) rows.integer(cp.Links[j]);
    } else if (cp.Kind == kHandle) {
        rows.integer(cp.Anchor);
        rows.flag(cp.Smooth);
        rows.integer(cp.OppositeHandle);
    }
}

// Bezier order P0, P1, P2, P3 — not the order of the record's fields.
template <class Rows, class Segment>
void transferSegment(Rows& rows, Segment& s)
{
    rows.integer(s.StartPoint);
    rows.integer(s.StartHandle);
    rows.integer(s.EndHandle);
    rows.integer(s.EndPoint);
    rows.integer(s.Kind);
    if (s.Kind == kCoversStartToEndLimit) rows.integer(s.EndLimit);
    if (s.Kind == kCoversStartLimitToEnd) rows.integer(s.StartLimit);
}

template <class Rows, class D>
void transferCurves(Rows& rows, D& d)
{
    rows.count(d.PointCount, d.ControlPoints, kRowsPerPoint);
    for (int i = 1; i <= d.PointCount; ++i) transferPoint(rows, d.ControlPoints[i]);
    rows.count(d.SegmentCount, d.CurveSegments, kRowsPerSegment);
    for (int i = 1; i <= d.SegmentCount; ++i) transferSegment(rows, d.CurveSegments[i]);
    rows.count(d.LineCount, d.HullLines, kRowsPerLine);
    for (int i = 1; i <= d.LineCount; ++i) {
        auto& line = d.HullLines[i];
        rows.count(line.SegmentCount, line.Segments, kRowsPerLineSegment);
        for (int k = 1; k <= line.SegmentCount; ++k) rows.integer(line.Segments[k]);
    }
}

template <class Rows, class D>
void transferPanels(Rows& rows, D& d, const RowLayout& layout)
{
    rows.count(d.PanelsPerSide, d.HullPanels, kRowsPerPanel);
    for (int k = 1; k <= d.PanelsPerSide; ++k) {
        rows.integer(d.HullPanels[k].LineA);
        rows.integer(d.HullPanels[k].LineB);
    }
    if constexpr (Rows::kReading) d.PanelEnds.assign(std::size_t(d.PanelsPerSide) + 1, {});
    if (layout.panelEndRows)
        for (int k = 1; k <= d.PanelsPerSide; ++k) {
            rows.integer(d.PanelEnds[k][1]);
            rows.integer(d.PanelEnds[k][2]);
        }
    if (layout.isHullRows)
        for (int k = 1; k <= d.PanelsPerSide; ++k) rows.integer(d.HullPanels[k].IsHull);
}

template <class Rows, class D>
void transferSettings(Rows& rows, D& d, const RowLayout& layout)
{
    rows.number(d.StationCount);
    rows.number(d.PaddlerWeights[1]);
    if (layout.paddlerRows > 1)
        rows.number(d.PaddlerWeights[2]);
    else if constexpr (Rows::kReading)
        d.PaddlerWeights[2] = d.PaddlerWeights[1];
    rows.number(d.CargoWeight);
    rows.number(d.MaterialWeightPerSqFt);
    rows.number(d.WaterlineHeight);
    rows.integer(d.StitchSpacing);
    rows.number(d.SectionOffset);
}

template <class Rows, class D>
void transferCockpits(Rows& rows, D& d, const RowLayout& layout)
{
    rows.number(d.CockpitCount);
    const int records = cockpitRecords(d.CockpitCount);
    if constexpr (Rows::kReading)
        if (records < 0) rows.fail("cockpit count out of range");
    for (int k = 1; k <= records; ++k) {
        auto& cockpit = d.Cockpits[k];
        rows.count(cockpit.RimPointCount, std::size_t(kRimPointSlots));
        for (int j = 1; j <= cockpit.RimPointCount; ++j) rows.integer(cockpit.RimPoints[j]);
        rows.number(cockpit.AftToCG);
        rows.number(cockpit.Length);
        rows.number(cockpit.Width);
    }
    if (layout.distanceRow) rows.number(d.Cockpits[1].DistanceBetweenCockpits);
}

template <class Rows, class D>
void transferBulkheads(Rows& rows, D& d, const RowLayout& layout)
{
    if (!layout.bulkheadRows) return;
    rows.count(d.BulkheadCount, d.Bulkheads, kRowsPerBulkhead);
    for (int b = 1; b <= d.BulkheadCount; ++b) rows.number(d.Bulkheads[b].X);
}

// Every row after the version row.
template <class Rows, class D>
void transferDesign(Rows& rows, D& d, const RowLayout& layout)
{
    rows.number(d.HullLength);
    transferCurves(rows, d);
    transferPanels(rows, d, layout);
    transferSettings(rows, d, layout);
    transferCockpits(rows, d, layout);
    transferBulkheads(rows, d, layout);
}

}  // namespace model::rows
