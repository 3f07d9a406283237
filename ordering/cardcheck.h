#pragma once
// The card-number check of the order form: the digits of a typed number, the
// Luhn check digit, and the whole check against the chosen card type, which
// explains every refusal to the user itself.

#include "model/document/messagebox.h"

#include <string>
#include <string_view>

namespace ordering {

// Only the number's first characters count; no card comes near this length.
inline constexpr std::size_t kMaxCardChars = 50;

// The digits among the first kMaxCardChars characters, in their order.
std::string OnlyNumericSolution(std::string_view Number);

// True when the digit string passes the Luhn check (the empty string does).
bool Mod10Solution(std::string_view Number);

// Reduces Number to its digits, then checks its leading digits, the card
// type, the length and the check digit. False after a message explaining
// the refusal; the caller shows nothing more.
bool CCValidationSolution(std::string& Number, const std::string& CardType, model::MessageBox& messages);

}  // namespace ordering
