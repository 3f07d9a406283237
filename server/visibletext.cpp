#include "server/visibletext.h"

#include "ordering/utf8text.h"

#include <algorithm>
#include <cstdio>

namespace orderserver {
namespace {

constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7f;
// U+0080 to U+009F, the C1 controls, are 0xC2 followed by 0x80 to 0x9F.
constexpr unsigned char kC1Lead = 0xc2;
constexpr unsigned char kLastC1Follower = 0x9f;

std::string hexEscape(unsigned char byte) {
  char escaped[5];
  std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
  return escaped;
}

std::string escapedByte(char byte) {
  switch (byte) {
    case '\\': return "\\\\";
    case '\r': return "\\r";
    case '\n': return "\\n";
    case '\t': return "\\t";
    default: break;
  }
  const auto code = static_cast<unsigned char>(byte);
  return code < kFirstPrintable || code == kDelete ? hexEscape(code) : std::string(1, byte);
}

bool isC1Control(std::string_view character) {
  return character.size() == 2 && static_cast<unsigned char>(character[0]) == kC1Lead &&
         static_cast<unsigned char>(character[1]) <= kLastC1Follower;
}

// The length of the line break `text` starts with, 0 when none.
std::size_t lineBreakAt(std::string_view text) {
  return text.starts_with("\r\n") ? 2 : text.starts_with('\n') ? 1 : 0;
}

std::string visible(std::string_view text, bool keepLineBreaks) {
  std::string shown;
  while (!text.empty()) {
    if (const std::size_t lineBreak = keepLineBreaks ? lineBreakAt(text) : 0) {
      shown += text.substr(0, lineBreak);
      text.remove_prefix(lineBreak);
      continue;
    }
    const std::size_t length = ordering::utf8CharacterLength(text);
    const std::string_view character = text.substr(0, std::max<std::size_t>(length, 1));
    if (length == 1) {
      shown += escapedByte(character[0]);
    } else if (length == 0 || isC1Control(character)) {
      shown += hexEscape(static_cast<unsigned char>(character[0]));
      if (length == 2) shown += hexEscape(static_cast<unsigned char>(character[1]));
    } else {
      shown += character;
    }
    text.remove_prefix(character.size());
  }
  return shown;
}

}  // namespace

std::string visibleField(std::string_view text) { return visible(text, false); }

std::string visibleLines(std::string_view text) { return visible(text, true); }

}  // namespace orderserver
