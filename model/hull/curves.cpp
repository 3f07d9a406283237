#include "model/hull/curves.h"

#include "model/hull/floaterror.h"
#include "model/hull/geometry.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {

constexpr double kZeroLeadReplacement = 1e-06;  // stands in for a leading coefficient of 0
constexpr double kTwoPi7 = 6.2831853;           // the solver's 7-digit 2 pi
// A closed-form root that misses its X by more than this (in hull lengths)
// did not solve the segment; the bracketed search takes over.
constexpr double kRootTolerance = 1e-5;
constexpr int kBisectionSteps = 80;

double cube(double v) { return v * v * v; }

double sgn(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }

double lerp(double u, double v, double t) { return (v - u) * t + u; }

double bezier(double c0, double c1, double c2, double c3, double t)
{
    const double c01 = lerp(c0, c1, t), c12 = lerp(c1, c2, t), c23 = lerp(c2, c3, t);
    return lerp(lerp(c01, c12, t), lerp(c12, c23, t), t);
}

Point3 pointAtParam(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3, double x, double t)
{
    const double y = checked(bezier(p0.Y, p1.Y, p2.Y, p3.Y, t), "Bezier point");
    const double z = checked(bezier(p0.Z, p1.Z, p2.Z, p3.Z, t), "Bezier point");
    return {x, y, z, 0};
}

bool validSegment(const Design& d, const CurveSegment& s)
{
    return d.hasPoint(s.StartPoint) && d.hasPoint(s.StartHandle) && d.hasPoint(s.EndHandle) &&
           d.hasPoint(s.EndPoint);
}

}  // namespace

SegmentSolver::SegmentSolver(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3)
    : p0_(p0.X), p1_(p1.X), p2_(p2.X), p3_(p3.X)
{
    a_ = ((p3_ - 3 * p2_) + 3 * p1_) - p0_;
    b_ = (3 * p2_ - 6 * p1_) + 3 * p0_;
    c_ = 3 * p1_ - 3 * p0_;
    bbcc_ = b_ * b_ * (c_ * c_);
    fourACube_ = 4 * a_ * cube(c_);
    // Products grouped exactly as the discriminant and R group them, so the
    // per-x work gives the same bits with fewer operations.
    fourBCube_ = 4 * cube(b_);
    eighteenABC_ = 18 * a_ * b_ * c_;
    twentySevenAA_ = 27 * (a_ * a_);
    // The discriminant keeps a as computed; only the division sees the replacement.
    const double a = (a_ == 0) ? kZeroLeadReplacement : a_;
    A_ = b_ / a;
    B_ = c_ / a;
    Q_ = (A_ * A_ - 3 * B_) / 9;
    Q3_ = cube(Q_);
    sqrtQ_ = Q_ > 0 ? std::sqrt(Q_) : 0;
    sqrtQ3_ = Q3_ > 0 ? std::sqrt(Q3_) : 0;
    thirdA_ = A_ / 3;
    rBase_ = 2 * cube(A_) - 9 * A_ * B_;
    aDivisor_ = a;
    minusTwoSqrtQ_ = -2 * sqrtQ_;
}

double SegmentSolver::closedFormParamAt(double x) const
{
    const double d = p0_ - x;
    const double discriminant = (((bbcc_ - fourBCube_ * d) - fourACube_) + eighteenABC_ * d) - twentySevenAA_ * (d * d);
    const double C = d / aDivisor_;
    const double R = (rBase_ + 27 * C) / 54;
    const double R2 = R * R;

    double t = 0;
    if (Q_ > 0 && Q3_ > R2 && discriminant > 0) {
        const double theta = ArcCos(R / sqrtQ3_);
        // The candidates are tried in the order theta, theta + 2 pi,
        // theta - 2 pi and the last one inside (0, 1) wins; trying them
        // backwards and stopping at the first one inside gives the same t
        // with fewer cosines.
        // Each angle is divided out only when its candidate is tried.
        const double shifted[3] = {theta - kTwoPi7, theta + kTwoPi7, theta};
        for (double numerator : shifted) {
            const double root = minusTwoSqrtQ_ * std::cos(numerator / 3) - thirdA_;
            if (root > 0 && root < 1) {
                t = root;
                break;
            }
        }
    } else if (discriminant < 0) {
        const double s = std::sqrt(std::abs(R2 - Q3_));
        const double S = -sgn(R) * std::pow(std::abs(R) + s, 1.0 / 3.0);
        const double T = (S == 0) ? 0 : Q_ / S;
        t = (S + T) - thirdA_;
    }
    return checked(t, "Bezier solver");
}

double SegmentSolver::xAt(double t) const { return bezier(p0_, p1_, p2_, p3_, t); }

double SegmentSolver::paramAt(double x) const
{
    const double t = closedFormParamAt(x);
    // Segments whose X is (nearly) linear in t defeat the closed form: it
    // returns t = 0 for every x. Solve those by bisection instead.
    const bool inside = x >= std::min(p0_, p3_) && x <= std::max(p0_, p3_);
    if (!inside || std::abs(xAt(t) - x) <= kRootTolerance) return t;

    double lo = 0, hi = 1;
    const bool rising = p3_ >= p0_;
    for (int i = 0; i < kBisectionSteps; ++i) {
        const double mid = (lo + hi) / 2;
        if (mid == lo || mid == hi) break;
        if ((xAt(mid) < x) == rising) lo = mid; else hi = mid;
    }
    return (lo + hi) / 2;
}

double closedFormParamAtX(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3, double x)
{
    return SegmentSolver(p0, p1, p2, p3).closedFormParamAt(x);
}

double BezierParamAtX(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3, double x)
{
    return SegmentSolver(p0, p1, p2, p3).paramAt(x);
}

Point3 BezierPointAtX(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3, double x)
{
    return pointAtParam(p0, p1, p2, p3, x, BezierParamAtX(p0, p1, p2, p3, x));
}

Point3 BezierPointAtParam(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& p3, double t)
{
    const double x = checked(bezier(p0.X, p1.X, p2.X, p3.X, t), "Bezier point");
    return pointAtParam(p0, p1, p2, p3, x, t);
}

bool segmentRange(const Design& design, const CurveSegment& segment, double& from, double& to)
{
    int first = 0, last = 0;
    switch (segment.Kind) {
    case kCoversStartToEnd: first = segment.StartPoint; last = segment.EndPoint; break;
    case kCoversStartToEndLimit: first = segment.StartPoint; last = segment.EndLimit; break;
    case kCoversStartLimitToEnd: first = segment.StartLimit; last = segment.EndPoint; break;
    default: return false;
    }
    if (!design.hasPoint(first) || !design.hasPoint(last) || !validSegment(design, segment)) return false;
    from = design.point(first).X;
    to = design.point(last).X;
    return true;
}

namespace {

template <typename Visit>
void forEachSegment(const Design& design, const HullLine& line, Visit visit)
{
    const int count = std::min<int>(line.SegmentCount, int(line.Segments.size()) - 1);
    for (int k = 1; k <= count; ++k) {
        const int index = line.Segments[k];
        if (index < 1 || index >= int(design.CurveSegments.size())) continue;
        visit(design.CurveSegments[index]);
    }
}

}  // namespace

LineEvaluator::LineEvaluator(const Design& design, const HullLine& line)
{
    forEachSegment(design, line, [&](const CurveSegment& s) {
        double from = 0, to = 0;
        if (!segmentRange(design, s, from, to) || from > to) return;
        const Point3 &p0 = design.point(s.StartPoint), &p1 = design.point(s.StartHandle),
                     &p2 = design.point(s.EndHandle), &p3 = design.point(s.EndPoint);
        pieces_.push_back({from, to, SegmentSolver(p0, p1, p2, p3), p0, p1, p2, p3});
    });
}

[[gnu::flatten]] LineEvaluator::Place LineEvaluator::locate(double x) const
{
    // Later covering segments win, so look from the end of the list.
    for (int k = int(pieces_.size()) - 1; k >= 0; --k) {
        const Piece& p = pieces_[k];
        if (x >= p.from && x <= p.to) return {k, p.solver.paramAt(x)};
    }
    return {};
}

Point3 LineEvaluator::pointAt(double x, const Place& place) const
{
    if (place.piece < 0) return {};
    const Piece& p = pieces_[place.piece];
    return pointAtParam(p.p0, p.p1, p.p2, p.p3, x, place.t);
}

bool LineEvaluator::pointAt(double x, Point3& point) const
{
    const Place place = locate(x);
    point = pointAt(x, place);
    return place.piece >= 0;
}

Point3 LineEvaluator::pointAt(double x) const { return pointAt(x, locate(x)); }

namespace {

bool samePoint(const Point3& a, const Point3& b) { return sameBits(a.X, b.X) && sameBits(a.Y, b.Y) && sameBits(a.Z, b.Z); }

}  // namespace

bool LineEvaluator::sameAs(const LineEvaluator& other) const
{
    if (pieces_.size() != other.pieces_.size()) return false;
    for (std::size_t k = 0; k < pieces_.size(); ++k) {
        const Piece &a = pieces_[k], &b = other.pieces_[k];
        if (!sameBits(a.from, b.from) || !sameBits(a.to, b.to) || !samePoint(a.p0, b.p0) || !samePoint(a.p1, b.p1) ||
            !samePoint(a.p2, b.p2) || !samePoint(a.p3, b.p3))
            return false;
    }
    return true;
}

bool LineEvaluator::sharesPlacesWith(const LineEvaluator& other) const
{
    if (pieces_.size() != other.pieces_.size()) return false;
    for (std::size_t k = 0; k < pieces_.size(); ++k) {
        const Piece &a = pieces_[k], &b = other.pieces_[k];
        if (!sameBits(a.from, b.from) || !sameBits(a.to, b.to) || !sameBits(a.p0.X, b.p0.X) || !sameBits(a.p1.X, b.p1.X) ||
            !sameBits(a.p2.X, b.p2.X) || !sameBits(a.p3.X, b.p3.X))
            return false;
    }
    return true;
}

Point3 PointOnLineAtX(const Design& design, const HullLine& line, double x)
{
    const CurveSegment* winner = nullptr;
    forEachSegment(design, line, [&](const CurveSegment& s) {
        double from = 0, to = 0;
        if (segmentRange(design, s, from, to) && x >= from && x <= to) winner = &s;
    });
    if (!winner) return {};
    const CurveSegment& s = *winner;
    return BezierPointAtX(design.point(s.StartPoint), design.point(s.StartHandle), design.point(s.EndHandle),
                          design.point(s.EndPoint), x);
}

}  // namespace model
