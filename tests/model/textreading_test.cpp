#include "model/floaterror.h"
#include "model/numbertext.h"
#include "model/rounding.h"
#include "model/textreading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>

using namespace model;

TEST(Rounding, TheDecimalReadIsScaledThenHalvesGoToEven)
{
    // value, decimals, result: 76.55, 5.123455 and 2.675 are stored just
    // below the half but read as it, so the even neighbour wins.
    const std::tuple<double, int, double> cases[] = {
        {76.55, 1, 76.6}, {150.35, 1, 150.4}, {5.123455, 5, 5.12346}, {0.125, 2, 0.12},
        {3.5, 0, 4},      {-2.5, 0, -2},      {2.675, 2, 2.68},       {1E+300, 5, 1E+300}};
    for (auto [value, decimals, result] : cases) EXPECT_EQ(roundTo(value, decimals), result) << value;
    EXPECT_FALSE(std::signbit(roundTo(-0.0001, 2)));
    EXPECT_EQ(roundToInt16(2.5), 2);
    EXPECT_EQ(roundToInt16(-3.5), -4);
    EXPECT_THROW(roundToInt16(40000), FloatError);
    // Read-outs show the leading zero and no blank.
    EXPECT_EQ(plainText(-0.25), "-0.25");
    EXPECT_EQ(plainText(-0.0), "0");
}

TEST(NumberReading, LeadingNumberIgnoresBlanksAndStrictNeedsTheWholeText)
{
    const std::pair<const char*, double> leading[] = {
        {"  24 inches", 24}, {"1 2.5", 12.5}, {"-.5x", -0.5}, {"+4", 4}, {"1e3lbs", 1000}, {"1e", 1},
        {"abc", 0}, {"", 0}, {"1e-999", 0}};
    for (auto [text, value] : leading) EXPECT_EQ(leadingNumber(text), value) << '"' << text << '"';
    EXPECT_THROW(leadingNumber("1e999"), FloatError);
    EXPECT_EQ(strictNumber(" 12.5 "), 12.5);
    EXPECT_FALSE(strictNumber("12a"));
    EXPECT_FALSE(strictNumber("   "));
}

TEST(NumberText, WritesTheFileFormAndReadsItBack)
{
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
