#include "model/file/numbertext.h"
#include "model/hull/floaterror.h"
#include "model/hydrostatics/resistance.h"
#include "model/hydrostatics/rounding.h"

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

// A worked example to four decimals; the curve steps to the last speed not beyond top speed.
TEST(Resistance, WorkedExampleAndTheCurve)
{
    const struct { double knots, frictional, ratio, residual, total; } rows[] = {
        {0, 0.04, 0, 4.12, 4.16},
        {2, 0.8378, 0.5774, 0.0758, 0.9135},
        {4, 2.8665, 1.1547, 1.5524, 4.4189},
    };
    for (const auto& row : rows) {
        const Resistance r = resistanceAt(row.knots, kLwl, kWsa);
        EXPECT_EQ(std::tuple(fourDecimals(r.frictional), fourDecimals(r.speedLengthRatio), fourDecimals(r.residual),
                             fourDecimals(r.total())),
                  std::tuple(row.frictional, row.ratio, row.residual, row.total)) << row.knots;
    }

    const auto curve = resistanceCurve(kLwl, kWsa, kTopSpeed);
    ASSERT_EQ(curve.size(), 929u);  // 0 to 4.640 in steps of 0.005, the last not beyond top speed
    EXPECT_NEAR(curve[400].speed, 2, 1e-9);
    EXPECT_EQ(curve[400].total(), resistanceAt(curve[400].speed, kLwl, kWsa).total());

    // A waterline that does not meet the hull, or a top speed at the graph's lowest speed: no curve, and nothing
    // divided by zero; below that speed the curve runs right to left; an absurd top speed: no endless curve.
    const struct { double lwl, topSpeed; bool curves; } cases[] = {
        {0, 0, false}, {0, 4, false}, {14, 1.5, false}, {15, 1.5001, true}, {12, 1.4999, true}, {-3, 4, false},
        {66000, 100, true}, {66000, 100.01, false}, {1e300, 3.9e149, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(hasResistanceCurves(c.lwl, c.topSpeed), c.curves) << c.lwl << " " << c.topSpeed;
        EXPECT_EQ(resistanceCurve(c.lwl, kWsa, c.topSpeed).empty(), !c.curves) << c.lwl;
    }
}
