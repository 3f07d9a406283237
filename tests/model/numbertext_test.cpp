#include "model/numbertext.h"

#include <gtest/gtest.h>

#include <clocale>

using model::numberText;
using model::parseNumberText;

TEST(NumberText, WritesTheFileForm)
{
    EXPECT_EQ(numberText(0.5), " .5");
    EXPECT_EQ(numberText(-0.25), "-.25");
    EXPECT_EQ(numberText(14), " 14");
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(-0.0), " 0");
    EXPECT_EQ(numberText(-3), "-3");
    EXPECT_EQ(numberText(0.000001), " 1E-06");
    EXPECT_EQ(numberText(0.0001), " .0001");
    EXPECT_EQ(numberText(0.00001), " 1E-05");
    EXPECT_EQ(numberText(-0.000015), "-1.5E-05");
    EXPECT_EQ(numberText(123456789012345.0), " 123456789012345");
    EXPECT_EQ(numberText(1e15), " 1E+15");
    EXPECT_EQ(numberText(1e300), " 1E+300");
    EXPECT_EQ(numberText(1.0 / 3), " .333333333333333");
    EXPECT_EQ(numberText(2.0 / 3), " .666666666666667");
    EXPECT_EQ(numberText(-204.0 / 7), "-29.1428571428571");
}

TEST(NumberText, ReadsWhatItWritesAndThePlainForms)
{
    for (double v : {0.5, -0.25, 14.0, 0.0, 1e-6, 1.0 / 3, -204.0 / 7, 1e300, 6.02e23}) {
        const auto back = parseNumberText(numberText(v));
        ASSERT_TRUE(back);
        EXPECT_EQ(numberText(*back), numberText(v));
    }
    EXPECT_EQ(*parseNumberText("  0.5  "), 0.5);
    EXPECT_EQ(*parseNumberText("-.25"), -0.25);
    EXPECT_EQ(*parseNumberText("3."), 3.0);
    EXPECT_EQ(*parseNumberText("1E-06"), 1e-6);
    EXPECT_EQ(*parseNumberText("2e+3"), 2000.0);
}

TEST(NumberText, RejectsEverythingElse)
{
    for (const char* bad : {"", "   ", "-", ".", "abc", "1,5", "1.5x", "--1", "+1", "1E", "1E+", "inf", "nan",
                            "0x10", "1e999", "1 2"})
        EXPECT_FALSE(parseNumberText(bad)) << bad;
}

TEST(NumberText, IgnoresTheProcessLocale)
{
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no comma-decimal locale installed";
    EXPECT_EQ(numberText(0.5), " .5");
    EXPECT_EQ(*parseNumberText("1.25"), 1.25);
    std::setlocale(LC_ALL, saved.c_str());
}
