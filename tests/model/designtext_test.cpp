#include "model/designreader.h"
#include "model/designwriter.h"
#include "tests/model/minidesign.h"
#include "tests/support/designbuilder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>

using namespace testdesigns;

// The rows of a saved file, in order and in their number text: the files users
// already have depend on both.
TEST(DesignText, WritesEveryRowInFileOrder)
{
    const std::vector<std::string> rows = {
        "1.2.0", " 200", " 4",                                                 // version, length, points
        " 0", " .1", " 0", " 0", " 0", " 0", " 0", " 1", " 2",                 // anchor linked to 2
        " .25", " .05", " .03", " 1", " 0", " 1", " 1", " 1", " 1", " 3",      // smooth handle
        " 1", " .1", " 0", " 0", " 0", " 0", " 2", " .5", " 0", " 0", " 0", " 0", " 0", " 2",  // plain
        " 2", " 1", " 2", " 3", " 4", " 0", " 4", " 3", " 2", " 1", " 1", " 3",  // segments
        " 2", " 2", " 1", " 2", " 1", " 2",                                    // lines
        " 1", " 1", " 2", " 1", " 4", " 1",                                    // panel: lines, ends, hull
        " 20", " 190", " 175", " 25.5", " .5", " 4.25", " 4", "-.125",         // settings
        " 1", " 2", " 3", " 4", " 11", " 32", " 18", " 0",                     // cockpit, distance
        " 1", " .5"};                                                          // bulkheads
    EXPECT_EQ(model::writeDesignText(miniDesign()), textOf(rows));
}

TEST(DesignText, ReadsLooserTextsThanItWrites)
{
    const std::string canonical = model::writeDesignText(miniDesign());
    std::string loose;  // blanks around every row, bare line feeds, no end to the last row
    for (const auto& row : rowsOf(canonical)) loose += "  " + row + "  \n";
    loose.pop_back();
    const std::string largest = withRow(kRowHullLength, " 1.79769313486231E+308");
    const std::pair<std::string, std::string> cases[] = {
        {loose, canonical},
        {withRow(kRowStitchSpacing, " 4.5"), canonical},  // a half in a whole-number row goes to the even neighbour
        {largest, largest},                               // the largest number whose text reads back
    };
    for (const auto& [text, saved] : cases) {
        const model::DesignRead read = model::readDesignText(text);
        ASSERT_TRUE(read.design) << read.fault;
        EXPECT_EQ(model::writeDesignText(*read.design), saved);
    }
}

TEST(DesignText, WritesAndReadsTheSameUnderACommaDecimalLocale)
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
