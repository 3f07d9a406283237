#include "model/hull/linesamplecache.h"

#include "model/hull/geometry.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {

constexpr double kTrapezoidDivisor = 2.0;

}  // namespace

void HeightRange::add(double height)
{
    if (!seen || height < lowest) lowest = height;
    if (!seen || height > highest) highest = height;
    seen = true;
}

void LineSampleCache::resize(int lines)
{
    if (x_.empty())
        for (double t = 0; t <= 1; t += kSliceStep) x_.push_back(t);
    lines_ = lines;
    sampled_.assign(std::size_t(lines) + 1, LineEvaluator{});
    valid_.assign(std::size_t(lines) + 1, false);
    points_.assign(x_.size() * std::size_t(lines + 1), Point3{});
    covered_.assign(points_.size(), 0);
    edges_.assign(points_.size(), 0.0);
    area_.assign(x_.size(), 0.0);
    girth_.assign(x_.size(), 0.0);
}

void LineSampleCache::update(const std::vector<LineEvaluator>& lines)
{
    const int n = int(lines.size()) - 1;
    // A cache moved from keeps its line count but not its tables.
    if (n != lines_ || valid_.size() != std::size_t(n) + 1) resize(n);
    std::vector<int> stale;
    for (int i = 1; i <= n; ++i)
        if (!valid_[i] || !sampled_[i].sameAs(lines[i])) {
            valid_[i] = false;  // stays so if solving it fails
            stale.push_back(i);
        }
    solved_ = int(stale.size());
    if (stale.empty() && outlinesValid_) return;
    // Until the outlines are measured again they are not trusted: a step
    // that raises leaves them to the next update.
    heightsValid_ = false;
    outlinesValid_ = false;
    // Lines whose segments share their X values are located once between them.
    while (!stale.empty()) {
        std::vector<int> group{stale.front()}, rest;
        for (std::size_t j = 1; j < stale.size(); ++j)
            (lines[stale[j]].sharesPlacesWith(lines[group.front()]) ? group : rest).push_back(stale[j]);
        sampleGroup(lines, group);
        stale.swap(rest);
    }
    measureOutlines();
}

void LineSampleCache::sampleGroup(const std::vector<LineEvaluator>& lines, const std::vector<int>& group)
{
    const LineEvaluator& leader = lines[group.front()];
    places_.resize(x_.size());
    for (std::size_t k = 0; k < x_.size(); ++k) places_[k] = leader.locate(x_[k]);
    for (int i : group) {
        for (std::size_t k = 0; k < x_.size(); ++k) {
            points_[index(int(k), i)] = lines[i].pointAt(x_[k], places_[k]);
            covered_[index(int(k), i)] = places_[k].piece >= 0;
        }
        sampled_[i] = lines[i];
        valid_[i] = true;
    }
}

// The half area by horizontal trapezoid strips from the centre plane, and the
// girth as the edges' running sum, in the order a slice has always added them.
void LineSampleCache::measureOutlines()
{
    if (lines_ < 1) {
        outlinesValid_ = true;
        return;
    }
    for (int k = 0; k < sliceCount(); ++k) {
        Point3* p = &points_[index(k, 0)];
        double* edge = &edges_[index(k, 0)];
        p[0] = {x_[k], p[1].Y, 0, 0};
        double area = 0, girth = 0;
        for (int i = 0; i < lines_; ++i)
            area += std::abs(p[i + 1].Y - p[i].Y) * (p[i].Z + p[i + 1].Z) / kTrapezoidDivisor;
        for (int i = 1; i < lines_; ++i) {
            edge[i] = Distance3D(p[i], p[i + 1]);
            girth += edge[i];
        }
        area_[k] = area;
        girth_[k] = girth;
    }
    outlinesValid_ = true;
}

const HeightRange& LineSampleCache::heights(double length)
{
    if (heightsValid_ && sameBits(heightsLength_, length)) return heights_;
    heights_ = {};
    for (int k = 0; k < sliceCount(); ++k)
        for (int i = 1; i <= lines_; ++i)
            if (covered_[index(k, i)]) heights_.add(length * points_[index(k, i)].Y);
    heightsLength_ = length;
    heightsValid_ = true;
    return heights_;
}

int LineSampleCache::sliceAt(double t, int hint) const
{
    for (int k : {hint, hint + 1})
        if (k >= 0 && k < sliceCount() && sameBits(x_[k], t)) return k;
    const auto at = std::lower_bound(x_.begin(), x_.end(), t);
    return at != x_.end() && sameBits(*at, t) ? int(at - x_.begin()) : -1;
}

}  // namespace model
