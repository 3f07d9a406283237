#include "model/readout.h"
#include "tests/model/hydrotestsupport.h"

#include <gtest/gtest.h>

#include <map>

using namespace model;
using testsupport::prismHull;

namespace {

std::map<std::string, std::string> byControl(const std::vector<ControlText>& texts)
{
    std::map<std::string, std::string> m;
    for (const auto& t : texts) m[t.control] = t.text;
    return m;
}

}  // namespace

TEST(ReadOut, WritesTheFortyOneControlsInOrder)
{
    Design d = prismHull(100, boxSection(20, 10), 4);
    const Hydrostatics h = hydrostaticsOf(d);
    const auto texts = designDataReadOut(d, h, 20);
    const char* order[kDesignDataReadOuts] = {
        "lblMidship", "lblFrontDepth1", "lblRearDepth1", "lblFrontDepth2", "lblRearDepth2", "txtKayakLength",
        "txtLWL", "txtBOA", "txtKayakWidth", "txtBWL", "txtDraft", "txtPaddlerWeight", "txtCargoWeight",
        "txtMaterialWeightPerSquareFoot", "txtKayakWeight", "txtTargetDisplacement", "txtTV",
        "txtTotalVolumeGallons", "txtWV", "txtWetVolumeGallons", "txtDisplacement", "txtWaterLevel", "txtTSA",
        "txtWSA", "txtWaterPlaneArea", "txtLengthtoBeamRatio", "txtWSAtoDisplacementRatio",
        "txtTheoreticalTopSpeed", "txtAx", "txtCb", "txtCm", "txtCp", "txtCwp", "txtLCB", "txtLCBPercent",
        "lblLCF", "lblLCFPercent", "txtLCBForm", "lblStartofWaterline", "lblEndofWaterline", "lblFlare"};
    ASSERT_EQ(texts.size(), std::size_t(kDesignDataReadOuts));
    for (int k = 0; k < kDesignDataReadOuts; ++k) EXPECT_EQ(texts[k].control, order[k]) << k;
}

TEST(ReadOut, FormatsEachValueWithItsDecimalsAndUnit)
{
    Design d = prismHull(100, boxSection(20, 10), 4);
    d.PaddlerWeights = {0, 180.25, 0};
    d.CargoWeight = 0.5;
    const Hydrostatics h = hydrostaticsOf(d);
    auto t = byControl(designDataReadOut(d, h, 21));
    EXPECT_EQ(t["lblMidship"], "49.95\"");
    EXPECT_EQ(t["lblFrontDepth2"], "0\"");  // a one-cockpit design still writes record 2
    EXPECT_EQ(t["txtKayakLength"], "100");
    EXPECT_EQ(t["txtKayakWidth"], "21");
    EXPECT_EQ(t["txtPaddlerWeight"], "180.25");
    EXPECT_EQ(t["txtCargoWeight"], "0.5");
    EXPECT_EQ(t["txtTotalVolumeGallons"], "86.58 Gallons");
    EXPECT_EQ(t["txtWV"], "4.62963 ft^3");  // six decimals, trailing zeros dropped
    EXPECT_EQ(t["txtDisplacement"], "296.3");
    EXPECT_EQ(t["txtTSA"], "41.667 ft^2");
    EXPECT_EQ(t["txtTheoreticalTopSpeed"], "3.87 Knots");
    EXPECT_EQ(t["txtAx"], "80 in^2");
    EXPECT_EQ(t["txtCb"], "1.001001001");
    EXPECT_EQ(t["txtLCBPercent"], "50.05%");
    EXPECT_EQ(t["txtLCBForm"], "Swede Form");
    EXPECT_EQ(t["lblFlare"], "0.5\"");
}

TEST(ReadOut, ZeroWaterlineLengthShowsZeroPercentAndFishForm)
{
    Design d = prismHull(100, boxSection(20, 10), 12);  // awash
    auto t = byControl(designDataReadOut(d, hydrostaticsOf(d), 20));
    EXPECT_EQ(t["txtLCBPercent"], "0%");
    EXPECT_EQ(t["lblLCFPercent"], "0%");
    EXPECT_EQ(t["txtLCBForm"], "Fish Form");
    EXPECT_EQ(hullFormText(0.5), "Fish Form");
    EXPECT_EQ(hullFormText(0.5000001), "Swede Form");
}
