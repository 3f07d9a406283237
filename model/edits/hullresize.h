#pragma once
// Stretching the hull to a new length and scaling it to a new beam. Heights
// and half-breadths are stored as fractions of the length, so a new length
// rescales them to keep their inch values.

#include "model/hull/design.h"

namespace model {

inline constexpr double kMinHullLength = 48;   // inches
inline constexpr double kMaxHullLength = 360;  // inches
inline constexpr double kMaxKayakWidth = 48;   // inches

bool lengthInRange(double inches);

// HullLength becomes `inches`; every Y and Z, and every bulkhead, keeps its
// inch value while X stays a fraction of the length. Refuses (false, nothing
// changed) a length, old or new, that is not positive and finite.
bool stretchToLength(Design& design, double inches);

// Y and Z of every control point go from `oldLength` to `newLength` units;
// false and nothing changed when either is not positive and finite.
bool rescaleHeightsAndBreadths(Design& design, double oldLength, double newLength);

enum class WidthCheck { Accepted, TooWide, ThinnerThanCockpit };
WidthCheck checkWidth(const Design& design, double width);

// Scales every half-breadth by width / beam, keeping rim points 3 and 7 of
// the cockpits, then puts the rim side points at half each cockpit's width.
// Refuses (false, nothing changed) when the beam is not positive.
bool scaleToBeam(Design& design, double width, double beam);

// Scales every half-breadth by width / beam, rim points included.
bool scaleAllToBeam(Design& design, double width, double beam);

}  // namespace model
