#include "model/hydrostatics/inchtext.h"

#include "model/file/numbertext.h"
#include "model/hydrostatics/rounding.h"

namespace model {

namespace {

constexpr int kReadOutDecimals = 2;
constexpr const char* kInchSign = "\"";

}  // namespace

std::string inchText(double inches)
{
    // Adding 0 turns a rounded -0 into 0, so a cursor just left of zero reads 0".
    const double rounded = roundTo(inches, kReadOutDecimals) + 0.0;
    return plainText(rounded) + kInchSign;
}

}  // namespace model
