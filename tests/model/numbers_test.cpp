#include "model/floaterror.h"
#include "model/numbertext.h"
#include "model/preferencevalues.h"
#include "model/resistance.h"
#include "model/rounding.h"
#include "model/textreading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <utility>

using namespace model;

namespace {

constexpr double kLwl = 144, kWsa = 2880;  // 12 ft of waterline, 20 square feet wetted
const double kTopSpeed = std::sqrt(kLwl / 12) * 1.34;

double fourDecimals(double v) { return std::round(v * 1e4) / 1e4; }

}  // namespace

TEST(Rounding, TheDecimalReadIsScaledThenHalvesGoToEven)
{
    // value, decimals, result: 76.55, 5.123455 and 2.675 are stored just below the half but read as it, so the even
    // neighbour wins.
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

TEST(Resistance, WorkedExampleToFourDecimals)
{
    const struct { double knots, frictional, ratio, residual, total; } rows[] = {
        {0, 0.04, 0, 4.12, 4.16},
        {2, 0.8378, 0.5774, 0.0758, 0.9135},
        {4, 2.8665, 1.1547, 1.5524, 4.4189},
    };
    for (const auto& row : rows) {
        const Resistance r = resistanceAt(row.knots, kLwl, kWsa);
        EXPECT_EQ(fourDecimals(r.frictional), row.frictional) << row.knots;
        EXPECT_EQ(fourDecimals(r.speedLengthRatio), row.ratio) << row.knots;
        EXPECT_EQ(fourDecimals(r.residual), row.residual) << row.knots;
        EXPECT_EQ(fourDecimals(r.total()), row.total) << row.knots;
    }
}

TEST(Resistance, CurveStepsToTheLastSpeedNotBeyondTopSpeedAndIsEmptyWithoutAWaterline)
{
    const auto curve = resistanceCurve(kLwl, kWsa, kTopSpeed);
    ASSERT_EQ(curve.size(), 929u);  // 0 to 4.640 in steps of 0.005, the last not beyond top speed
    EXPECT_NEAR(curve[400].speed, 2, 1e-9);
    EXPECT_EQ(curve[400].total(), resistanceAt(curve[400].speed, kLwl, kWsa).total());

    // A waterline that does not meet the hull, or a top speed the graph does not reach past its lowest speed: no
    // curve, and nothing divided by zero; an absurd top speed: no endless curve.
    const struct {
        double lwl, topSpeed;
        bool curves;
    } cases[] = {{0, 0, false}, {0, 4, false}, {14, 1.5, false}, {15, 1.5001, true}, {-3, 4, false},
                 {66000, 100, true}, {66000, 100.01, false}, {1e300, 3.9e149, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(hasResistanceCurves(c.lwl, c.topSpeed), c.curves) << c.lwl << " " << c.topSpeed;
        EXPECT_EQ(resistanceCurve(c.lwl, kWsa, c.topSpeed).empty(), !c.curves) << c.lwl;
    }
}

// The preferences window's own test holds the plain limits; these are the texts it does not try.
TEST(PreferenceValues, WholeStationsWithinLimitsAndStitchSpacingsA16BitIntegerHolds)
{
    const struct { const char* text; double stationCount; bool outOfRange; } stations[] = {
        {"9.99", 11, true}, {"21.5", 23, false}, {"100.4", 101, true}, {" 4 5", 46, false},
        {"55mm", 56, false}, {"1e999", 101, true}, {" -1e999", 11, true}};
    for (const auto& row : stations) {
        const StationsEntry e = stationsFromText(row.text);
        EXPECT_EQ(std::pair(e.StationCount, e.outOfRange), std::pair(row.stationCount, row.outOfRange)) << row.text;
    }
    const struct { const char* text; std::optional<std::int16_t> spacing; } spacings[] = {
        {"3.5", 4}, {"1", 1}, {"0.5", std::nullopt}, {"-4", std::nullopt}, {"", std::nullopt},
        {"32767", 32767}, {"32767.5", std::nullopt}, {"1e999", std::nullopt}};
    for (const auto& row : spacings) EXPECT_EQ(stitchSpacingFromText(row.text), row.spacing) << row.text;

    EXPECT_EQ(stitchMarkLengthFromText("0.375in"), 0.375);
    EXPECT_EQ(stitchMarkLengthFromText("none"), 0.0);
    EXPECT_EQ(stitchMarkLengthFromText("1e999"), std::nullopt);
}
