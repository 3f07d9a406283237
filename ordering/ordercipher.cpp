#include "ordering/ordercipher.h"

namespace ordering {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kCarriageReturnMarker = '\\';
constexpr char kLineFeedMarker = '/';

// 0-based index of the plain character; characters outside the alphabet
// count as its last one, the blank.
std::size_t plainIndex(char c, std::string_view alphabet) {
  const std::size_t found = alphabet.find(c);
  return found == std::string_view::npos ? alphabet.size() - 1 : found;
}

}  // namespace

std::string FileEncrypt(std::string_view plain, std::string_view alphabet,
                        std::string_view keyTable) {
  const std::size_t size = keyTable.size();
  std::string out;
  out.reserve(plain.size() + 2 * (plain.size() / kCipherLineLength) + 2);
  std::size_t column = 0;
  // The position is a size_t: long orders cannot overflow it.
  for (std::size_t position = 1; position <= plain.size(); ++position) {
    const char c = plain[position - 1];
    if (c == kCarriageReturn) {
      out += kCarriageReturnMarker;
    } else if (c == kLineFeed) {
      out += kLineFeedMarker;
    } else {
      // 0-based form of k = p + (i mod n), wrapped once into 1..n.
      const std::size_t k = (plainIndex(c, alphabet) + position % size) % size;
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
