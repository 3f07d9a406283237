#pragma once
// Some editors start a UTF-8 text with a byte-order mark; it is no part of
// the text.

#include <string_view>

namespace model {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// `text` without one leading byte-order mark.
constexpr std::string_view withoutByteOrderMark(std::string_view text)
{
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return text;
}

}  // namespace model
