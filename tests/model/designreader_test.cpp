#include "model/designreader.h"
#include "model/designwriter.h"
#include "tests/model/minidesign.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>

using namespace testdesigns;
using model::Design;

namespace {

Design readOrFail(std::string_view text)
{
    model::DesignRead read = model::readDesignText(text);
    EXPECT_TRUE(read.design) << read.fault;
    return read.design ? *read.design : Design{};
}

std::string oldVersionText(const Design& d, const char* version)
{
    return model::writeDesignRows(d, model::kOldLayout, version);
}

}  // namespace

TEST(DesignReader, SaveOpenSaveGivesTheSameBytes)
{
    for (const Design& d : {miniDesign(), testsupport::furnishedKayak(), testsupport::sevenLineKayak()}) {
        const std::string first = model::writeDesignText(d);
        EXPECT_EQ(model::writeDesignText(readOrFail(first)), first);
    }
}

TEST(DesignReader, SetsWhatTheFileDoesNotHold)
{
    const Design d = readOrFail(model::writeDesignText(miniDesign()));
    EXPECT_EQ(d.DesignVersion, "1.2.0");
    EXPECT_EQ(d.ControlPoints[1].Position.Flag, 0);  // the selection mark is not saved
    ASSERT_EQ(d.BulkheadHandles.size(), 2u);
    ASSERT_EQ(d.BulkheadDrawOrigin.size(), 2u);
    // A bulkhead at half of 200 inches has its handle at 100 inches.
    EXPECT_EQ(d.BulkheadHandles[1].X, 100);
    EXPECT_EQ(d.BulkheadHandles[1].Y, 0);
}

TEST(DesignReader, AcceptsBareLineFeedsBlanksAndAMissingLastLineEnd)
{
    std::vector<std::string> rows = rowsOf(model::writeDesignText(miniDesign()));
    for (auto& row : rows) row = "  " + row + "  ";
    std::string text = textOf(rows, "\n");
    text.pop_back();
    EXPECT_EQ(model::writeDesignText(readOrFail(text)), model::writeDesignText(miniDesign()));
}

TEST(DesignReader, RoundsWholeNumberRowsToTheNearestEven)
{
    auto rows = rowsOf(model::writeDesignText(miniDesign()));
    rows[1 + kMiniCurves.size() + kMiniPanelEnds.size() + kMiniIsHull.size() + kMiniStations.size() +
         kMiniPaddlers.size() + 3] = " 4.5";  // StitchSpacing
    EXPECT_EQ(readOrFail(textOf(rows)).StitchSpacing, 4);
}

TEST(DesignReader, FillsThePanelEndTableForOldVersions)
{
    const Design source = testsupport::furnishedKayak();  // six panels
    for (const char* version : {"1.0.0", "1.0.1"}) {
        const Design d = readOrFail(oldVersionText(source, version));
        EXPECT_EQ(d.DesignVersion, version);
        ASSERT_EQ(d.PanelsPerSide, 6);
        const std::array<std::int16_t, 3> ends[] = {{0, 1, 14}, {0, 18, 23}, {0, 1, 14}, {0, 28, 43}, {0, 32, 39}, {0, 0, 0}};
        const std::int16_t isHull[] = {0, 0, 1, 1, 1, 1};
        for (int k = 1; k <= 6; ++k) {
            EXPECT_EQ(d.PanelEnds[k], ends[k - 1]) << "panel " << k;
            EXPECT_EQ(d.HullPanels[k].IsHull, isHull[k - 1]) << "panel " << k;
        }
        // Saved again it is a current file with its panel rows.
        const std::string saved = model::writeDesignText(d);
        EXPECT_EQ(rowsOf(saved).front(), "1.2.0");
        EXPECT_EQ(readOrFail(saved).PanelEnds[4][2], 43);
    }
}

TEST(DesignReader, RefusesOldVersionsWithFewerThanFivePanels)
{
    Design d = testsupport::furnishedKayak();
    d.PanelsPerSide = 4;
    const model::DesignRead read = model::readDesignText(oldVersionText(d, "1.0.1"));
    EXPECT_FALSE(read.design);
}

TEST(DesignReader, ReadsTemplates)
{
    const Design source = testsupport::furnishedKayak();
    const model::DesignRead two = model::readTemplateText(model::writeTemplateText(source, model::PaddlerRows::Two),
                                                          model::PaddlerRows::Two);
    ASSERT_TRUE(two.design) << two.fault;
    EXPECT_EQ(two.design->PaddlerWeights[2], 165.5);
    EXPECT_EQ(two.design->BulkheadCount, 0);
    EXPECT_EQ(two.design->Cockpits[1].DistanceBetweenCockpits, 0);
    EXPECT_EQ(two.design->PanelEnds[2], source.PanelEnds[2]);
    for (int k = 1; k <= two.design->PanelsPerSide; ++k) EXPECT_EQ(two.design->HullPanels[k].IsHull, 0);
    EXPECT_EQ(model::writeTemplateText(*two.design, model::PaddlerRows::Two),
              model::writeTemplateText(source, model::PaddlerRows::Two));

    // The two-cockpit template's one paddler row stands for both paddlers.
    const model::DesignRead one = model::readTemplateText(model::writeTemplateText(source, model::PaddlerRows::One),
                                                          model::PaddlerRows::One);
    ASSERT_TRUE(one.design) << one.fault;
    EXPECT_EQ(one.design->PaddlerWeights[1], 190);
    EXPECT_EQ(one.design->PaddlerWeights[2], 190);
    EXPECT_EQ(one.design->Cockpits[2].RimPoints, source.Cockpits[2].RimPoints);
}

TEST(DesignReader, TemplatesAreNotDesignFilesNorTheOtherLayout)
{
    const Design source = testsupport::furnishedKayak();
    EXPECT_FALSE(model::readDesignText(model::writeTemplateText(source, model::PaddlerRows::Two)).design);
    EXPECT_FALSE(model::readTemplateText(model::writeDesignText(source), model::PaddlerRows::Two).design);
}

TEST(DesignReader, WritesAndReadsTheSameUnderACommaDecimalLocale)
{
    const std::string expected = model::writeDesignText(testsupport::furnishedKayak());
    const std::string savedC = std::setlocale(LC_ALL, nullptr);
    const std::locale savedGlobal;
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
        if ((found = std::setlocale(LC_ALL, name))) break;
    if (!found) GTEST_SKIP() << "no comma-decimal locale installed (scripts/deps.sh makes de_DE.UTF-8)";
    std::locale::global(std::locale(found));
    ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));

    const std::string text = model::writeDesignText(testsupport::furnishedKayak());
    const model::DesignRead read = model::readDesignText(text);

    std::locale::global(savedGlobal);
    std::setlocale(LC_ALL, savedC.c_str());
    EXPECT_EQ(text, expected);
    ASSERT_TRUE(read.design) << read.fault;
    EXPECT_EQ(model::writeDesignText(*read.design), expected);
}

TEST(DesignReader, RefusesNumbersTooLargeToWriteBack)
{
    // Fifteen digits of the largest double round up beyond it, so such a value
    // would be saved into a file that no longer opens.
    auto rows = rowsOf(model::writeDesignText(miniDesign()));
    rows[1] = " 1.7976931348623157E+308";
    EXPECT_FALSE(model::readDesignText(textOf(rows)).design);
    rows[1] = " 1.79769313486231E+308";
    EXPECT_TRUE(model::readDesignText(textOf(rows)).design);
}
