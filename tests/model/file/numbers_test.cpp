#include "model/file/numbertext.h"
#include "model/file/textreading.h"
#include "model/hull/floaterror.h"

#include <gtest/gtest.h>

using namespace model;

TEST(NumberText, LeadingNumbersIgnoreBlanksStrictOnesNeedTheWholeTextAndFileFormsReadBack)
{
    const std::pair<const char*, double> leading[] = {
        {"  24 inches", 24}, {"1 2.5", 12.5}, {"-.5x", -0.5}, {"+4", 4}, {"1e3lbs", 1000}, {"1e", 1},
        {"abc", 0}, {"", 0}, {"1e-999", 0}};
    for (auto [text, value] : leading) EXPECT_EQ(leadingNumber(text), value) << '"' << text << '"';
    EXPECT_THROW(leadingNumber("1e999"), FloatError);
    EXPECT_EQ(strictNumber(" 12.5 "), 12.5);
    EXPECT_FALSE(strictNumber("12a"));
    EXPECT_FALSE(strictNumber("   "));

    // The file form written and read back.
    const std::pair<double, const char*> cases[] = {
        {0.5, " .5"}, {-0.25, "-.25"}, {14, " 14"}, {-0.0, " 0"}, {0.000001, " 1E-06"}, {0.0001, " .0001"},
        {-0.000015, "-1.5E-05"}, {123456789012345.0, " 123456789012345"}, {1e15, " 1E+15"},
        {1.0 / 3, " .333333333333333"}, {2.0 / 3, " .666666666666667"}, {-204.0 / 7, "-29.1428571428571"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(numberText(value), text);
        EXPECT_EQ(numberText(*parseNumberText(text)), text);
    }
    for (const char* plain : {"  0.5  ", "0.5", ".5", "5E-1", "5e-1"}) EXPECT_EQ(*parseNumberText(plain), 0.5);
    for (const char* bad : {"", "   ", "-", ".", "abc", "1,5", "1.5x", "+1", "1E+", "inf", "nan", "0x10", "1e999"})
        EXPECT_FALSE(parseNumberText(bad)) << bad;
}
