#pragma once
// Two hydrostatics runs compared to the bit: every result, both half-breadth
// tables and the volume graph. The sample cache is not a result.

#include "model/hull/geometry.h"
#include "model/hydrostatics/hydrostatics.h"

#include <string>
#include <vector>

namespace testsupport {

// The names of the results that differ; empty when the runs agree.
inline std::vector<std::string> differingResults(const model::Hydrostatics& a, const model::Hydrostatics& b)
{
    using H = model::Hydrostatics;
    const std::pair<const char*, double H::*> fields[] = {
        {"TotalVolume", &H::TotalVolume}, {"WetVolume", &H::WetVolume}, {"TotalSurfaceArea", &H::TotalSurfaceArea},
        {"WettedSurfaceArea", &H::WettedSurfaceArea}, {"WaterplaneArea", &H::WaterplaneArea},
        {"MaxSectionArea", &H::MaxSectionArea}, {"BeamWL", &H::BeamWL}, {"WaterlineStart", &H::WaterlineStart},
        {"WaterlineEnd", &H::WaterlineEnd}, {"LWL", &H::LWL}, {"Draft", &H::Draft},
        {"LengthBeamRatio", &H::LengthBeamRatio}, {"WsaDisplacementRatio", &H::WsaDisplacementRatio},
        {"Cb", &H::Cb}, {"Cm", &H::Cm}, {"Cp", &H::Cp}, {"Cwp", &H::Cwp}, {"LCBPosition", &H::LCBPosition},
        {"LCB", &H::LCB}, {"LCBFraction", &H::LCBFraction}, {"LCF", &H::LCF}, {"LCFFraction", &H::LCFFraction},
        {"Midship", &H::Midship}, {"Displacement", &H::Displacement},
        {"TargetDisplacement", &H::TargetDisplacement}, {"TopSpeed", &H::TopSpeed},
        {"KayakWeight", &H::KayakWeight}, {"HalfVolumeSum", &H::HalfVolumeSum},
        {"HalfWaterplaneSum", &H::HalfWaterplaneSum}, {"EntryHalfWidth", &H::EntryHalfWidth},
        {"ExitHalfWidth", &H::ExitHalfWidth}, {"EntryHalfAngle", &H::EntryHalfAngle},
        {"ExitHalfAngle", &H::ExitHalfAngle}, {"EntryMeasuredFrom", &H::EntryMeasuredFrom},
        {"ExitMeasuredFrom", &H::ExitMeasuredFrom}, {"overallLength", &H::overallLength},
        {"lowestLineHeight", &H::lowestLineHeight}, {"highestLineHeight", &H::highestLineHeight}};
    std::vector<std::string> differ;
    for (const auto& [name, field] : fields)
        if (!model::sameBits(a.*field, b.*field)) differ.push_back(name);
    const auto sameTable = [](const std::vector<double>& x, const std::vector<double>& y) {
        if (x.size() != y.size()) return false;
        for (std::size_t i = 0; i < x.size(); ++i)
            if (!model::sameBits(x[i], y[i])) return false;
        return true;
    };
    if (!sameTable(a.WaterlineHalfBreadthsTop, b.WaterlineHalfBreadthsTop)) differ.push_back("HalfBreadthsTop");
    if (!sameTable(a.WaterlineHalfBreadthsBottom, b.WaterlineHalfBreadthsBottom))
        differ.push_back("HalfBreadthsBottom");
    std::vector<double> barsA, barsB;
    for (const model::VolumeBar& bar : a.volumeGraph.bars) barsA.insert(barsA.end(), {bar.x, bar.v});
    for (const model::VolumeBar& bar : b.volumeGraph.bars) barsB.insert(barsB.end(), {bar.x, bar.v});
    if (!sameTable(barsA, barsB)) differ.push_back("volumeGraph");
    if (std::tuple(a.VolumeSliceCount, a.lcbFound, a.lcfFound, a.hullSeen) !=
        std::tuple(b.VolumeSliceCount, b.lcbFound, b.lcfFound, b.hullSeen))
        differ.push_back("counts and flags");
    return differ;
}

}  // namespace testsupport
