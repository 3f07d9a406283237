#include "ordering/ordercipher.h"

#include "ordering/utf8text.h"

#include <algorithm>

namespace ordering {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kCarriageReturnMarker = '\\';
constexpr char kLineFeedMarker = '/';

}  // namespace

std::string cipherCharacters(std::string_view plain, std::string_view alphabet) {
  std::string characters;
  characters.reserve(plain.size());
  for (std::size_t at = 0; at < plain.size();) {
    // A byte that starts no well-formed character is a character of its own.
    const std::size_t length = std::max<std::size_t>(utf8CharacterLength(plain.substr(at)), 1);
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
