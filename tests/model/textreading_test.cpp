#include "model/floaterror.h"
#include "model/numbertext.h"
#include "model/rounding.h"
#include "model/textreading.h"

#include <gtest/gtest.h>

using namespace model;

TEST(Rounding, HalvesGoToTheEvenDigitOfTheExactValue)
{
    EXPECT_EQ(roundTo(0.125, 2), 0.12);
    EXPECT_EQ(roundTo(2.5, 0), 2);
    EXPECT_EQ(roundTo(3.5, 0), 4);
    EXPECT_EQ(roundTo(-2.5, 0), -2);
    EXPECT_EQ(roundTo(2.675, 2), 2.67);  // stored just below the half
    EXPECT_EQ(roundTo(296.29629644, 1), 296.3);
    EXPECT_FALSE(std::signbit(roundTo(-0.0001, 2)));
    EXPECT_EQ(roundToInt16(2.5), 2);
    EXPECT_EQ(roundToInt16(-3.5), -4);
    EXPECT_THROW(roundToInt16(40000), FloatError);
}

TEST(PlainText, KeepsTheLeadingZeroAndDropsTheBlank)
{
    EXPECT_EQ(plainText(0.5), "0.5");
    EXPECT_EQ(plainText(-0.25), "-0.25");
    EXPECT_EQ(plainText(204), "204");
    EXPECT_EQ(plainText(0), "0");
    EXPECT_EQ(plainText(-0.0), "0");
    EXPECT_EQ(plainText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(plainText(1e-6), "1E-06");
    EXPECT_EQ(numberText(0.5), " .5");  // the caption text keeps its own form
}

TEST(LeadingNumber, ReadsTheLongestLeadingNumberIgnoringBlanks)
{
    EXPECT_EQ(leadingNumber("  24 inches"), 24);
    EXPECT_EQ(leadingNumber("1 2.5"), 12.5);
    EXPECT_EQ(leadingNumber("-.5x"), -0.5);
    EXPECT_EQ(leadingNumber("+4"), 4);
    EXPECT_EQ(leadingNumber("1e3lbs"), 1000);
    EXPECT_EQ(leadingNumber("1e"), 1);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("1e-999"), 0);
    EXPECT_THROW(leadingNumber("1e999"), FloatError);
}

TEST(StrictNumber, TheWholeTextMustBeANumber)
{
    EXPECT_EQ(strictNumber(" 12.5 "), 12.5);
    EXPECT_FALSE(strictNumber("12a"));
    EXPECT_FALSE(strictNumber("   "));
}
