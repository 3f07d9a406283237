#include "platform/polygonraster.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <iterator>
#include <tuple>

namespace platform {

namespace {

using Int = std::int64_t;

// Sides of a row at most this wide are painted pixel by pixel.
constexpr int kPixelByPixelWidth = 8;

Int floorDiv(Int a, Int b)  // b > 0
{
    const Int q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// floor((a + k b) / d) for k = 0, 1, 2, ... without a division per step.
class FloorSteps {
public:
    FloorSteps(Int a, Int b, Int d)
        : q_(floorDiv(a, d)), r_(a - q_ * d), qb_(floorDiv(b, d)), rb_(b - qb_ * d), rbLessD_(rb_ - d)
    {
    }
    int value() const { return int(q_); }
    void next()
    {
        // A select, not a branch (the carry follows the slope, which no
        // predictor does), and a short chain from one remainder to the next.
        const Int over = r_ + rbLessD_;
        const bool carry = over >= 0;
        r_ = carry ? over : r_ + rb_;
        q_ += qb_ + carry;
    }

private:
    Int q_, r_, qb_, rb_, rbLessD_;
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

// Each edge is walked on its own, its steppers in registers, into columns of
// its own: its fill crossing and its outline run on each of its rows.
struct Columns {
    int* crossings;  // from the edge's first row with a crossing
    int firstCrossingRow;
    PolygonRaster::Run* runs;  // from its first row with a run
    int firstRunRow;
    void addCrossing(int row, int x) { crossings[row - firstCrossingRow] = x; }
    void addRun(int row, PolygonRaster::Run r) { runs[row - firstRunRow] = r; }
};

// An edge from its top end t to its bottom end e.
struct Span {
    Point t, e;
    Span(Point a, Point b) : t(a.y < b.y ? a : b), e(a.y < b.y ? b : a) {}
    Int dx() const { return Int(e.x) - t.x; }
    Int dy() const { return Int(e.y) - t.y; }
    bool steep() const { return dy() > std::abs(dx()); }

    // From `row` on, the negated first pixel at or right of where the edge
    // crosses each row's centre line: ceil(x0 + (row + 1/2 - y0) dx / dy - 1/2).
    FloorSteps negatedCrossings(int row) const
    {
        return {-(2 * t.x * dy() + (2 * (Int(row) - t.y) + 1) * dx() - dy()), -2 * dx(), 2 * dy()};
    }
    // From `row` on, a steep edge's one pixel a row: round(x0 + (row - y0) dx / dy).
    FloorSteps pixels(int row) const { return {2 * t.x * dy() + dy() + 2 * (Int(row) - t.y) * dx(), 2 * dx(), 2 * dy()}; }
};

void addCrossings(Columns table, Span s, int top, int bottom)
{
    const int first = std::max(s.t.y, top), last = std::min(s.e.y - 1, bottom);
    FloorSteps negated = s.negatedCrossings(first);
    for (int row = first; row <= last; ++row, negated.next()) table.addCrossing(row, -negated.value());
}

// A steep edge filled and outlined, in one walk: two remainders stepped side by side.
void addSteepEdge(Columns table, Span s, int top, int bottom)
{
    const int first = std::max(s.t.y, top), last = std::min(s.e.y - 1, bottom);
    FloorSteps negated = s.negatedCrossings(first), x = s.pixels(first);
    int row = first;
    for (; row <= last; ++row, negated.next(), x.next()) {
        table.addCrossing(row, -negated.value());
        table.addRun(row, {x.value(), x.value()});
    }
    if (row == s.e.y && row <= bottom) table.addRun(row, {x.value(), x.value()});
}

void addOutline(Columns table, Point a, Point b, int top, int bottom)
{
    const Span s(a, b);
    if (s.steep()) {
        const int first = std::max(s.t.y, top), last = std::min(s.e.y, bottom);
        FloorSteps x = s.pixels(first);
        for (int row = first; row <= last; ++row, x.next()) table.addRun(row, {x.value(), x.value()});
        return;
    }
    const Int dy = s.dy();
    // A run a row: the columns whose rounded y, y0 + (col - x0) dy / dx, is
    // the row. l is the edge's left end.
    const Point l = a.x <= b.x ? a : b, r = a.x <= b.x ? b : a;
    if (dy == 0) {
        if (l.y >= top && l.y <= bottom) table.addRun(l.y, {l.x, r.x});
        return;
    }
    const int first = std::max(s.t.y, top), last = std::min(s.e.y, bottom);
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

// The rows of an edge with a crossing, and with a run, within `rows`.
std::pair<PolygonRaster::Run, PolygonRaster::Run> PolygonRaster::edgeRows(Point a, Point b, bool filled, bool outlined,
                                                                          Run rows)
{
    const int first = std::max(std::min(a.y, b.y), rows.first), last = std::max(a.y, b.y);
    const Run none{0, -1};
    return {filled && a.y != b.y ? Run{first, std::min(last - 1, rows.last)} : none,
            outlined ? Run{first, std::min(last, rows.last)} : none};
}

void PolygonRaster::walkEdges(const std::vector<Point>& p, bool filled, bool outlined, Run rows)
{
    const std::size_t n = p.size();
    std::size_t crossingCount = 0, runCount = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const auto [crossings, runs] = edgeRows(p[i], p[(i + 1) % n], filled, outlined, rows);
        crossingCount += std::size_t(std::max(crossings.last - crossings.first + 1, 0));
        runCount += std::size_t(std::max(runs.last - runs.first + 1, 0));
    }
    crossingColumns_.resize(crossingCount);
    runColumns_.resize(runCount);
    changes_.clear();
    std::ptrdiff_t crossingAt = 0, runAt = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Point a = p[i], b = p[(i + 1) % n];
        const auto [crossings, runs] = edgeRows(a, b, filled, outlined, rows);
        const bool crosses = crossings.first <= crossings.last, outlines = runs.first <= runs.last;
        const Columns columns{crossingColumns_.data() + crossingAt, crossings.first, runColumns_.data() + runAt,
                              runs.first};
        const Span edge(a, b);
        if (crosses && outlines && edge.steep()) {
            addSteepEdge(columns, edge, rows.first, rows.last);
        } else {
            if (crosses) addCrossings(columns, edge, rows.first, rows.last);
            if (outlines) addOutline(columns, a, b, rows.first, rows.last);
        }
        // An edge's value on a row is at index base + row of its columns.
        if (crosses) {
            changes_.push_back({crossings.first, true, true, crossingAt - crossings.first});
            changes_.push_back({crossings.last + 1, true, false, crossingAt - crossings.first});
            crossingAt += crossings.last - crossings.first + 1;
        }
        if (outlines) {
            changes_.push_back({runs.first, false, true, runAt - runs.first});
            changes_.push_back({runs.last + 1, false, false, runAt - runs.first});
            runAt += runs.last - runs.first + 1;
        }
    }
    std::sort(changes_.begin(), changes_.end(), [](const Change& u, const Change& v) { return u.row < v.row; });
}

void PolygonRaster::composeRows(const PixelBuffer& target, const PolygonPaint& polygon, bool filled, bool outlined,
                                Run rows)
{
    const std::vector<Point>& p = polygon.points;
    if (p.empty()) return;
    const auto [low, high] = std::minmax_element(p.begin(), p.end(), [](Point a, Point b) { return a.y < b.y; });
    const int top = std::max(low->y, rows.first), bottom = std::min(high->y, rows.last);
    if (top > bottom) return;
    walkEdges(p, filled, outlined, {top, bottom});
    crossings_.resize(p.size());
    runs_.resize(p.size());
    crossingEdges_.clear();
    runEdges_.clear();
    const Colours colours{opaquePixel(polygon.fill), opaquePixel(polygon.outline)};
    // Between two changes the same edges give each row a crossing or a run.
    for (std::size_t k = 0; k < changes_.size() && changes_[k].row <= bottom;) {
        const int from = changes_[k].row;
        for (; k < changes_.size() && changes_[k].row == from; ++k) {
            std::vector<std::ptrdiff_t>& edges = changes_[k].crossing ? crossingEdges_ : runEdges_;
            if (changes_[k].starts) edges.push_back(changes_[k].base);
            else edges.erase(std::find(edges.begin(), edges.end(), changes_[k].base));
        }
        const int to = std::min(k < changes_.size() ? changes_[k].row - 1 : bottom, bottom);
        for (int row = from; row <= to; ++row) {
            Run reach{INT_MAX, INT_MIN};
            for (std::ptrdiff_t e : runEdges_) {
                const Run run = runColumns_[std::size_t(e + row)];
                reach = {std::min(reach.first, run.first), std::max(reach.last, run.last)};
            }
            // A crossing pair x0 < x1 fills x0 to x1 - 1.
            for (std::ptrdiff_t e : crossingEdges_) {
                const int x = crossingColumns_[std::size_t(e + row)];
                reach = {std::min(reach.first, x), std::max(reach.last, x - 1)};
            }
            reach = {std::max(reach.first, 0), std::min(reach.last, target.width - 1)};
            if (paintedAlready(row, reach)) continue;
            std::size_t crossings = 0, outlines = 0;
            for (std::ptrdiff_t e : crossingEdges_) crossings_[crossings++] = crossingColumns_[std::size_t(e + row)];
            for (std::ptrdiff_t e : runEdges_) runs_[outlines++] = runColumns_[std::size_t(e + row)];
            composeRow(target, row, reach, crossings, outlines, colours);
        }
    }
}

void PolygonRaster::composeRow(const PixelBuffer& target, int row, Run reach, std::size_t crossings,
                               std::size_t outlines, Colours colours)
{
    int* const x = crossings_.data();
    if (crossings == 2) {
        if (x[1] < x[0]) std::swap(x[0], x[1]);
    } else {
        std::sort(x, x + crossings);
    }
    std::uint32_t* line = target.bits + row * target.pixelsPerLine;
    std::vector<Run>& painted = painted_[std::size_t(row)];
    // Mostly one painted run, and the polygon reaching just past it on a side.
    if (painted.size() == 1 && reach.first <= painted[0].last + 1 && reach.last >= painted[0].first - 1) {
        const auto colourAt = [&](int column, std::uint32_t& colour) {
            for (std::size_t k = 0; k < outlines; ++k)
                if (runs_[k].first <= column && column <= runs_[k].last) return colour = colours.outline, true;
            for (std::size_t k = 0; k + 1 < crossings; k += 2)
                if (x[k] <= column && column < x[k + 1]) return colour = colours.fill, true;
            return false;
        };
        const auto paint = [&](int from, int to) {
            // Pixel by pixel costs least on the few pixels a section of a
            // body plan adds; a wide side (a hull panel's) goes run by run.
            if (to - from + 1 > kPixelByPixelWidth) {
                if (!covered({from, to}, crossings, outlines)) return false;
                paintCovered(line, {from, to}, crossings, outlines, colours);
                return true;
            }
            for (int column = from; column <= to; ++column)
                if (!colourAt(column, line[column])) return false;
            return true;
        };
        // A gap leaves the pixels painted so far to the general way, which
        // paints them alike.
        if (paint(reach.first, painted[0].first - 1) && paint(painted[0].last + 1, reach.last)) {
            painted[0] = {std::min(painted[0].first, reach.first), std::max(painted[0].last, reach.last)};
            return;
        }
    }
    const auto clipped = [&](Run r) { return Run{std::max(r.first, 0), std::min(r.last, target.width - 1)}; };
    // Outline over fill: composed from the top down, the outline goes first.
    for (std::size_t k = 0; k < outlines; ++k) paintUnpainted(line, painted, clipped(runs_[k]), colours.outline);
    for (std::size_t k = 0; k + 1 < crossings; k += 2)
        paintUnpainted(line, painted, clipped({x[k], x[k + 1] - 1}), colours.fill);
}

// Whether the row's outline runs and fill pairs (crossings_ sorted) leave no
// pixel of `side` out: stepping from run to run, a wide side takes a step or two.
bool PolygonRaster::covered(Run side, std::size_t crossings, std::size_t outlines) const
{
    for (int x = side.first; x <= side.last;) {
        int through = x - 1;
        for (std::size_t k = 0; k < outlines; ++k)
            if (runs_[k].first <= x && x <= runs_[k].last) through = std::max(through, runs_[k].last);
        for (std::size_t k = 0; k + 1 < crossings; k += 2)
            if (crossings_[k] <= x && x < crossings_[k + 1]) through = std::max(through, crossings_[k + 1] - 1);
        if (through < x) return false;
        x = through + 1;
    }
    return true;
}

// Paints `side`, which the row's runs and pairs cover: the fill first and the
// outline over it, as a pixel in both is outlined.
void PolygonRaster::paintCovered(std::uint32_t* line, Run side, std::size_t crossings, std::size_t outlines,
                                 Colours colours) const
{
    const auto paint = [&](int first, int last, std::uint32_t colour) {
        first = std::max(first, side.first);
        last = std::min(last, side.last);
        if (first <= last) std::fill(line + first, line + last + 1, colour);
    };
    for (std::size_t k = 0; k + 1 < crossings; k += 2) paint(crossings_[k], crossings_[k + 1] - 1, colours.fill);
    for (std::size_t k = 0; k < outlines; ++k) paint(runs_[k].first, runs_[k].last, colours.outline);
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
