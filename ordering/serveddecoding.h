#pragma once
// The texts the maker's server serves, read in the encoding the maker's
// editor saved them in.

#include <string>
#include <string_view>

namespace ordering {

// `bytes` as UTF-8 text. A leading byte-order mark names the encoding
// (UTF-8, or UTF-16 in either byte order) and stays in the text as U+FEFF,
// for servedText to drop and for the service state's whole comparison to
// see. Without a mark, valid UTF-8 is taken as it is and anything else is
// read as Latin-1, as the texts of older editors are.
std::string decodedServedText(std::string_view bytes);

}  // namespace ordering
