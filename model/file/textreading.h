#pragma once
// The two ways numbers are read from text boxes.

#include <optional>
#include <string_view>

namespace model {

// The value of the longest leading part of the text that forms a decimal
// number (sign, digits, point, exponent), blanks anywhere ignored; 0 when the
// text does not begin with a number. A number too large to hold raises
// FloatError; one too small to hold reads as 0.
double leadingNumber(std::string_view text);

// The whole text must be a number (blanks around it allowed); no value
// otherwise. A text of blanks is not a number.
std::optional<double> strictNumber(std::string_view text);

}  // namespace model
