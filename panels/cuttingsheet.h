#pragma once
// The full-size cutting sheet: its size in inches, where each panel and each
// bulkhead outline sits on it, and the lines that draw them.

#include "model/hull/design.h"
#include "panels/development.h"

#include <cstdint>
#include <vector>

namespace panels {

struct CuttingSheet {
    std::int16_t SheetWidth = 0;
    std::int16_t SheetHeight = 0;
    std::int16_t SheetOriginX = 0;
    std::int16_t SheetOriginY = 0;
    // y of panel k's chord, 1 .. PanelsPerSide; element 0 unused.
    std::vector<std::int16_t> PanelRowOffset{0};
    std::int16_t PanelColumnOffset = 0;
    // Bulkhead b's centreline (X) and zero height (Y), 1 .. BulkheadCount.
    std::vector<model::Point2> BulkheadDrawOrigin{{}};
};

// A line on the sheet in sheet inches, y downward.
struct SheetLine {
    double x1, y1, x2, y2;
    bool operator==(const SheetLine&) const = default;
};

// A short hull still gets a sheet wide enough for the bulkheads.
std::int16_t sheetWidth(double hullLength);
// The sheet height that keeps the picture's proportions, so an inch is about
// as long across as down; 0 for a picture of no width.
std::int16_t sheetHeight(float viewWidth, float viewHeight, std::int16_t sheetWidth);

// The sheet for the design on a picture of the given size in pixels.
CuttingSheet layOutSheet(const model::Design& design, float viewWidth, float viewHeight);

// Bulkhead outlines first (both sides, heights upward from their origin),
// then every laid-flat panel's outline: start line, the two long edges, end line.
std::vector<SheetLine> sheetLines(const model::Design& design, const CuttingSheet& sheet,
                                  const DevelopedPanels& panels);

}  // namespace panels
