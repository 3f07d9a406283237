#pragma once
// The steps of making a new design from a template that change the model
// itself, and the wizard's feet-and-inches texts.

#include "model/hull/design.h"

#include <string>

namespace model {

// Tandem templates hold three fixed points at each cockpit: 25 (with 26 and
// 27 before and behind it) and 65 (with 66 and 67).
inline constexpr int kTandemFixedPoint1 = 25;
inline constexpr int kTandemFixedPoint2 = 65;
inline constexpr double kTandemFixedSpacing = 0.09;  // of the hull length

// Places points 25-27 from cockpit 1's rim point 5 and 65-67 from cockpit 2's.
void placeTandemFixedPoints(Design& design);

// Panels 1 and 2 are deck panels, every later panel a hull panel.
void flagDeckAndHullPanels(Design& design);

// " 17'  0\"" for 204 inches: feet and inches in caption text.
std::string feetAndInchesText(int inches);
// " 23\" ( 1'  11\") " for a 23-inch beam.
std::string beamCaption(int inches);

}  // namespace model
