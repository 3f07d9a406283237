#pragma once
// Aliased polygons, filled and outlined in one-pixel lines, written straight
// into 32-bit pixels. Qt's painter costs microseconds per polygon and per
// hundred outline pixels; a body plan of a finely divided hull draws over a
// thousand nested sections at every step of a drag, nearly all of each one
// painted over by the next.
//
// The rules: a pixel is filled when its centre lies inside by the odd-even
// rule, a centre exactly on an edge counting as on the edge's right. Each edge,
// the closing one too, is outlined with one pixel per step along its longer
// axis (x when both are equal), both ends included, the other coordinate
// rounded with halves upward. A polygon is filled first, then outlined.

#include "platform/gditypes.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace platform {

struct PixelBuffer {
    std::uint32_t* bits = nullptr;
    std::ptrdiff_t pixelsPerLine = 0;
    int width = 0;
    int height = 0;
};

struct PolygonPaint {
    std::vector<Point> points;  // device pixels
    ColorRef fill = 0;
    ColorRef outline = 0;
};

// How a colour is stored in an opaque 32-bit pixel: 0xFFRRGGBB.
constexpr std::uint32_t opaquePixel(ColorRef c)
{
    return 0xFF000000u | std::uint32_t(redOf(c)) << 16 | std::uint32_t(greenOf(c)) << 8 | std::uint32_t(blueOf(c));
}

// The integer arithmetic is exact for coordinates up to this far from 0.
inline constexpr std::int32_t kMaxRasterCoordinate = 1 << 28;
bool withinRasterRange(const std::vector<Point>& points);

class PolygonRaster {
public:
    // Paints the polygons in turn, each filled if `filled` and outlined if
    // `outlined`. Every pixel is written once, with the colour of the last
    // polygon that paints it: they are composed from the last back. Points
    // must be within the raster range.
    void paintInTurn(const PixelBuffer& target, std::span<const PolygonPaint> polygons, bool filled, bool outlined);

    struct Run {
        int first, last;
    };

private:
    using Edge = std::pair<Point, Point>;
    struct Colours {
        std::uint32_t fill, outline;
    };
    const std::vector<Run>& rowsToCompose(const PolygonPaint& polygon, int height);
    static std::pair<Run, Run> edgeRows(Point a, Point b, bool filled, bool outlined, Run rows);
    void walkEdges(const std::vector<Point>& points, bool filled, bool outlined, Run rows);
    void composeRows(const PixelBuffer& target, const PolygonPaint& polygon, bool filled, bool outlined, Run rows);
    void composeRow(const PixelBuffer& target, int row, Run reach, std::size_t crossings, std::size_t outlines,
                    Colours colours);
    bool covered(Run side, std::size_t crossings, std::size_t outlines) const;
    void paintCovered(std::uint32_t* line, Run side, std::size_t crossings, std::size_t outlines,
                      Colours colours) const;
    bool paintedAlready(int row, Run reach) const;
    void paintUnpainted(std::uint32_t* line, std::vector<Run>& painted, Run run, std::uint32_t colour);

    // Per row of the target, what is painted already.
    std::vector<std::vector<Run>> painted_;
    // The current polygon: each edge's crossing and run a row, in columns one
    // after another; where an edge's share starts and stops, and the edges
    // (as the index of row 0 in their column) giving a crossing or a run.
    struct Change {
        int row;
        bool crossing, starts;
        std::ptrdiff_t base;
    };
    std::vector<int> crossingColumns_;
    std::vector<Run> runColumns_;
    std::vector<Change> changes_;
    std::vector<std::ptrdiff_t> crossingEdges_, runEdges_;
    // The current row's crossings and runs.
    std::vector<int> crossings_;
    std::vector<Run> runs_;
    std::vector<Edge> edges_, previousEdges_, changed_;
    std::vector<Run> rows_;
};

}  // namespace platform
