#include "platform/polygonraster.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <iterator>
#include <tuple>

namespace platform {

namespace {

using Int = std::int64_t;

Int floorDiv(Int a, Int b)  // b > 0
{
    const Int q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// floor((a + k b) / d) for k = 0, 1, 2, ... without a division per step.
class FloorSteps {
public:
    FloorSteps(Int a, Int b, Int d)
        : q_(floorDiv(a, d)), r_(a - q_ * d), qb_(floorDiv(b, d)), rb_(b - qb_ * d), d_(d)
    {
    }
    int value() const { return int(q_); }
    void next()
    {
        // Without a branch: the carry follows the slope, which no predictor does.
        r_ += rb_;
        const Int carry = r_ >= d_;
        q_ += qb_ + carry;
        r_ -= carry * d_;
    }

private:
    Int q_, r_, qb_, rb_, d_;
};

}  // namespace

bool withinRasterRange(const std::vector<Point>& points)
{
    return std::all_of(points.begin(), points.end(), [](const Point& p) {
        return std::abs(p.x) <= kMaxRasterCoordinate && std::abs(p.y) <= kMaxRasterCoordinate;
    });
}

void PolygonRaster::paintInTurn(const PixelBuffer& target, std::span<const PolygonPaint> polygons, bool filled,
                                bool outlined)
{
    if (target.width <= 0 || target.height <= 0 || !target.bits) return;
    const std::size_t rows = std::size_t(target.height);
    if (painted_.size() < rows) painted_.resize(rows);
    for (std::size_t r = 0; r < rows; ++r) painted_[r].clear();
    previousEdges_.clear();
    for (auto polygon = polygons.rbegin(); polygon != polygons.rend(); ++polygon) {
        for (const Run& span : rowsToCompose(*polygon, target.height))
            composeRows(target, *polygon, filled, outlined, span);
    }
}

// On a row where a polygon has the same edges as the one composed just before
// it (the next in turn), it paints the same pixels, all painted already. Only
// the rows of edges the two do not share are composed.
const std::vector<PolygonRaster::Run>& PolygonRaster::rowsToCompose(const PolygonPaint& polygon, int height)
{
    const std::vector<Point>& p = polygon.points;
    edges_.clear();
    for (std::size_t i = 0; i < p.size(); ++i) {
        const Point a = p[i], b = p[(i + 1) % p.size()];
        edges_.push_back(std::minmax(a, b, [](Point u, Point v) { return std::tie(u.y, u.x) < std::tie(v.y, v.x); }));
    }
    const auto order = [](const Edge& u, const Edge& v) {
        return std::tie(u.first.y, u.first.x, u.second.y, u.second.x) <
               std::tie(v.first.y, v.first.x, v.second.y, v.second.x);
    };
    std::sort(edges_.begin(), edges_.end(), order);
    changed_.clear();
    if (previousEdges_.empty() && !edges_.empty()) {
        changed_ = edges_;
    } else {
        std::set_symmetric_difference(edges_.begin(), edges_.end(), previousEdges_.begin(), previousEdges_.end(),
                                      std::back_inserter(changed_), order);
    }
    std::swap(previousEdges_, edges_);
    rows_.clear();
    for (const Edge& e : changed_) {
        const Run r{std::max(e.first.y, 0), std::min(e.second.y, height - 1)};
        if (r.first > r.last) continue;
        if (!rows_.empty() && r.first <= rows_.back().last + 1) rows_.back().last = std::max(rows_.back().last, r.last);
        else rows_.push_back(r);
    }
    return rows_;
}

namespace {

// Each edge is walked on its own, its steppers in registers, into a table of
// what every row of the polygon gets: fill crossings and outline runs.

// The first pixel at or right of where the edge crosses each row's centre
// line: ceil(x0 + (row + 1/2 - y0) dx / dy - 1/2), as the floor of its negation.
void addCrossings(PolygonRaster::RowTable& table, Point a, Point b, int top, int bottom)
{
    const Point t = a.y < b.y ? a : b, e = a.y < b.y ? b : a;
    const int first = std::max(t.y, top), last = std::min(e.y - 1, bottom);
    const Int dx = Int(e.x) - t.x, dy = Int(e.y) - t.y;
    FloorSteps negated(-(2 * t.x * dy + (2 * (Int(first) - t.y) + 1) * dx - dy), -2 * dx, 2 * dy);
    for (int row = first; row <= last; ++row, negated.next()) table.addCrossing(row, -negated.value());
}

void addOutline(PolygonRaster::RowTable& table, Point a, Point b, int top, int bottom)
{
    const Point t = a.y < b.y ? a : b, e = a.y < b.y ? b : a;
    const Int dx = Int(e.x) - t.x, dy = Int(e.y) - t.y;
    if (dy > std::abs(dx)) {
        // One pixel a row: round(x0 + (row - y0) dx / dy).
        const int first = std::max(t.y, top), last = std::min(e.y, bottom);
        FloorSteps x(2 * t.x * dy + dy + 2 * (Int(first) - t.y) * dx, 2 * dx, 2 * dy);
        for (int row = first; row <= last; ++row, x.next()) table.addRun(row, {x.value(), x.value()});
        return;
    }
    // A run a row: the columns whose rounded y, y0 + (col - x0) dy / dx, is
    // the row. l is the edge's left end.
    const Point l = a.x <= b.x ? a : b, r = a.x <= b.x ? b : a;
    if (dy == 0) {
        if (l.y >= top && l.y <= bottom) table.addRun(l.y, {l.x, r.x});
        return;
    }
    const int first = std::max(t.y, top), last = std::min(e.y, bottom);
    const Int run = Int(r.x) - l.x, rise = Int(r.y) - l.y;
    const auto column = [&](Int steps) { return int(std::clamp<Int>(l.x + steps, l.x, Int(r.x) + 1)); };
    if (rise > 0) {
        // Going down from l: ceil((2 run (row - ly) - run) / (2 rise))
        // columns past l lie above the row.
        int held = column(-floorDiv(-2 * run * (Int(first) - l.y) + run, 2 * rise));
        FloorSteps next(-2 * run * (Int(first) + 1 - l.y) + run, -2 * run, 2 * rise);
        for (int row = first; row <= last; ++row, next.next()) {
            const int past = column(-next.value());
            table.addRun(row, {std::exchange(held, past), past - 1});
        }
        return;
    }
    // Going up from l: floor((2 run (ly - row - 1) + run) / (-2 rise)) + 1
    // columns past l lie below the row.
    int held = column(floorDiv(2 * run * (l.y - Int(first)) + run, -2 * rise) + 1);
    FloorSteps here(2 * run * (l.y - Int(first) - 1) + run, -2 * run, -2 * rise);
    for (int row = first; row <= last; ++row, here.next()) {
        const int from = column(here.value() + 1);
        table.addRun(row, {from, std::exchange(held, from) - 1});
    }
}

}  // namespace

void PolygonRaster::RowTable::reset(int firstRow, int rowCount, int perRow)
{
    top = firstRow;
    width = perRow;
    crossings.resize(std::size_t(rowCount * perRow));
    runs.resize(std::size_t(rowCount * perRow));
    crossingCount.assign(std::size_t(rowCount), 0);
    runCount.assign(std::size_t(rowCount), 0);
}

void PolygonRaster::composeRows(const PixelBuffer& target, const PolygonPaint& polygon, bool filled, bool outlined,
                                Run rows)
{
    const std::vector<Point>& p = polygon.points;
    if (p.empty()) return;
    const auto [low, high] = std::minmax_element(p.begin(), p.end(), [](Point a, Point b) { return a.y < b.y; });
    const int top = std::max(low->y, rows.first), bottom = std::min(high->y, rows.last);
    if (top > bottom) return;
    const std::size_t n = p.size();
    table_.reset(top, bottom - top + 1, int(n));
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = p[i], b = p[(i + 1) % n];
        if (filled && a.y != b.y) addCrossings(table_, a, b, top, bottom);
        if (outlined) addOutline(table_, a, b, top, bottom);
    }
    const std::uint32_t fill = opaquePixel(polygon.fill), outline = opaquePixel(polygon.outline);
    for (int row = top; row <= bottom; ++row) {
        const std::size_t i = std::size_t(row - top);
        int* const x = &table_.crossings[i * n];
        const Run* const runs = &table_.runs[i * n];
        const int crossings = table_.crossingCount[i], outlines = table_.runCount[i];
        // Every pixel the row paints lies between `reach`'s ends.
        Run reach{INT_MAX, INT_MIN};
        for (int k = 0; k < outlines; ++k)
            reach = {std::min(reach.first, runs[k].first), std::max(reach.last, runs[k].last)};
        if (crossings >= 2) {
            const auto [left, right] = std::minmax_element(x, x + crossings);
            reach = {std::min(reach.first, *left), std::max(reach.last, *right - 1)};
        }
        if (paintedAlready(row, {std::max(reach.first, 0), std::min(reach.last, target.width - 1)})) continue;
        std::sort(x, x + crossings);
        std::vector<Run>& painted = painted_[std::size_t(row)];
        std::uint32_t* line = target.bits + row * target.pixelsPerLine;
        const auto clipped = [&](Run r) { return Run{std::max(r.first, 0), std::min(r.last, target.width - 1)}; };
        // Outline over fill: composed from the top down, the outline goes first.
        for (int k = 0; k < outlines; ++k) paintUnpainted(line, painted, clipped(runs[k]), outline);
        for (int k = 0; k + 1 < crossings; k += 2) paintUnpainted(line, painted, clipped({x[k], x[k + 1] - 1}), fill);
    }
}

bool PolygonRaster::paintedAlready(int row, Run reach) const
{
    if (reach.first > reach.last) return true;
    for (const Run& r : painted_[std::size_t(row)]) {
        if (r.first > reach.first) return false;
        if (r.last >= reach.last) return true;
    }
    return false;
}

// Paints the pixels of `run` no later polygon painted, and marks them painted.
// `painted` stays sorted, its runs apart by at least one pixel.
void PolygonRaster::paintUnpainted(std::uint32_t* line, std::vector<Run>& painted, Run run, std::uint32_t colour)
{
    if (run.first > run.last) return;
    auto first = std::lower_bound(painted.begin(), painted.end(), run.first - 1,
                                  [](const Run& p, int x) { return p.last < x; });
    if (first != painted.end() && first->first <= run.first && first->last >= run.last) return;
    Run merged = run;
    int from = run.first;
    auto past = first;
    for (; past != painted.end() && past->first <= run.last + 1; ++past) {
        if (past->first > from) std::fill(line + from, line + std::min(past->first, run.last + 1), colour);
        from = std::max(from, past->last + 1);
        merged = {std::min(merged.first, past->first), std::max(merged.last, past->last)};
    }
    if (from <= run.last) std::fill(line + from, line + run.last + 1, colour);
    if (first == past) {
        painted.insert(first, merged);
        return;
    }
    *first = merged;
    painted.erase(first + 1, past);
}

}  // namespace platform
