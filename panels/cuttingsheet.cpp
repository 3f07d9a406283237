#include "panels/cuttingsheet.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace panels {

namespace {

constexpr double kShortHull = 156;          // inches; up to this the sheet keeps its least width
constexpr std::int16_t kLeastSheetWidth = 196;
constexpr double kSheetMargin = 25;         // inches beyond the hull's length
constexpr int kFirstRow = 4;                // y of the first panel's chord
constexpr int kRowSpacing = 15;
constexpr std::int16_t kColumnOffset = 5;   // x of every panel's first point
constexpr double kBulkheadSpacing = 25;     // x of bulkhead b is b times this
constexpr double kBulkheadBaseline = 88;    // y of every bulkhead's zero height

// Rounded half to even, and held to what a 16-bit field takes.
std::int16_t toSheetInches(double value)
{
    if (!std::isfinite(value)) return 0;
    constexpr double kLow = std::numeric_limits<std::int16_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int16_t>::max();
    return std::int16_t(std::clamp(std::nearbyint(value), kLow, kHigh));
}

void addBulkheads(const model::Design& d, const CuttingSheet& sheet, std::vector<SheetLine>& lines)
{
    const double l = d.HullLength;
    const int count = std::min<int>(d.BulkheadCount, int(std::min(d.Bulkheads.size(), sheet.BulkheadDrawOrigin.size())) - 1);
    for (int b = 1; b <= count; ++b) {
        const model::Point2& o = sheet.BulkheadDrawOrigin[b];
        const std::vector<model::Point3>& pts = d.Bulkheads[b].Pts;
        const int last = std::min<int>(d.PanelsPerSide, int(pts.size()) - 2);
        for (int j = 1; j <= last; ++j) {
            const model::Point3& p = pts[j];
            const model::Point3& q = pts[j + 1];
            lines.push_back({o.X + l * p.Z, o.Y - l * p.Y, o.X + l * q.Z, o.Y - l * q.Y});
            lines.push_back({o.X - l * p.Z, o.Y - l * p.Y, o.X - l * q.Z, o.Y - l * q.Y});
        }
    }
}

void addPanel(const DevelopedPanel& panel, double x0, double y0, std::vector<SheetLine>& lines)
{
    const std::vector<model::Point3>& p = panel.points;
    const int n = panel.count();
    auto line = [&](int a, int b) { lines.push_back({x0 + p[a].X, y0 + p[a].Y, x0 + p[b].X, y0 + p[b].Y}); };
    line(1, 2);
    for (int i = 3; i <= n; ++i) line(i - 2, i);
    line(n - 1, n);
}

}  // namespace

std::int16_t sheetWidth(double hullLength)
{
    return hullLength <= kShortHull ? kLeastSheetWidth : toSheetInches(hullLength + kSheetMargin);
}

std::int16_t sheetHeight(float viewWidth, float viewHeight, std::int16_t width)
{
    if (!(viewWidth > 0)) return 0;
    return toSheetInches(viewHeight / viewWidth * float(width));
}

CuttingSheet layOutSheet(const model::Design& d, float viewWidth, float viewHeight)
{
    CuttingSheet sheet;
    sheet.SheetWidth = sheetWidth(d.HullLength);
    sheet.SheetHeight = sheetHeight(viewWidth, viewHeight, sheet.SheetWidth);
    const int bulkheads = std::max<int>(d.BulkheadCount, 0);
    sheet.BulkheadDrawOrigin.resize(bulkheads + 1);
    for (int b = 1; b <= bulkheads; ++b) sheet.BulkheadDrawOrigin[b] = {kBulkheadSpacing * b, kBulkheadBaseline, 0};
    const int panels = std::max<int>(d.PanelsPerSide, 0);
    sheet.PanelRowOffset.resize(panels + 1);
    for (int k = 1; k <= panels; ++k) sheet.PanelRowOffset[k] = toSheetInches(kFirstRow + kRowSpacing * (k - 1));
    sheet.PanelColumnOffset = kColumnOffset;
    return sheet;
}

std::vector<SheetLine> sheetLines(const model::Design& d, const CuttingSheet& sheet, const DevelopedPanels& panels)
{
    std::vector<SheetLine> lines;
    addBulkheads(d, sheet, lines);
    const int count = int(std::min(panels.size(), sheet.PanelRowOffset.size()));
    for (int k = 1; k < count; ++k)
        if (panels[k].laidFlat) addPanel(panels[k], sheet.PanelColumnOffset, sheet.PanelRowOffset[k], lines);
    return lines;
}

}  // namespace panels
