#include "tools/pointtable.h"

#include <stdexcept>
#include <string>

namespace hulls {

PointTable::PointTable(std::set<int> reserved) : reserved_(std::move(reserved)) {}

int PointTable::add(const model::ControlPoint& point)
{
    while (reserved_.count(next_) || points_.count(next_)) ++next_;
    points_[next_] = point;
    return next_;
}

int PointTable::place(int index, const model::ControlPoint& point)
{
    if (!reserved_.count(index)) throw std::logic_error("point " + std::to_string(index) + " is not reserved");
    if (points_.count(index)) throw std::logic_error("point " + std::to_string(index) + " placed twice");
    points_[index] = point;
    return index;
}

model::ControlPoint& PointTable::operator[](int index) { return points_.at(index); }

const model::ControlPoint& PointTable::operator[](int index) const { return points_.at(index); }

std::vector<model::ControlPoint> PointTable::snapshot() const
{
    const int count = points_.empty() ? 0 : points_.rbegin()->first;
    std::vector<model::ControlPoint> list(std::size_t(count) + 1);
    for (const auto& [index, point] : points_) list[std::size_t(index)] = point;
    return list;
}

std::vector<model::ControlPoint> PointTable::finish() const
{
    const int count = points_.empty() ? 0 : points_.rbegin()->first;
    std::vector<model::ControlPoint> list(std::size_t(count) + 1);
    for (int i = 1; i <= count; ++i) {
        auto found = points_.find(i);
        if (found == points_.end()) throw std::logic_error("point " + std::to_string(i) + " left out");
        list[std::size_t(i)] = found->second;
    }
    for (int r : reserved_)
        if (!points_.count(r)) throw std::logic_error("reserved point " + std::to_string(r) + " never placed");
    return list;
}

}  // namespace hulls
