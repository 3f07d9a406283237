#pragma once
// Every hull line sampled at each slice of the hydrostatics' first pass, with
// what each slice's outline gives without the waterline (its half area, its
// girth and edge lengths, the lines' heights), kept for the next run. A line
// whose segments and control points are unchanged is not solved for X again:
// the waterline search's passes, a repeat after a drag and the weight buttons
// solve nothing, a drag only the lines through the moved points. Everything
// kept is computed exactly as a run would compute it, so the results are the
// same to the bit.

#include "model/hull/curves.h"

#include <cstdint>
#include <vector>

namespace model {

inline constexpr int kVolumeSlices = 1000;   // the hydrostatics' slices along the hull
inline constexpr double kSliceStep = 0.001;  // a slice's length as a fraction of the hull

// The lowest and highest heights seen, in inches.
struct HeightRange {
    bool seen = false;
    double lowest = 0;
    double highest = 0;
    void add(double height);
};

class LineSampleCache {
public:
    // Brings the samples up to date with `lines` (1..N; 0 unused), solving
    // only the lines that changed since they were sampled.
    void update(const std::vector<LineEvaluator>& lines);

    // The slices' normalised X, by repeated addition from 0 while at most 1.
    int sliceCount() const { return int(x_.size()); }
    double sliceX(int k) const { return x_[k]; }
    // Slice k's outline P(0..N): P(0) on the centre plane at line 1's height.
    const Point3* row(int k) const { return &points_[index(k, 0)]; }
    // Its edge lengths: edges(k)[i] from P(i) to P(i + 1), i = 1..N-1.
    const double* edges(int k) const { return &edges_[index(k, 0)]; }
    double halfArea(int k) const { return area_[k]; }
    double girth(int k) const { return girth_[k]; }
    // The heights (times `length`) of the lines where a segment covers them,
    // taken slice by slice, line by line.
    const HeightRange& heights(double length);
    // The slice taken at exactly t (bit for bit), or -1; `hint` and the
    // slice after it are tried first.
    int sliceAt(double t, int hint) const;
    // How many lines the last update solved (for tests and benchmarks).
    int linesSolved() const { return solved_; }

private:
    std::size_t index(int k, int i) const { return std::size_t(k) * std::size_t(lines_ + 1) + std::size_t(i); }
    void resize(int lines);
    // Solves the lines of one group sharing their X values: one place per slice.
    void sampleGroup(const std::vector<LineEvaluator>& lines, const std::vector<int>& group);
    void measureOutlines();

    int lines_ = -1;
    int solved_ = 0;
    std::vector<double> x_;
    std::vector<LineEvaluator> sampled_;  // per line, as it was when sampled
    std::vector<bool> valid_;             // per line
    std::vector<Point3> points_;          // (slice, 0..N)
    std::vector<std::uint8_t> covered_;   // (slice, 0..N)
    std::vector<double> edges_;           // (slice, 0..N)
    std::vector<double> area_, girth_;    // per slice
    std::vector<LineEvaluator::Place> places_;
    bool outlinesValid_ = false;
    bool heightsValid_ = false;
    double heightsLength_ = 0;
    HeightRange heights_;
};

}  // namespace model
