#include "panels/cuttingsheet.h"
#include "tests/panels/stripdesign.h"

#include <gtest/gtest.h>

using model::Point3;
using panels::SheetLine;

TEST(CuttingSheet, WidthAndHeight)
{
    const std::pair<double, int> widths[] = {{100, 196}, {156, 196}, {160, 185}, {157.5, 182}, {158.5, 184}, {360, 385}};
    for (const auto& [length, width] : widths) EXPECT_EQ(panels::sheetWidth(length), width) << length;
    EXPECT_EQ(panels::sheetHeight(1200, 651, 196), 106);  // 106.33
    EXPECT_EQ(panels::sheetHeight(800, 300, 185), 69);     // 69.375
    EXPECT_EQ(panels::sheetHeight(2, 5, 1), 2);            // halves to even
    EXPECT_EQ(panels::sheetHeight(2, 3, 1), 2);
    EXPECT_EQ(panels::sheetHeight(0, 600, 196), 0);
}

TEST(CuttingSheet, PanelRowsAndBulkheadPlaces)
{
    model::Design d;
    d.HullLength = 204;
    d.PanelsPerSide = 8;
    d.BulkheadCount = 3;
    const auto sheet = panels::layOutSheet(d, 1200, 651);
    EXPECT_EQ(sheet.SheetWidth, 229);
    EXPECT_EQ(sheet.SheetHeight, 124);  // 124.2
    EXPECT_EQ(sheet.SheetOriginX, 0);
    EXPECT_EQ(sheet.SheetOriginY, 0);
    EXPECT_EQ(sheet.PanelColumnOffset, 5);
    EXPECT_EQ(sheet.PanelRowOffset, (std::vector<std::int16_t>{0, 4, 19, 34, 49, 64, 79, 94, 109}));
    ASSERT_EQ(sheet.BulkheadDrawOrigin.size(), 4u);
    for (int b = 1; b <= 3; ++b) {
        EXPECT_EQ(sheet.BulkheadDrawOrigin[b].X, 25 * b);
        EXPECT_EQ(sheet.BulkheadDrawOrigin[b].Y, 88);
    }
}

// Bulkhead 2 has a section through three lines; its two segments are drawn
// on both sides of its centreline. Then the one panel, from its chord's row.
TEST(CuttingSheet, LinesOfTheBulkheadsThenThePanels)
{
    auto d = panelstest::stripDesign(
        128, 4, [](int) { return panelstest::EdgePoints{{0, 0, 5}, {0, 10, 5}}; }, {0, 5, 5}, {128, 5, 5});
    d.PanelsPerSide = 2;  // panel 2 has no line 3 at the stations and stays undeveloped
    d.BulkheadCount = 2;
    d.Bulkheads.resize(3);
    d.Bulkheads[1].Pts = {{}, {}};  // no lines: nothing to draw
    d.Bulkheads[2].Pts = {{}, {0.5, 12 / 128.0, 0}, {0.5, 8 / 128.0, 10 / 128.0}, {0.5, 0, 2 / 128.0}};
    const auto developed = panels::DevelopPanels(d);
    ASSERT_TRUE(developed[1].laidFlat);
    ASSERT_FALSE(developed[2].laidFlat);
    const auto sheet = panels::layOutSheet(d, 1000, 500);
    const auto lines = panels::sheetLines(d, sheet, developed);

    const std::vector<SheetLine> expected = {
        {50, 76, 60, 80}, {50, 76, 40, 80}, {60, 80, 52, 88}, {40, 80, 48, 88},  // bulkhead 2
        {5, 4, 37, 9},                                                            // start line P(1)-P(2)
        {5, 4, 69, -1},   {37, 9, 69, 9},   {69, -1, 101, -1}, {69, 9, 101, 9}, {101, -1, 133, 4},
        {101, 9, 133, 4},                                                         // end line P(6)-P(7)
    };
    EXPECT_EQ(lines, expected);
}
