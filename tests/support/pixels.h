#pragma once
// Picture boxes whose pixels a test reads.

#include "platform/picturebox.h"
#include "tests/support/testapp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

namespace testsupport {

inline constexpr platform::ColorRef kRed = platform::RGB(255, 0, 0);
inline constexpr platform::ColorRef kGreen = platform::RGB(0, 150, 0);
inline constexpr platform::ColorRef kBlue = platform::RGB(0, 0, 255);

inline QRgb rgbOf(platform::ColorRef c) { return qRgb(platform::redOf(c), platform::greenOf(c), platform::blueOf(c)); }

// How many pixels of the image have the colour.
inline int countPixels(const QImage& image, platform::ColorRef color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == rgbOf(color);
    return n;
}

// FNV-1a over the picture's pixels, row by row: equal only for the same picture.
inline std::uint64_t pictureChecksum(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::uint64_t sum = 14695981039346656037ull;
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* row = rgb.constScanLine(y);
        for (qsizetype i = 0; i < qsizetype(rgb.width()) * 4; ++i) sum = (sum ^ row[i]) * 1099511628211ull;
    }
    return sum;
}

// A pixel and the colour it should have.
struct Pixel {
    int x, y;
    platform::ColorRef color;
};

inline void expectPixels(const QImage& image, std::initializer_list<Pixel> pixels)
{
    for (const Pixel& p : pixels) EXPECT_EQ(image.pixel(p.x, p.y), rgbOf(p.color)) << "at " << p.x << "," << p.y;
}

// A picture box of the given size, erased to white.
struct TestBox {
    TestBox(int width, int height)
    {
        box.resize(width, height);
        box.Cls();
    }
    int count(platform::ColorRef color) { return countPixels(box.image(), color); }
    void expect(std::initializer_list<Pixel> pixels) { expectPixels(box.image(), pixels); }

    QApplication& app = testApp();
    platform::PictureBox box;
};

}  // namespace testsupport
