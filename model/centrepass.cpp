#include "model/hydropasses.h"

#include "model/geometry.h"

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
          r_(results), points_(n_ + 1), wet_(n_ + 3)
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
    // false when the waterline does not cut the slice.
    bool cutSlice(double t, double& wetArea, double& z)
    {
        slicer_.sample(1, t, points_[1]);
        slicer_.sample(n_, t, points_[n_]);
        if (waterlineAt(points_, n_, w_) != Waterline::kCuts) return false;
        const int i = lastCrossing(t);
        z = crossingHalfBreadth(points_[i], points_[i + 1], w_);
        wetArea = SectionArea(wetPolygon(points_, n_, i, t, w_, z, wet_), wet_);
        return true;
    }

    // The last crossing is the lowest line above the waterline, so only the
    // lines from the keel up to it are evaluated. Line 1 lies above (the
    // slice is cut), which ends the climb.
    int lastCrossing(double t)
    {
        int i = n_ - 1;
        for (; i > 1; --i) {
            slicer_.sample(i, t, points_[i]);
            if (points_[i].Y > w_) break;
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
    std::vector<Point3> points_, wet_;
};

}  // namespace

void findCentres(HullSlicer& slicer, double length, double w, Hydrostatics& results)
{
    if (slicer.lineCount() < 1) return;
    CentrePass(slicer, length, w, results).run();
}

}  // namespace model
