#pragma once
// Stored buyer fields made safe for the maker's terminal: every control
// character shown as an escape, so no field can end a record, start a false
// one or drive the terminal. Standard C++ only.

#include <string>
#include <string_view>

namespace orderserver {

// `text` on one line: a backslash as "\\", CR, LF and tab as "\r", "\n" and
// "\t", any other control character (C1 ones and malformed UTF-8 bytes too)
// as "\xNN" per byte.
std::string visibleField(std::string_view text);

// As visibleField, but the text's own line breaks (LF or CR LF) stay line breaks.
std::string visibleLines(std::string_view text);

}  // namespace orderserver
