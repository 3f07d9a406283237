#pragma once
// What one 3D frame draws, in plain types so the code that composes a frame
// needs no Qt: transforms, the clear colour and triangle strips taken from
// one stream of pre-lit vertices.

#include <array>
#include <cstdint>
#include <vector>

namespace platform {

// Row-major, for row vectors (v' = v M); depth of the projection runs 0..1.
using Matrix4x4 = std::array<float, 16>;

// Where a vertex keeps its position (three floats) and its colour (a 32-bit
// 0xAARRGGBB value; alpha is not used).
struct VertexLayout {
    int stride = 0;
    int positionOffset = 0;
    int colourOffset = 0;
};

// One triangle strip: `count` vertices of the stream from `first`.
struct StripRange {
    int first = 0;
    int count = 0;
    bool operator==(const StripRange&) const = default;
};

struct Frame3D {
    std::uint32_t clearColour = 0;  // 0x00RRGGBB
    Matrix4x4 world{}, view{}, projection{};
    VertexLayout layout;
    const void* vertices = nullptr;
    int vertexCount = 0;
    std::vector<StripRange> strips;
};

}  // namespace platform
