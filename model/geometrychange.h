#pragma once
// Control points were moved: whatever was worked out from the hull's shape
// is stale. Editors call geometryChanged() after every change of control
// points; a cache compares geometryGeneration() with the one it was built at.

#include <cstdint>

namespace model {

void geometryChanged();
std::uint64_t geometryGeneration();

}  // namespace model
