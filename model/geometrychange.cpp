#include "model/geometrychange.h"

namespace model {

namespace {

std::uint64_t& generation()
{
    static std::uint64_t value = 0;
    return value;
}

}  // namespace

void geometryChanged() { ++generation(); }

std::uint64_t geometryGeneration() { return generation(); }

}  // namespace model
