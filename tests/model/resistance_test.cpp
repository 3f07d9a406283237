#include "model/preferencevalues.h"
#include "model/resistance.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace model;

namespace {

constexpr double kLwl = 144, kWsa = 2880;  // 12 ft of waterline, 20 square feet wetted
const double kTopSpeed = std::sqrt(kLwl / 12) * 1.34;

double fourDecimals(double v) { return std::round(v * 1e4) / 1e4; }

}  // namespace

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

    // A waterline that does not meet the hull, or a top speed the graph does
    // not reach past its lowest speed: no curve, and nothing divided by zero;
    // an absurd top speed: no endless curve.
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

TEST(PreferenceValues, StationsAreWholeAndWithinTheirLimits)
{
    const struct { const char* text; double stationCount; bool outOfRange; } rows[] = {
        {"9.99", 11, true},  {"20.5", 21, false}, {"21.5", 23, false},   {"100.4", 101, true},
        {" 4 5", 46, false}, {"55mm", 56, false}, {"1e999", 101, true}, {" -1e999", 11, true},
    };
    for (const auto& row : rows) {
        const StationsEntry e = stationsFromText(row.text);
        EXPECT_EQ(e.StationCount, row.stationCount) << '"' << row.text << '"';
        EXPECT_EQ(e.outOfRange, row.outOfRange) << '"' << row.text << '"';
    }
}

TEST(PreferenceValues, StitchSpacingRoundsHalvesToEvenAndRefusesWhatItCannotHold)
{
    const struct { const char* text; std::optional<std::int16_t> spacing; } rows[] = {
        {"3.5", 4},           {"1", 1},           {"0.5", std::nullopt},     {"-4", std::nullopt},
        {"", std::nullopt},   {"32767", 32767},   {"32767.5", std::nullopt}, {"1e999", std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(stitchSpacingFromText(row.text), row.spacing) << '"' << row.text << '"';

    EXPECT_EQ(stitchMarkLengthFromText("0.375in"), 0.375);
    EXPECT_EQ(stitchMarkLengthFromText("none"), 0.0);
    EXPECT_EQ(stitchMarkLengthFromText("1e999"), std::nullopt);
}
