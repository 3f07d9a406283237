#pragma once
// A straight line between two points of a view, in inches. Qt-free.

namespace views {

struct Segment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const Segment&) const = default;
};

}  // namespace views
