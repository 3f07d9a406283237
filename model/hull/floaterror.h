#pragma once
// Floating-point results are checked: an invalid operation, a division by
// zero or an overflow is raised to the caller instead of spreading NaN or
// infinity through the design.

#include <cmath>
#include <stdexcept>

namespace model {

struct FloatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline double checked(double value, const char* what)
{
    if (!std::isfinite(value)) throw FloatError(what);
    return value;
}

}  // namespace model
