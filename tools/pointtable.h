#pragma once
// Hands out control-point indices. Some indices carry a fixed role (the hull
// ends, the sheer-bound deck points, the cockpit points the wizard moves);
// everything else takes the next index no role has claimed, so the finished
// list has no holes.

#include "model/hull/records.h"

#include <map>
#include <set>
#include <vector>

namespace hulls {

class PointTable {
public:
    explicit PointTable(std::set<int> reserved);

    // Stores the point at the next free index and returns that index.
    int add(const model::ControlPoint& point);
    // Stores the point at a reserved index.
    int place(int index, const model::ControlPoint& point);

    model::ControlPoint& operator[](int index);
    const model::ControlPoint& operator[](int index) const;

    // Indices 0..count; throws when a reserved index was never placed or
    // an index was left out.
    std::vector<model::ControlPoint> finish() const;
    // The same while points are still missing: gaps hold default points.
    std::vector<model::ControlPoint> snapshot() const;

private:
    std::set<int> reserved_;
    std::map<int, model::ControlPoint> points_;
    int next_ = 1;
};

}  // namespace hulls
