#include "ordering/ordercipher.h"

namespace ordering {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kCarriageReturnMarker = '\\';
constexpr char kLineFeedMarker = '/';

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Bytes taken by the character at the start of `text`: a whole UTF-8
// sequence, or 1 for ASCII and for a byte that starts no valid sequence.
// Overlong forms, surrogates and code points past U+10FFFF are not valid.
std::size_t characterLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  struct Form { unsigned char first, last; std::size_t length; unsigned char low, high; };
  // The range a lead byte belongs to fixes the length and the second byte's range.
  static constexpr Form kForms[] = {{0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF},
                                    {0xE1, 0xEC, 3, 0x80, 0xBF}, {0xED, 0xED, 3, 0x80, 0x9F},
                                    {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
                                    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F}};
  for (const Form& form : kForms) {
    if (lead < form.first || lead > form.last) continue;
    if (text.size() < form.length) return 1;
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < form.low || second > form.high) return 1;
    for (std::size_t i = 2; i < form.length; ++i)
      if (!isContinuation(static_cast<unsigned char>(text[i]))) return 1;
    return form.length;
  }
  return 1;
}

}  // namespace

std::string cipherCharacters(std::string_view plain, std::string_view alphabet) {
  std::string characters;
  characters.reserve(plain.size());
  for (std::size_t at = 0; at < plain.size();) {
    const std::size_t length = characterLength(plain.substr(at));
    const char c = plain[at];
    const bool kept = length == 1 && (c == kCarriageReturn || c == kLineFeed ||
                                      alphabet.find(c) != std::string_view::npos);
    characters += kept ? c : ' ';
    at += length;
  }
  return characters;
}

std::string FileEncrypt(std::string_view plain, std::string_view alphabet,
                        std::string_view keyTable) {
  const std::string characters = cipherCharacters(plain, alphabet);
  const std::size_t size = keyTable.size();
  std::string out;
  out.reserve(characters.size() + 2 * (characters.size() / kCipherLineLength) + 2);
  std::size_t column = 0;
  // The position is a size_t: long orders cannot overflow it.
  for (std::size_t position = 1; position <= characters.size(); ++position) {
    const char c = characters[position - 1];
    if (c == kCarriageReturn) {
      out += kCarriageReturnMarker;
    } else if (c == kLineFeed) {
      out += kLineFeedMarker;
    } else {
      // 0-based form of k = p + (i mod n), wrapped once into 1..n.
      const std::size_t k = (alphabet.find(c) + position % size) % size;
      out += keyTable[k];
    }
    if (++column == kCipherLineLength) {
      out += "\r\n";
      column = 0;
    }
  }
  return out;
}

std::optional<std::string> decipherOrder(std::string_view enciphered,
                                         std::string_view alphabet,
                                         std::string_view keyTable) {
  const std::size_t size = keyTable.size();
  std::string out;
  out.reserve(enciphered.size());
  std::size_t position = 0;
  for (const char c : enciphered) {
    if (c == kCarriageReturn || c == kLineFeed) continue;
    ++position;
    if (c == kCarriageReturnMarker) {
      out += kCarriageReturn;
    } else if (c == kLineFeedMarker) {
      out += kLineFeed;
    } else {
      const std::size_t k = keyTable.find(c);
      if (k == std::string_view::npos) return std::nullopt;
      out += alphabet[(k + size - position % size) % size];
    }
  }
  return out;
}

}  // namespace ordering
