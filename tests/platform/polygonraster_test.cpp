#include "platform/polygonraster.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

using platform::Point;
using platform::PolygonPaint;
using Int = std::int64_t;

constexpr std::uint32_t kBackground = 0xFFFFFFFF;

struct Picture {
    int width, height;
    std::vector<std::uint32_t> pixels;
    Picture(int w, int h) : width(w), height(h), pixels(std::size_t(w * h), kBackground) {}
    void set(Int x, Int y, std::uint32_t c)
    {
        if (x >= 0 && y >= 0 && x < width && y < height) pixels[std::size_t(y * width + x)] = c;
    }
    platform::PixelBuffer buffer() { return {pixels.data(), width, width, height}; }
};

Int floorDiv(Int a, Int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

// The rules taken pixel by pixel: each centre tested against every edge, each
// edge walked a step at a time.
bool centreInside(const std::vector<Point>& p, Int x, Int y)
{
    bool inside = false;
    for (std::size_t i = 0; i < p.size(); ++i) {
        Point a = p[i], b = p[(i + 1) % p.size()];
        if (a.y == b.y) continue;
        if (a.y > b.y) std::swap(a, b);
        if (2 * y + 1 < 2 * Int(a.y) || 2 * y + 1 > 2 * Int(b.y)) continue;
        // The crossing at or left of the centre x + 1/2, in doubled units.
        if ((2 * Int(a.x) - 2 * x - 1) * (b.y - a.y) + (2 * y + 1 - 2 * Int(a.y)) * (Int(b.x) - a.x) <= 0)
            inside = !inside;
    }
    return inside;
}

void walkEdge(Picture& out, Point a, Point b, std::uint32_t c)
{
    const bool alongX = std::abs(Int(b.x) - a.x) >= std::abs(Int(b.y) - a.y);
    auto major = [&](Point p) { return Int(alongX ? p.x : p.y); };
    auto minor = [&](Point p) { return Int(alongX ? p.y : p.x); };
    if (major(a) > major(b)) std::swap(a, b);
    const Int run = major(b) - major(a), rise = minor(b) - minor(a);
    const Int limit = alongX ? out.width : out.height;
    for (Int t = std::max<Int>(major(a), -1); t <= std::min(major(b), limit); ++t) {
        const Int m = run == 0 ? minor(a) : floorDiv(2 * minor(a) * run + run + 2 * (t - major(a)) * rise, 2 * run);
        alongX ? out.set(t, m, c) : out.set(m, t, c);
    }
}

Picture reference(int w, int h, const std::vector<PolygonPaint>& polygons, bool filled, bool outlined)
{
    Picture out(w, h);
    for (const PolygonPaint& polygon : polygons) {
        if (filled)
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (centreInside(polygon.points, x, y)) out.set(x, y, platform::opaquePixel(polygon.fill));
        if (outlined)
            for (std::size_t i = 0; i < polygon.points.size(); ++i)
                walkEdge(out, polygon.points[i], polygon.points[(i + 1) % polygon.points.size()],
                         platform::opaquePixel(polygon.outline));
    }
    return out;
}

Picture painted(int w, int h, const std::vector<PolygonPaint>& polygons, bool filled, bool outlined)
{
    Picture out(w, h);
    platform::PolygonRaster().paintInTurn(out.buffer(), polygons, filled, outlined);
    return out;
}

TEST(PolygonRaster, PaintsEachPolygonInTurnAsTheRulesSayPixelByPixel)
{
    // Nested, overlapping, self-crossing, degenerate and half-visible
    // polygons, several to a picture, some sharing edges with the one before,
    // with each of fill and outline alone.
    std::mt19937 random(20261206);
    const int w = 37, h = 29;
    std::uniform_int_distribution<int> x(-9, w + 9), y(-9, h + 9), count(1, 8), shapes(1, 12), jitter(-2, 2);
    for (int trial = 0; trial < 400; ++trial) {
        std::vector<PolygonPaint> polygons;
        const int n = shapes(random);
        for (int i = 0; i < n; ++i) {
            PolygonPaint polygon{{}, platform::ColorRef(2 * i + 2), platform::ColorRef(2 * i + 3)};
            if (i > 0 && trial % 5 == 4) {  // the one before with a point moved, as sections of a fine hull
                polygon.points = polygons.back().points;
                Point& moved = polygon.points[std::size_t(i) % polygon.points.size()];
                moved = {moved.x + jitter(random), moved.y + jitter(random)};
                polygons.push_back(std::move(polygon));
                continue;
            }
            const int points = count(random);
            for (int k = 0; k < points; ++k) {
                if (k > 0 && trial % 3 == 0) {  // repeated points and edges along an axis
                    Point last = polygon.points.back();
                    (k % 2 ? last.x : last.y) += jitter(random);
                    polygon.points.push_back(last);
                } else {
                    polygon.points.push_back({x(random), y(random)});
                }
            }
            polygons.push_back(std::move(polygon));
        }
        const bool filled = trial % 4 != 1, outlined = trial % 4 != 2;
        ASSERT_EQ(painted(w, h, polygons, filled, outlined).pixels, reference(w, h, polygons, filled, outlined).pixels)
            << "trial " << trial;
    }
}

TEST(PolygonRaster, ClipsEdgesFarOutsideThePictureExactly)
{
    const Int far = platform::kMaxRasterCoordinate;
    const std::vector<PolygonPaint> polygons{
        {{{int(-far), int(-far + 7)}, {int(far), int(far - 3)}, {5, int(far)}}, 0x10, 0x11},
        {{{-3, 4}, {int(far), 9}, {20, int(-far)}}, 0x20, 0x21}};
    ASSERT_TRUE(platform::withinRasterRange(polygons[0].points));
    EXPECT_FALSE(platform::withinRasterRange({{int(far) + 1, 0}}));
    EXPECT_EQ(painted(31, 23, polygons, true, true).pixels, reference(31, 23, polygons, true, true).pixels);
}

}  // namespace
