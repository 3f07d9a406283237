#include "model/hydrostatics/readout.h"

#include "model/file/numbertext.h"
#include "model/hydrostatics/rounding.h"
#include "model/hydrostatics/units.h"

namespace model {

namespace {

constexpr const char* kInchSign = "\"";
constexpr const char* kCubicFeet = " ft^3";
constexpr const char* kGallons = " Gallons";
constexpr const char* kSquareFeet = " ft^2";
constexpr const char* kKnots = " Knots";
constexpr const char* kSquareInches = " in^2";
constexpr const char* kPercentSign = "%";
constexpr double kPercent = 100.0;
constexpr double kEachSide = 0.5;   // flare is measured on one side
constexpr double kMidpoint = 0.5;   // LCB fraction of the waterline's middle
constexpr int kAngleDecimals = 3;

class ReadOut {
public:
    void rounded(const char* control, double value, int decimals, const char* suffix = "")
    {
        texts.push_back({control, roundedText(value, decimals) + suffix});
    }
    void plain(const char* control, double value) { texts.push_back({control, plainText(value)}); }
    void literal(const char* control, std::string text) { texts.push_back({control, std::move(text)}); }
    std::vector<ControlText> texts;
};

void dimensions(ReadOut& out, const Design& d, const Hydrostatics& r, double maxBeam)
{
    out.rounded("lblMidship", r.Midship - r.WaterlineStart, 2, kInchSign);
    out.rounded("lblFrontDepth1", d.Cockpits[1].FrontDepth, 2, kInchSign);
    out.rounded("lblRearDepth1", d.Cockpits[1].RearDepth, 2, kInchSign);
    out.rounded("lblFrontDepth2", d.Cockpits[2].FrontDepth, 2, kInchSign);
    out.rounded("lblRearDepth2", d.Cockpits[2].RearDepth, 2, kInchSign);
    out.rounded("txtKayakLength", r.overallLength, 3);
    out.rounded("txtLWL", r.LWL, 3, kInchSign);
    out.rounded("txtBOA", maxBeam, 3, kInchSign);
    out.rounded("txtKayakWidth", maxBeam, 3);
    out.rounded("txtBWL", r.BeamWL, 3, kInchSign);
    out.rounded("txtDraft", r.Draft, 3, kInchSign);
}

void capacity(ReadOut& out, const Design& d, const Hydrostatics& r)
{
    out.plain("txtPaddlerWeight", d.PaddlerWeights[1]);
    out.plain("txtCargoWeight", d.CargoWeight);
    out.plain("txtMaterialWeightPerSquareFoot", d.MaterialWeightPerSqFt);
    out.rounded("txtKayakWeight", r.KayakWeight, 3);
    out.plain("txtTargetDisplacement", r.TargetDisplacement);
    out.rounded("txtTV", r.TotalVolume * kCubicFeetPerCubicInch, 3, kCubicFeet);
    out.rounded("txtTotalVolumeGallons", r.TotalVolume * kGallonsPerCubicFoot * kCubicFeetPerCubicInch, 3, kGallons);
    out.rounded("txtWV", r.WetVolume * kCubicFeetPerCubicInch, 6, kCubicFeet);
    out.rounded("txtWetVolumeGallons", r.WetVolume * kGallonsPerCubicFoot * kCubicFeetPerCubicInch, 3, kGallons);
    out.plain("txtDisplacement", r.Displacement);
    out.rounded("txtWaterLevel", d.WaterlineHeight, 5);
}

void areasAndSpeed(ReadOut& out, const Hydrostatics& r)
{
    out.rounded("txtTSA", r.TotalSurfaceArea * kSquareFeetPerSquareInch, 3, kSquareFeet);
    out.rounded("txtWSA", r.WettedSurfaceArea * kSquareFeetPerSquareInch, 3, kSquareFeet);
    out.rounded("txtWaterPlaneArea", r.WaterplaneArea * kSquareFeetPerSquareInch, 3, kSquareFeet);
    out.rounded("txtLengthtoBeamRatio", r.LengthBeamRatio, 3);
    out.rounded("txtWSAtoDisplacementRatio", r.WsaDisplacementRatio, 3);
    out.rounded("txtTheoreticalTopSpeed", r.TopSpeed, 2, kKnots);
    out.rounded("txtAx", r.MaxSectionArea, 3, kSquareInches);
}

void coefficientsAndCentres(ReadOut& out, const Hydrostatics& r, double maxBeam)
{
    out.rounded("txtCb", r.Cb, 9);
    out.rounded("txtCm", r.Cm, 9);
    out.rounded("txtCp", r.Cp, 9);
    out.rounded("txtCwp", r.Cwp, 9);
    out.rounded("txtLCB", r.LCB, 4, kInchSign);
    out.rounded("txtLCBPercent", r.LCBFraction * kPercent, 2, kPercentSign);
    out.rounded("lblLCF", r.LCF, 4, kInchSign);
    out.rounded("lblLCFPercent", r.LCFFraction * kPercent, 2, kPercentSign);
    out.literal("txtLCBForm", hullFormText(r.LCBFraction));
    out.rounded("lblStartofWaterline", r.WaterlineStart, 2, kInchSign);
    out.rounded("lblEndofWaterline", r.WaterlineEnd, 2, kInchSign);
    out.rounded("lblFlare", (maxBeam - r.BeamWL) * kEachSide, 2, kInchSign);
}

}  // namespace

std::string roundedText(double value, int decimals) { return plainText(roundTo(value, decimals)); }

std::string hullFormText(double lcbFraction) { return lcbFraction > kMidpoint ? "Swede Form" : "Fish Form"; }

std::vector<ControlText> halfAngleReadOut(const Hydrostatics& r)
{
    return {{"txtEntryHalfAngle", roundedText(r.EntryHalfAngle, kAngleDecimals)},
            {"txtExitHalfAngle", roundedText(r.ExitHalfAngle, kAngleDecimals)}};
}

std::vector<ControlText> designDataReadOut(const Design& design, const Hydrostatics& results, double maxBeam)
{
    ReadOut out;
    out.texts.reserve(kDesignDataReadOuts);
    dimensions(out, design, results, maxBeam);
    capacity(out, design, results);
    areasAndSpeed(out, results);
    coefficientsAndCentres(out, results, maxBeam);
    return std::move(out.texts);
}

}  // namespace model
