#pragma once
// Evaluation of hull lines: the point of a line at a given X, found by
// solving the segment's cubic X(t) = x in closed form.

#include "model/hull/design.h"

#include <vector>

namespace model {

// One segment's cubic with every term that does not depend on x worked out
// once; paramAt(x) gives exactly the t of the closed form for that x.
class SegmentSolver {
public:
    SegmentSolver(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3);
    // The closed-form root alone.
    double closedFormParamAt(double x) const;
    // The closed-form root, or a bracketed one where the closed form cannot
    // solve the segment (X linear or nearly linear in t).
    double paramAt(double x) const;
    double xAt(double t) const;

private:
    double p0_, p1_, p2_, p3_;  // the four X coordinates
    double a_, b_, c_;          // a as computed, before its zero replacement
    double bbcc_, fourACube_;   // x-independent discriminant terms
    double fourBCube_, eighteenABC_, twentySevenAA_;
    double A_, B_, Q_, Q3_, sqrtQ_, sqrtQ3_, thirdA_;
    double rBase_, aDivisor_, minusTwoSqrtQ_;
};

// A hull line made ready for many evaluations at different X.
class LineEvaluator {
public:
    LineEvaluator() = default;  // covers nothing
    LineEvaluator(const Design& design, const HullLine& line);
    Point3 pointAt(double x) const;
    // The same point; false (and the zero point) when no segment covers x.
    bool pointAt(double x, Point3& point) const;

    // Where x falls: the covering piece (-1 for none) and its parameter.
    struct Place {
        int piece = -1;
        double t = 0;
    };
    Place locate(double x) const;
    Point3 pointAt(double x, const Place& place) const;
    // True when `other` covers the same X ranges with bit-identical X
    // control values: both then locate every x at the same place.
    bool sharesPlacesWith(const LineEvaluator& other) const;
    // True when `other` gives bit-identical points everywhere: the same
    // ranges over the same control points.
    bool sameAs(const LineEvaluator& other) const;

private:
    struct Piece {
        double from, to;
        SegmentSolver solver;
        Point3 p0, p1, p2, p3;
    };
    std::vector<Piece> pieces_;  // in the line's order; the last covering one wins
};

// The point of `line` at x; the zero point when no segment covers x.
Point3 PointOnLineAtX(const Design& design, const HullLine& line, double x);

Point3 BezierPointAtX(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3, double x);
// The point of the cubic at parameter t, by repeated linear interpolation.
Point3 BezierPointAtParam(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3, double t);
double BezierParamAtX(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3, double x);
double closedFormParamAtX(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3, double x);

// The X range a segment covers; false when its kind covers nothing or an
// index lies outside the control points.
bool segmentRange(const Design& design, const CurveSegment& segment, double& from, double& to);

}  // namespace model
