#include "model/hydropasses.h"

#include "model/geometry.h"
#include "model/rounding.h"

namespace model {

namespace {

constexpr double kTableIndexFactor = 1000.0;

// One run of the first pass; the slice's sums go straight into the results.
class VolumePass {
public:
    VolumePass(HullSlicer& slicer, double length, double w, Hydrostatics& results)
        : slicer_(slicer), n_(slicer.lineCount()), length_(length), l2_(length * length),
          l3_(length * length * length), w_(w), r_(results), points_(n_ + 1), wet_(n_ + 3)
    {
    }

    HeightRange run()
    {
        // t advances by repeated addition, as the slices always have: 1000
        // slices from 0 to 0.999, the last addition landing just past 1.
        for (double t = 0; t <= 1; t += kSliceStep) slice(t);
        r_.WaterlineStart = start_;
        r_.WaterlineEnd = end_;
        return heights_;
    }

private:
    void slice(double t)
    {
        slicer_.sample(t, points_, length_, heights_);
        points_[0] = {t, points_[1].Y, 0, 0};
        const double area = halfSectionArea(points_, n_);
        const double skin = girth(points_, 1, n_);
        double wetArea = 0, wetSkin = 0;
        switch (waterlineAt(points_, n_, w_)) {
        case Waterline::kAbove: wetArea = area; wetSkin = skin; break;
        case Waterline::kBelow: break;
        case Waterline::kCuts: cutSection(t, wetArea, wetSkin); break;
        }
        addSlice(t, area, skin, wetArea, wetSkin);
    }

    // Every crossing counts towards the waterplane, limits, beam and tables;
    // the wet area and girth are those of the last one.
    void cutSection(double t, double& wetArea, double& wetSkin)
    {
        int last = 0;
        double lastZ = 0;
        for (int i = 1; i < n_; ++i) {
            if (!crosses(points_, i, w_)) continue;
            lastZ = crossingHalfBreadth(points_[i], points_[i + 1], w_);
            addCrossing(t, i, lastZ);
            last = i;
        }
        if (last == 0) return;
        const int m = wetPolygon(points_, n_, last, t, w_, lastZ, wet_);
        wetArea = SectionArea(m, wet_);
        wetSkin = girth(wet_, 2, m);
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

    HullSlicer& slicer_;
    const int n_;
    const double length_, l2_, l3_, w_;
    Hydrostatics& r_;
    std::vector<Point3> points_, wet_;
    HeightRange heights_;
    bool startFound_ = false;
    double start_ = 0, end_ = 0;
};

}  // namespace

HeightRange integrateSlices(HullSlicer& slicer, double length, double w, Hydrostatics& results)
{
    if (slicer.lineCount() < 1) return {};
    return VolumePass(slicer, length, w, results).run();
}

}  // namespace model
