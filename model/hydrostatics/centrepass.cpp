#include "model/hydrostatics/hydropasses.h"

#include "model/hull/geometry.h"

#include <cmath>

namespace model {

namespace {

constexpr double kHalving = 2.0;  // the centres lie where half of each sum is reached

// The second pass: walks the waterline's slices until half the wet volume
// and half the waterplane lie ahead of the slice.
class CentrePass {
public:
    CentrePass(HullSlicer& slicer, double length, double w, Hydrostatics& results)
        : slicer_(slicer), n_(slicer.lineCount()), length_(length), l3_(length * length * length), w_(w),
          r_(results), points_(n_ + 1)
    {
    }

    void run()
    {
        const double from = r_.WaterlineStart / length_, to = r_.WaterlineEnd / length_;
        for (double t = from; t <= to; t += kSliceStep) {
            double wetArea = 0, z = 0;
            if (!cutSlice(t, wetArea, z)) continue;
            testBuoyancy(t, wetArea);
            testFlotation(t, z);
            if (r_.lcbFound && r_.lcfFound) break;
        }
    }

private:
    // The wet half area and crossing half-breadth of the last crossing;
    // false when the waterline does not cut the slice. A slice the first
    // pass took is read from its samples; elsewhere only the lines needed
    // are solved.
    bool cutSlice(double t, double& wet, double& z)
    {
        const int k = slicer_.sliceAt(t);
        const Point3* points = k >= 0 ? slicer_.slices().row(k) : points_.data();
        if (k < 0) {
            points_[1] = slicer_.sample(1, t);
            points_[n_] = slicer_.sample(n_, t);
        }
        if (waterlineAt(points, n_, w_) != Waterline::kCuts) return false;
        const int i = lastCrossing(t, k >= 0, points);
        z = crossingHalfBreadth(points[i], points[i + 1], w_);
        wet = wetArea(points, n_, i, t, w_, z);
        return true;
    }

    // The last crossing is the lowest line above the waterline, so only the
    // lines from the keel up to it are needed. Line 1 lies above (the slice
    // is cut), which ends the climb.
    int lastCrossing(double t, bool sampled, const Point3* points)
    {
        int i = n_ - 1;
        for (; i > 1; --i) {
            if (!sampled) points_[i] = slicer_.sample(i, t);
            if (points[i].Y > w_) break;
        }
        return i;
    }

    // Tested before the slice is added: its own volume does not count.
    void testBuoyancy(double t, double wetArea)
    {
        if (r_.WetVolume / kHalving <= r_.HalfVolumeSum && !r_.lcbFound) {
            r_.LCBPosition = length_ * t;
            r_.lcbFound = true;
        } else {
            r_.HalfVolumeSum += kBothSides * l3_ * std::abs(wetArea) * kSliceStep;
        }
    }

    void testFlotation(double t, double z)
    {
        if (r_.WaterplaneArea / kHalving <= r_.HalfWaterplaneSum && !r_.lcfFound) {
            r_.LCF = length_ * t - r_.WaterlineStart;
            r_.lcfFound = true;
        } else {
            r_.HalfWaterplaneSum += std::abs(z) * kBothSides * kSliceStep * length_ * length_;
        }
    }

    HullSlicer& slicer_;
    const int n_;
    const double length_, l3_, w_;
    Hydrostatics& r_;
    std::vector<Point3> points_;
};

}  // namespace

void findCentres(HullSlicer& slicer, double length, double w, Hydrostatics& results)
{
    if (slicer.lineCount() < 1) return;
    CentrePass(slicer, length, w, results).run();
}

}  // namespace model
