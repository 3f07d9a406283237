#pragma once
// The records of a design. Every list is allocated from 0 and used from 1:
// element 0 exists and is never read as data.

#include <array>
#include <cstdint>
#include <vector>

namespace model {

// Boolean marks kept in 16-bit fields use -1 for true.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

struct Point3 {
    double X = 0;
    double Y = 0;
    double Z = 0;
    std::int16_t Flag = 0;
};

struct Point2 {
    double X = 0;
    double Y = 0;
    std::int16_t Flag = 0;
};

enum ControlPointKind : std::int16_t { kAnchor = 0, kHandle = 1 };

struct ControlPoint {
    Point3 Position;  // normalised; Position.Flag is the Selected mark
    std::uint8_t LockX = 0;
    std::uint8_t LockY = 0;
    std::uint8_t LockZ = 0;
    std::int16_t Kind = kAnchor;
    // Anchors only.
    std::int16_t LinkCount = 0;
    std::vector<std::int16_t> Links{0};  // 0..LinkCount
    // Handles only.
    std::int16_t Anchor = 0;
    std::uint8_t Smooth = 0;
    std::int16_t OppositeHandle = 0;
};

// Which X range a segment covers when its line is evaluated.
enum SegmentKind : std::int16_t {
    kCoversStartToEnd = 0,
    kCoversStartToEndLimit = 1,
    kCoversStartLimitToEnd = 2,
};

struct CurveSegment {
    std::int16_t StartPoint = 0;   // P0
    std::int16_t StartHandle = 0;  // P1
    std::int16_t EndPoint = 0;     // P3
    std::int16_t EndHandle = 0;    // P2
    std::int16_t Kind = kCoversStartToEnd;
    std::int16_t EndLimit = 0;
    std::int16_t StartLimit = 0;
};

// A segment over the four Bezier points; `limit` is the point that ends
// (kind 1) or starts (kind 2) the covered range.
inline CurveSegment makeSegment(int p0, int p1, int p2, int p3, std::int16_t kind = kCoversStartToEnd, int limit = 0)
{
    CurveSegment s;
    s.StartPoint = std::int16_t(p0);
    s.StartHandle = std::int16_t(p1);
    s.EndHandle = std::int16_t(p2);
    s.EndPoint = std::int16_t(p3);
    s.Kind = kind;
    if (kind == kCoversStartToEndLimit) s.EndLimit = std::int16_t(limit);
    if (kind == kCoversStartLimitToEnd) s.StartLimit = std::int16_t(limit);
    return s;
}

struct HullLine {
    std::int16_t SegmentCount = 0;
    std::vector<std::int16_t> Segments{0};  // 0..SegmentCount
    std::uint32_t Color = 0;                // RGB of the edit handles; not saved
};

struct HullPanel {
    std::int16_t LineA = 0;
    std::int16_t LineB = 0;
    std::int16_t IsHull = 0;  // 1 hull panel, 0 deck panel
};

struct Section {
    double X = 0;               // normalised
    std::vector<Point3> Pts{};  // 0..LineCount
};

inline constexpr int kRimPointSlots = 9;

struct Cockpit {
    std::int16_t RimPointCount = 0;
    std::array<std::int16_t, kRimPointSlots + 1> RimPoints{};
    Point3 CG;
    std::array<Point3, kRimPointSlots + 1> RimOffsets{};
    double AftToCG = 0;
    double Length = 0;
    double Width = 0;
    double FrontDepth = 0;
    double RearDepth = 0;
    double DistanceBetweenCockpits = 0;  // kept in cockpit 1 only
};

// The window of one drawing view in inches, Y upward.
struct ViewExtent {
    std::int16_t XMin = 0;
    std::int16_t XMax = 0;
    std::int16_t YMin = 0;
    std::int16_t YMax = 0;
    bool operator==(const ViewExtent&) const = default;
};

}  // namespace model
