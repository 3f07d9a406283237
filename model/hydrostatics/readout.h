#pragma once
// The texts the design-data window shows after a hydrostatics run, in the
// order they are written, as (control name, text) pairs.

#include "model/hull/design.h"
#include "model/hydrostatics/hydrostatics.h"

#include <string>
#include <vector>

namespace model {

inline constexpr int kDesignDataReadOuts = 41;

struct ControlText {
    std::string control;
    std::string text;
};

// `value` rounded to `decimals` decimals (halves to even) as plain text.
std::string roundedText(double value, int decimals);

// "Swede Form" when the LCB lies aft of the waterline's middle, else "Fish Form".
std::string hullFormText(double lcbFraction);

// txtEntryHalfAngle and txtExitHalfAngle, written between the two passes.
std::vector<ControlText> halfAngleReadOut(const Hydrostatics& results);

// The 41 read-outs written at the end of a run. `maxBeam` is the beam over
// all the last redraw measured.
std::vector<ControlText> designDataReadOut(const Design& design, const Hydrostatics& results, double maxBeam);

}  // namespace model
