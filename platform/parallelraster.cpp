#include "platform/parallelraster.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <thread>

namespace platform {

namespace {

// Below this many polygon rows, handing out work costs more than it saves.
constexpr std::size_t kRowsWorthSharing = 4096;
// A group a thread, taken in turn: one slow to wake leaves its group to the
// others. More groups balance no better here, and each costs a picture aside.
constexpr int kGroupsPerThread = 1;

std::size_t rowsOf(const PolygonPaint& polygon, int height)
{
    if (polygon.points.empty()) return 0;
    const auto [low, high] = std::minmax_element(polygon.points.begin(), polygon.points.end(),
                                                 [](Point a, Point b) { return a.y < b.y; });
    const int top = std::max(low->y, 0), bottom = std::min(high->y, height - 1);
    return top <= bottom ? std::size_t(bottom - top + 1) : 0;
}

// Copies the pixels of `run` that no run of `covered` holds.
void copyUncovered(const std::uint32_t* from, std::uint32_t* to, PixelRun run, const std::vector<PixelRun>& covered)
{
    int x = run.first;
    for (const PixelRun& c : covered) {
        if (c.last < x) continue;
        if (c.first > run.last) break;
        if (c.first > x) std::copy(from + x, from + c.first, to + x);
        x = c.last + 1;
    }
    if (x <= run.last) std::copy(from + x, from + run.last + 1, to + x);
}

}  // namespace

bool ParallelRaster::worthSharing(int height, std::span<const PolygonPaint> polygons)
{
    std::size_t rows = 0;
    for (const PolygonPaint& p : polygons) rows += rowsOf(p, height);
    return rows >= kRowsWorthSharing;
}

void ParallelRaster::paintInTurn(const PixelBuffer& target, std::span<const PolygonPaint> polygons, bool filled,
                                 bool outlined, int threads, const RunTogether& runTogether)
{
    if (target.width <= 0 || target.height <= 0 || !target.bits) return;
    const std::size_t groups = std::min(polygons.size(), std::size_t(std::max(threads, 1) * kGroupsPerThread));
    if (rasters_.size() < std::max<std::size_t>(groups, 1)) rasters_.resize(std::max<std::size_t>(groups, 1));
    if (threads < 2 || groups < 2 || !runTogether || !worthSharing(target.height, polygons)) {
        rasters_[0].paintInTurn(target, polygons, filled, outlined);
        return;
    }
    const std::vector<std::size_t> starts = groupStarts(polygons, groups, target.height);
    const std::size_t pixels = std::size_t(target.width) * std::size_t(target.height);
    if (aside_.size() < groups - 1) aside_.resize(groups - 1);
    for (std::size_t g = 0; g + 1 < groups; ++g) aside_[g].resize(pixels);
    // Each thread paints groups while there are any, then, once every group
    // is painted, merges bands of rows.
    const int bandRows = std::max(1, (target.height + threads * kGroupsPerThread - 1) / (threads * kGroupsPerThread));
    std::atomic<std::size_t> next{0}, finished{0};
    std::atomic<int> nextBand{0};
    runTogether(threads, [&](int) {
        for (std::size_t g = next++; g < groups; g = next++) {
            const PixelBuffer out = g + 1 == groups ? target
                                                    : PixelBuffer{aside_[g].data(), target.width, target.width,
                                                                  target.height};
            rasters_[g].paintInTurn(out, polygons.subspan(starts[g], starts[g + 1] - starts[g]), filled, outlined);
            ++finished;
        }
        while (finished < groups) std::this_thread::yield();
        std::vector<PixelRun> covered, merged;
        for (int first = nextBand++ * bandRows; first < target.height; first = nextBand++ * bandRows)
            mergeGroups(target, groups, {first, std::min(first + bandRows, target.height) - 1}, covered, merged);
    });
}

// Where each group starts, and past the last, the end: groups of about as
// many rows each.
std::vector<std::size_t> ParallelRaster::groupStarts(std::span<const PolygonPaint> polygons, std::size_t groups,
                                                     int height)
{
    std::vector<std::size_t> rows(polygons.size());
    std::size_t total = 0;
    for (std::size_t i = 0; i < polygons.size(); ++i) total += rows[i] = rowsOf(polygons[i], height) + 1;
    std::vector<std::size_t> starts{0};
    std::size_t done = 0;
    for (std::size_t i = 0; i < polygons.size() && starts.size() < groups; ++i) {
        done += rows[i];
        // Each group keeps at least one polygon.
        const std::size_t left = polygons.size() - (i + 1), toStart = groups - starts.size();
        if ((done * groups >= total * starts.size() && left >= toStart) || left == toStart) starts.push_back(i + 1);
    }
    starts.push_back(polygons.size());
    return starts;
}

void ParallelRaster::mergeGroups(const PixelBuffer& target, std::size_t groups, PixelRun rows,
                                 std::vector<PixelRun>& covered, std::vector<PixelRun>& merged) const
{
    const std::size_t width = std::size_t(target.width);
    for (int row = rows.first; row <= rows.last; ++row) {
        std::uint32_t* line = target.bits + row * target.pixelsPerLine;
        const std::span<const PixelRun> last = rasters_[groups - 1].paintedOn(row);
        covered.assign(last.begin(), last.end());
        for (std::size_t g = groups - 1; g-- > 0;) {
            const std::span<const PixelRun> painted = rasters_[g].paintedOn(row);
            if (painted.empty()) continue;
            const std::uint32_t* aside = aside_[g].data() + std::size_t(row) * width;
            for (const PixelRun& run : painted) copyUncovered(aside, line, run, covered);
            if (g == 0) break;
            merged.clear();
            std::merge(covered.begin(), covered.end(), painted.begin(), painted.end(), std::back_inserter(merged),
                       [](const PixelRun& a, const PixelRun& b) { return a.first < b.first; });
            covered.clear();
            for (const PixelRun& r : merged) {
                if (!covered.empty() && r.first <= covered.back().last + 1)
                    covered.back().last = std::max(covered.back().last, r.last);
                else
                    covered.push_back(r);
            }
        }
    }
}

}  // namespace platform
