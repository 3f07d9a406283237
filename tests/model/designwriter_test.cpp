#include "model/designwriter.h"
#include "tests/model/minidesign.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace testdesigns;

TEST(DesignWriter, WritesEveryRowInFileOrder)
{
    const auto expected = joined({{"1.2.0"}, kMiniCurves, kMiniPanelEnds, kMiniIsHull, kMiniStations, kMiniPaddlers,
                                  kMiniSettings, kMiniCockpits, kMiniDistance, kMiniBulkheads});
    const std::string text = model::writeDesignText(miniDesign());
    EXPECT_EQ(rowsOf(text), expected);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");  // the last row too
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::ptrdiff_t(expected.size()));
}

TEST(DesignWriter, WritesTemplatesWithoutTheFileOnlyRows)
{
    const model::Design d = miniDesign();
    EXPECT_EQ(rowsOf(model::writeTemplateText(d, model::PaddlerRows::Two)),
              joined({kMiniCurves, kMiniPanelEnds, kMiniStations, kMiniPaddlers, kMiniSettings, kMiniCockpits}));
    EXPECT_EQ(rowsOf(model::writeTemplateText(d, model::PaddlerRows::One)),
              joined({kMiniCurves, kMiniPanelEnds, kMiniStations, {kMiniPaddlers[0]}, kMiniSettings, kMiniCockpits}));
}

TEST(DesignWriter, WritesCockpitRecordsUpToTheCount)
{
    model::Design d = miniDesign();
    d.CockpitCount = 2;
    d.Cockpits[2].RimPointCount = 1;
    d.Cockpits[2].RimPoints[1] = 4;
    d.Cockpits[2].AftToCG = 9;
    d.Cockpits[3].RimPointCount = 5;  // beyond the count: not written
    const auto rows = rowsOf(model::writeDesignText(d));
    const std::vector<std::string> cockpits = {" 2", " 2", " 3", " 4", " 11", " 32", " 18", " 1", " 4", " 9", " 0", " 0"};
    const auto tail = joined({cockpits, kMiniDistance, kMiniBulkheads});
    EXPECT_TRUE(std::equal(tail.rbegin(), tail.rend(), rows.rbegin()));
}
