#pragma once
// Reading UTF-8 one character at a time, strictly: no overlong forms, no
// surrogates, nothing past U+10FFFF. Standard C++ only.

#include <cstddef>
#include <string_view>

namespace ordering {

// The byte length of the well-formed character at the start of `text`; 0
// when `text` is empty or does not start with one.
std::size_t utf8CharacterLength(std::string_view text);

bool isUtf8(std::string_view text);

}  // namespace ordering
