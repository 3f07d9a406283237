#include "model/floaterror.h"
#include "model/geometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace model;

TEST(Geometry, VectorsAndSectionArea)
{
    EXPECT_DOUBLE_EQ(Distance3D({1, 2, 3, 0}, {4, 6, 3, -1}), 5.0);
    const Point3 n = Normalise({3, 0, 4, -1});
    EXPECT_TRUE(n.X == 0.6 && n.Z == 0.8 && n.Flag == 0);
    EXPECT_EQ(Normalise({0, 0, 0, -1}).X, 0);

    std::vector<Point3> tri{{}, {5, 0, 0, 0}, {7, 1, 0, 0}, {9, 0, 1, 0}};
    EXPECT_DOUBLE_EQ(SectionArea(3, tri), 0.5);
    EXPECT_DOUBLE_EQ(SectionArea(3, {{}, tri[3], tri[2], tri[1]}), 0.5);  // either direction
    EXPECT_EQ(SectionArea(2, tri), 0);
}

TEST(Geometry, AnglesUseTheFifteenDigitConstants)
{
    EXPECT_EQ(ArcCos(-1), 3.14159265358979);
    EXPECT_EQ(ArcCos(0), 1.5707963267949);
    EXPECT_NEAR(ArcCos(0.5), std::acos(0.5), 1e-13);
    EXPECT_THROW(ArcCos(1.0000001), FloatError);
    EXPECT_EQ(AngleBetween({0, 0, 0, 0}, {1, 2, 3, 0}), 0);
    EXPECT_EQ(AngleBetween({1, 0, 0, 0}, {0, 1, 0, 0}), 1.5707963267949);
    // Parallel vectors whose cosine rounds past 1 are clamped, not an error.
    EXPECT_NEAR(AngleBetween({0.1, 0.7, 0.3, 0}, {0.3, 2.1, 0.9, 0}), 0, 1e-7);
    EXPECT_NEAR(AngleBetween({0.1, 0.7, 0.3, 0}, {-0.3, -2.1, -0.9, 0}), 3.14159265358979, 1e-7);
}
