#include "platform/polygonraster.h"

#include <algorithm>
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
        for (const Run& rows : rowsToCompose(*polygon, target.height))
            composeRows(target, *polygon, filled, outlined, rows);
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

// One edge's share of each row it touches, walked a row at a time: where it
// crosses the row's centre line (for the fill) and its outline pixels.
class EdgeWalk {
public:
    EdgeWalk(Point a, Point b, bool filled, bool outlined, int fromRow)
        : bottom_(std::max(a.y, b.y)), row_(std::max(std::min(a.y, b.y), fromRow))
    {
        const Point t = a.y < b.y ? a : b, e = a.y < b.y ? b : a;
        fills_ = filled && a.y != b.y;
        if (fills_) {
            // ceil(x0 + (row + 1/2 - y0) dx / dy - 1/2), as the floor of its negation
            const Int dx = Int(e.x) - t.x, dy = Int(e.y) - t.y;
            crossing_ = FloorSteps(-(2 * t.x * dy + (2 * (Int(row_) - t.y) + 1) * dx - dy), -2 * dx, 2 * dy);
        }
        if (!outlined) return;
        const Int dx = Int(e.x) - t.x, dy = Int(e.y) - t.y;
        if (dy > std::abs(dx)) {
            // One pixel a row: round(x0 + (row - y0) dx / dy).
            shape_ = Shape::Pixel;
            along_ = FloorSteps(2 * t.x * dy + dy + 2 * (Int(row_) - t.y) * dx, 2 * dx, 2 * dy);
            return;
        }
        // A run a row: the columns whose rounded y, y0 + (col - x0) dy / dx,
        // is the row. l is the edge's left end.
        const Point l = a.x <= b.x ? a : b, r = a.x <= b.x ? b : a;
        left_ = l.x;
        pastRight_ = r.x + 1;
        if (dy == 0) {
            shape_ = Shape::Flat;
            return;
        }
        shape_ = Shape::Runs;
        // Columns from l's on lie at or past a row: on the rows from l's to r's.
        const Int run = Int(r.x) - l.x, rise = Int(r.y) - l.y;
        falling_ = rise > 0;
        if (falling_) {
            // ceil((2 run (row - ly) - run) / (2 rise)) columns past l, for the next row
            columns_ = FloorSteps(-2 * run * (Int(row_) + 1 - l.y) + run, -2 * run, 2 * rise);
            held_ = firstColumn(-floorDiv(-2 * run * (Int(row_) - l.y) + run, 2 * rise));
        } else {
            // floor((2 run (ly - row - 1) + run) / (-2 rise)) + 1 columns past l
            columns_ = FloorSteps(2 * run * (l.y - Int(row_) - 1) + run, -2 * run, -2 * rise);
            held_ = firstColumn(floorDiv(2 * run * (l.y - Int(row_)) + run, -2 * rise) + 1);
        }
    }

    int row() const { return row_; }
    bool done() const { return row_ > bottom_; }
    bool crosses() const { return fills_ && row_ < bottom_; }
    int crossing() const { return -crossing_.value(); }
    bool outlines() const { return shape_ != Shape::None; }

    PolygonRaster::Run outlineRun()
    {
        switch (shape_) {
        case Shape::Pixel: return {along_.value(), along_.value()};
        case Shape::Flat: return {left_, pastRight_ - 1};
        default: break;
        }
        if (falling_) {
            const int next = firstColumn(-columns_.value());
            return {std::exchange(held_, next), next - 1};
        }
        const int here = firstColumn(columns_.value() + 1);
        return {here, std::exchange(held_, here) - 1};
    }

    void next()
    {
        // Steppers an edge does not use stand still, so all step alike.
        ++row_;
        crossing_.next();
        along_.next();
        columns_.next();
    }

private:
    enum class Shape { None, Pixel, Flat, Runs };
    int firstColumn(Int steps) const { return int(std::clamp<Int>(left_ + steps, left_, pastRight_)); }

    int bottom_, row_;
    bool fills_ = false, falling_ = false;
    Shape shape_ = Shape::None;
    FloorSteps crossing_{0, 0, 1}, along_{0, 0, 1}, columns_{0, 0, 1};
    int left_ = 0, pastRight_ = 0, held_ = 0;
};

}  // namespace

void PolygonRaster::composeRows(const PixelBuffer& target, const PolygonPaint& polygon, bool filled, bool outlined,
                                Run rows)
{
    const std::vector<Point>& p = polygon.points;
    const std::size_t n = p.size();
    std::vector<EdgeWalk> edges;
    edges.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = p[i], b = p[(i + 1) % n];
        if (std::max(a.y, b.y) >= rows.first && std::min(a.y, b.y) <= rows.last)
            edges.emplace_back(a, b, filled, outlined, rows.first);
    }
    std::sort(edges.begin(), edges.end(), [](const EdgeWalk& u, const EdgeWalk& v) { return u.row() < v.row(); });
    const std::uint32_t fill = opaquePixel(polygon.fill), outline = opaquePixel(polygon.outline);
    std::vector<EdgeWalk*> active;
    crossings_.resize(edges.size());
    runs_.resize(edges.size());
    std::size_t waiting = 0;
    for (int row = edges.empty() ? rows.last + 1 : std::max(edges.front().row(), rows.first); row <= rows.last; ++row) {
        while (waiting < edges.size() && edges[waiting].row() == row) active.push_back(&edges[waiting++]);
        crossingCount_ = runCount_ = 0;
        bool ended = false;
        for (EdgeWalk* e : active) {
            if (e->crosses()) crossings_[crossingCount_++] = e->crossing();
            if (e->outlines()) runs_[runCount_++] = e->outlineRun();
            e->next();
            ended |= e->done();
        }
        compose(target, row, fill, outline);
        if (ended) std::erase_if(active, [](const EdgeWalk* e) { return e->done(); });
        if (active.empty() && waiting == edges.size()) break;
    }
}

void PolygonRaster::compose(const PixelBuffer& target, int row, std::uint32_t fill, std::uint32_t outline)
{
    int* const x = crossings_.data();
    int low = target.width, high = -1;
    for (std::size_t i = 0; i < runCount_; ++i) low = std::min(low, runs_[i].first), high = std::max(high, runs_[i].last);
    if (crossingCount_ >= 2) {
        const auto [left, right] = std::minmax_element(x, x + crossingCount_);
        low = std::min(low, *left), high = std::max(high, *right - 1);
    }
    low = std::max(low, 0);
    high = std::min(high, target.width - 1);
    if (low > high) return;
    std::vector<Run>& painted = painted_[std::size_t(row)];
    for (const Run& r : painted)
        if (r.first <= low && r.last >= high) return;  // all painted by later polygons
    std::sort(x, x + crossingCount_);
    std::uint32_t* line = target.bits + row * target.pixelsPerLine;
    const auto clipped = [&](Run r) { return Run{std::max(r.first, 0), std::min(r.last, target.width - 1)}; };
    // Outline over fill: composed from the top down, the outline goes first.
    for (std::size_t i = 0; i < runCount_; ++i) paintUnpainted(line, painted, clipped(runs_[i]), outline);
    for (std::size_t i = 0; i + 1 < crossingCount_; i += 2)
        paintUnpainted(line, painted, clipped({x[i], x[i + 1] - 1}), fill);
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
