#pragma once
// The number text of design files and captions: a blank before a value that is
// not negative, at most 15 significant digits, no "0" before the point, and the
// exponent form for very small and very large magnitudes. Independent of the
// process locale.

#include <optional>
#include <string>
#include <string_view>

namespace model {

inline constexpr int kSignificantDigits = 15;

// " .5", "-.25", " 14", " 0", " 1E-06", " 1E+15".
std::string numberText(double value);

// The same digits without the blank and with the "0" before the point, as
// text boxes and read-outs show numbers: "0.5", "-0.25", "14", "1E-06".
std::string plainText(double value);

// Reads a whole number text: optional blanks, an optional "-", digits with an
// optional "." and fraction, an optional exponent ("E" or "e", a sign and
// digits), optional trailing blanks. Nothing else; no value on failure.
std::optional<double> parseNumberText(std::string_view text);

}  // namespace model
