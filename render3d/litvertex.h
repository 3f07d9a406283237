#pragma once
// The pre-lit vertex of every 3D vertex list: position, two packed colours and
// a texture coordinate, laid out exactly as the vertex stream is read.

#include <cstddef>
#include <cstdint>

namespace render3d {

struct LitVertex {
    float X = 0;
    float Y = 0;
    float Z = 0;
    std::uint32_t Diffuse = 0;
    std::uint32_t Specular = 0;
    float Tu = 0;
    float Tv = 0;
};

inline constexpr int kLitVertexStride = 28;
static_assert(sizeof(LitVertex) == kLitVertexStride, "LitVertex must be the 28-byte stream element");
static_assert(offsetof(LitVertex, Diffuse) == 12 && offsetof(LitVertex, Tu) == 20, "LitVertex field order");

// Three components 0..255 packed as first + 256 x second + 65536 x third; the
// stream reads the same bits as 0xAARRGGBB, so the first shows as blue.
constexpr std::uint32_t packColour(std::uint32_t first, std::uint32_t second, std::uint32_t third)
{
    return first + 256 * second + 65536 * third;
}

constexpr LitVertex CreateLitVertex(float x, float y, float z, std::uint32_t diffuse, std::uint32_t specular, float tu,
                                    float tv)
{
    return {x, y, z, diffuse, specular, tu, tv};
}

}  // namespace render3d
