#include "model/readout.h"
#include "tests/model/hydrotestsupport.h"

#include <gtest/gtest.h>

using namespace model;

// The box floating at 4": 99.9" of waterline, 41.67 square feet of skin at
// half a pound, 8000 cubic inches wet, 2800 square inches wetted. Its second
// paddler has no cockpit; cockpit record 2 is written all the same.
TEST(ReadOut, WritesFortyOneTextsInOrderWithTheirDecimalsAndUnits)
{
    Design d = prismHull(100, boxSection(20, 10), 4);
    d.MaterialWeightPerSqFt = 0.5;
    d.PaddlerWeights = {0, 180.25, 70};
    const auto texts = designDataReadOut(d, hydrostaticsOf(d), 21);
    ASSERT_EQ(texts.size(), std::size_t(kDesignDataReadOuts));
    const struct { int index; const char *control, *text; } rows[] = {
        {0, "lblMidship", "49.95\""}, {3, "lblFrontDepth2", "0\""}, {5, "txtKayakLength", "100"},
        {6, "txtLWL", "99.9\""}, {8, "txtKayakWidth", "21"}, {10, "txtDraft", "4\""},
        {11, "txtPaddlerWeight", "180.25"}, {14, "txtKayakWeight", "20.833"}, {15, "txtTargetDisplacement", "201.1"},
        {17, "txtTotalVolumeGallons", "86.58 Gallons"}, {18, "txtWV", "4.62963 ft^3"}, {20, "txtDisplacement", "296.3"},
        {22, "txtTSA", "41.667 ft^2"}, {25, "txtLengthtoBeamRatio", "4.995"}, {26, "txtWSAtoDisplacementRatio", "7"},
        {27, "txtTheoreticalTopSpeed", "3.87 Knots"}, {29, "txtCb", "1.001001001"}, {34, "txtLCBPercent", "50.05%"},
        {37, "txtLCBForm", "Swede Form"}, {40, "lblFlare", "0.5\""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(texts[row.index].control, row.control) << row.index;
        EXPECT_EQ(texts[row.index].text, row.text) << row.control;
    }
    EXPECT_EQ(hullFormText(0.5), "Fish Form");  // Swede only when the LCB lies aft of the middle
}
