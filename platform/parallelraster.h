#pragma once
// A long run of polygons painted by several threads at once. The run is cut
// into groups of polygons in turn; each group is composed on its own (the
// last straight into the picture, the others aside), and then each row takes,
// from the last group back, the pixels no later group painted. Every polygon
// is walked once, as when one thread paints them all, and the picture is the
// same.

#include "platform/polygonraster.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace platform {

// Calls work(0) to work(count - 1), each once, perhaps at the same time, and
// returns when all have returned.
using RunTogether = std::function<void(int count, const std::function<void(int)>& work)>;

class ParallelRaster {
public:
    // Whether a run is long enough to be worth sharing out at all.
    static bool worthSharing(int height, std::span<const PolygonPaint> polygons);

    // As PolygonRaster::paintInTurn, with up to `threads` at work.
    void paintInTurn(const PixelBuffer& target, std::span<const PolygonPaint> polygons, bool filled, bool outlined,
                     int threads, const RunTogether& runTogether);

private:
    static std::vector<std::size_t> groupStarts(std::span<const PolygonPaint> polygons, std::size_t groups,
                                                int height);
    void mergeGroups(const PixelBuffer& target, std::size_t groups, PixelRun rows, std::vector<PixelRun>& covered,
                     std::vector<PixelRun>& merged) const;

    std::vector<PolygonRaster> rasters_;  // one a group
    std::vector<std::vector<std::uint32_t>> aside_;
};

}  // namespace platform
