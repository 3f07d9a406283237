#include "model/hydrostatics/hydropasses.h"

#include "model/hull/geometry.h"
#include "model/hydrostatics/rounding.h"

namespace model {

namespace {

constexpr double kTableIndexFactor = 1000.0;

// One run of the first pass; the slice's sums go straight into the results.
class VolumePass {
public:
    VolumePass(LineSampleCache& slices, int lines, double length, double w, Hydrostatics& results)
        : slices_(slices), n_(lines), length_(length), l2_(length * length), l3_(length * length * length), w_(w),
          r_(results)
    {
    }

    HeightRange run()
    {
        // t advances by repeated addition, as the slices always have: 1000
        // slices from 0 to 0.999, the last addition landing just past 1.
        for (int k = 0; k < slices_.sliceCount(); ++k) slice(k);
        r_.WaterlineStart = start_;
        r_.WaterlineEnd = end_;
        return slices_.heights(length_);
    }

private:
    void slice(int k)
    {
        const double t = slices_.sliceX(k);
        const Point3* points = slices_.row(k);
        const double area = slices_.halfArea(k), skin = slices_.girth(k);
        double wetArea = 0, wetSkin = 0;
        switch (waterlineAt(points, n_, w_)) {
        case Waterline::kAbove: wetArea = area; wetSkin = skin; break;
        case Waterline::kBelow: break;
        case Waterline::kCuts: cutSection(k, t, points, wetArea, wetSkin); break;
        }
        addSlice(t, area, skin, wetArea, wetSkin);
    }

    // Every crossing counts towards the waterplane, limits, beam and tables;
    // the wet area and girth are those of the last one.
    void cutSection(int k, double t, const Point3* points, double& wet, double& wetSkin)
    {
        int last = 0;
        double lastZ = 0;
        for (int i = 1; i < n_; ++i) {
            if (!crosses(points, i, w_)) continue;
            lastZ = crossingHalfBreadth(points[i], points[i + 1], w_);
            addCrossing(t, i, lastZ);
            last = i;
        }
        if (last == 0) return;
        wet = wetArea(points, n_, last, t, w_, lastZ);
        wetSkin = wetGirth(points, slices_.edges(k), n_, last, t, w_, lastZ);
    }
    void addCrossing(double t, int i, double z)
    {
        r_.WaterplaneArea += kBothSides * kSliceStep * length_ * z * length_;
        // A found flag, not 0, marks the start as set: a hull cut at t = 0
        // starts its waterline there.
        if (!startFound_) {
            start_ = end_ = length_ * t;
            startFound_ = true;
        } else {
            end_ = length_ * t;
        }
        if (kBothSides * z * length_ > r_.BeamWL) r_.BeamWL = kBothSides * z * length_;
        const int k = roundToInt16(t * kTableIndexFactor);
        auto& table = i >= kSheerLine ? r_.WaterlineHalfBreadthsBottom : r_.WaterlineHalfBreadthsTop;
        table[k] = length_ * z;
    }

    void addSlice(double t, double area, double skin, double wetArea, double wetSkin)
    {
        r_.TotalSurfaceArea += l2_ * (kBothSides * skin * kSliceStep);
        r_.WettedSurfaceArea += l2_ * (kBothSides * wetSkin * kSliceStep);
        r_.TotalVolume += l3_ * kBothSides * area * kSliceStep;
        const double wetVolume = l3_ * kBothSides * wetArea * kSliceStep;
        r_.volumeGraph.bars.push_back({length_ * t, wetVolume});
        r_.WetVolume += wetVolume;
        if (l2_ * kBothSides * wetArea > r_.MaxSectionArea) r_.MaxSectionArea = l2_ * kBothSides * wetArea;
    }

    LineSampleCache& slices_;
    const int n_;
    const double length_, l2_, l3_, w_;
    Hydrostatics& r_;
    bool startFound_ = false;
    double start_ = 0, end_ = 0;
};

}  // namespace

HeightRange integrateSlices(HullSlicer& slicer, double length, double w, Hydrostatics& results)
{
    if (slicer.lineCount() < 1) return {};
    return VolumePass(slicer.slices(), slicer.lineCount(), length, w, results).run();
}

}  // namespace model
