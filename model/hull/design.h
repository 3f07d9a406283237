#pragma once
// The one open design: its saved data, what is derived from it and the
// document state. Field names follow the design's own vocabulary.

#include "model/hull/records.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace model {

// Fixed index roles every design the program makes satisfies.
inline constexpr int kBowPoint = 1;
inline constexpr int kSternPoint = 14;
inline constexpr int kSheerPointA = 18;
inline constexpr int kSheerPointB = 23;
inline constexpr int kTopLine = 1;
inline constexpr int kSheerLine = 3;
inline constexpr int kMaxCockpits = 3;  // the fixed cockpit table holds 0..3

inline constexpr const char* kCurrentFileVersion = "1.2.0";
inline constexpr double kDefaultCurveStep = 0.1;

struct Design {
    double HullLength = 0;
    std::int16_t PointCount = 0;
    std::vector<ControlPoint> ControlPoints{1};
    std::int16_t SegmentCount = 0;
    std::vector<CurveSegment> CurveSegments{1};
    std::int16_t LineCount = 0;
    std::vector<HullLine> HullLines{1};
    std::int16_t PanelsPerSide = 0;
    std::vector<HullPanel> HullPanels{1};
    std::vector<std::array<std::int16_t, 3>> PanelEnds{1};  // (panel, 1..2)
    double StationCount = 0;
    std::vector<Section> Sections{};
    std::array<double, 3> PaddlerWeights{};  // used 1 and 2
    double CargoWeight = 0;
    double MaterialWeightPerSqFt = 0;
    double WaterlineHeight = 0;  // inches
    std::int16_t StitchSpacing = 0;
    double StitchMarkLength = 0;
    double SectionOffset = 0;
    double CockpitCount = 0;
    std::array<Cockpit, kMaxCockpits + 1> Cockpits{};
    std::int16_t BulkheadCount = 0;
    std::vector<Section> Bulkheads{1};
    std::vector<Point2> BulkheadHandles{1};
    std::vector<Point2> BulkheadDrawOrigin{1};
    Point3 HullMin;
    Point3 HullMax;
    double CurveStep = 0;

    // Document state.
    bool DesignLoaded = false;
    bool DesignChanged = false;
    std::string FileName;
    std::string DesignVersion;
    std::int16_t CurrentStation = 0;

    bool hasPoint(int i) const { return i >= 1 && i <= PointCount && i < int(ControlPoints.size()); }
    // The hull lines that exist: 1..lineBound().
    int lineBound() const { return std::max(0, std::min<int>(LineCount, int(HullLines.size()) - 1)); }
    bool hasLine(int i) const { return i >= 1 && i <= LineCount && i < int(HullLines.size()); }
    const Point3& point(int i) const { return ControlPoints[i].Position; }
    int cockpitCount() const;  // CockpitCount as a whole number, 0 when unusable
};

// The program's one open design.
Design& currentDesign();

// StationCount as the whole number that bounds the station list.
int stationBound(double stationCount);

}  // namespace model
