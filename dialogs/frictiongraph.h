#pragma once
// What the resistance graph draws, in order, in its own scale: knots across
// from 1.5 at the left edge, pounds up from -3 at the bottom to 30 at the top.
// Qt-free; the window turns the marks into drawing calls.

#include "platform/gditypes.h"

#include <string>
#include <vector>

namespace dialogs {

enum class MarkKind { Line, DottedLine, Label, Dot };

struct GraphMark {
    MarkKind kind = MarkKind::Line;
    double x1 = 0, y1 = 0;  // a label's top-left corner, a dot's centre
    double x2 = 0, y2 = 0;  // a line's end
    platform::ColorRef color = platform::kBlack;
    std::string text;
};

struct FrictionGraph {
    // The scale's upper-left and lower-right corners.
    double left = 0, top = 0, right = 0, bottom = 0;
    double dotRadius = 0;  // knots
    std::vector<GraphMark> marks;
};

// The graph of a hull with this top speed (knots), waterline length (inches)
// and wetted surface (square inches). A hull without curves gets the frame
// and scales only, over three knots from the lowest speed.
FrictionGraph frictionGraph(double topSpeed, double lwl, double wettedSurface);

}  // namespace dialogs
