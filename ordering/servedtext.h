#pragma once
// The texts the maker's server serves as the maker's editor saved them.

#include <string>
#include <string_view>

namespace ordering {

// A decoded served text (UTF-8) without what an editor adds around it: one
// leading byte-order mark (U+FEFF) and the line ends at its end (LF, CR LF
// or CR, repeated). Neither is part of an amount, a state's name or the
// terms; left in, a mark hides an amount's leading number and a line end a
// state's name.
std::string servedText(std::string_view reply);

}  // namespace ordering
