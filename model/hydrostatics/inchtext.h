#pragma once
// Inches as the cursor read-out and the station box show them.

#include <string>

namespace model {

// Rounded to hundredths (halves to even) in the shortest decimal text, then
// the inch sign: "12.35\"" for 12.3456, "0\"" for 0 and for -0.001.
std::string inchText(double inches);

}  // namespace model
