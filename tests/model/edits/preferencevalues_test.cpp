#include "model/edits/preferencevalues.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <tuple>
#include <utility>

using namespace model;

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

    EXPECT_EQ(std::tuple(stitchMarkLengthFromText("0.375in"), stitchMarkLengthFromText("none"),
                         stitchMarkLengthFromText("1e999")), std::tuple(0.375, 0.0, std::optional<double>()));
}
