#include "model/floaterror.h"
#include "model/geometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace model;

TEST(Geometry, DistanceAndVectors)
{
    EXPECT_DOUBLE_EQ(Distance3D({1, 2, 3, 0}, {4, 6, 3, -1}), 5.0);
    EXPECT_DOUBLE_EQ(DotProduct({1, 2, 3, 0}, {4, -5, 6, 0}), 12.0);
    EXPECT_DOUBLE_EQ(VectorLength({3, 0, 4, 0}), 5.0);

    const Point3 n = Normalise({3, 0, 4, -1});
    EXPECT_DOUBLE_EQ(n.X, 0.6);
    EXPECT_DOUBLE_EQ(n.Z, 0.8);
    EXPECT_EQ(n.Flag, 0);
    const Point3 zero = Normalise({0, 0, 0, -1});
    EXPECT_EQ(zero.X, 0);
    EXPECT_EQ(zero.Y, 0);
    EXPECT_EQ(zero.Z, 0);
    EXPECT_EQ(zero.Flag, 0);
}

TEST(Geometry, SectionAreaIgnoresDirectionAndX)
{
    std::vector<Point3> tri{{}, {5, 0, 0, 0}, {7, 1, 0, 0}, {9, 0, 1, 0}};
    EXPECT_DOUBLE_EQ(SectionArea(3, tri), 0.5);
    std::vector<Point3> reversed{{}, tri[3], tri[2], tri[1]};
    EXPECT_DOUBLE_EQ(SectionArea(3, reversed), 0.5);
    EXPECT_EQ(SectionArea(1, tri), 0);
    EXPECT_EQ(SectionArea(2, tri), 0);

    std::vector<Point3> square{{}, {0, 0, 0, 0}, {0, 2, 0, 0}, {0, 2, 3, 0}, {0, 0, 3, 0}};
    EXPECT_DOUBLE_EQ(SectionArea(4, square), 6.0);
}

TEST(Geometry, ArcCosUsesFifteenDigitConstants)
{
    EXPECT_EQ(ArcCos(-1), 3.14159265358979);
    EXPECT_EQ(ArcCos(1), 0);
    EXPECT_EQ(ArcCos(0), 1.5707963267949);
    EXPECT_NEAR(ArcCos(0.5), std::acos(0.5), 1e-13);
    EXPECT_THROW(ArcCos(1.0000001), FloatError);
    EXPECT_THROW(ArcCos(-2), FloatError);
}

TEST(Geometry, AngleBetween)
{
    EXPECT_EQ(AngleBetween({0, 0, 0, 0}, {1, 2, 3, 0}), 0);
    EXPECT_EQ(AngleBetween({1, 0, 0, 0}, {0, 1, 0, 0}), 1.5707963267949);
    // Parallel and opposite vectors whose cosine rounds past +-1.
    const Point3 v{0.1, 0.7, 0.3, 0};
    const Point3 w{0.3, 2.1, 0.9, 0};
    EXPECT_NO_THROW(AngleBetween(v, w));
    EXPECT_NEAR(AngleBetween(v, w), 0, 1e-7);
    EXPECT_NEAR(AngleBetween(v, {-0.3, -2.1, -0.9, 0}), 3.14159265358979, 1e-7);
}
