#include "ordering/utf8text.h"

#include <algorithm>

namespace ordering {
namespace {

constexpr unsigned char kAsciiEnd = 0x80;
constexpr unsigned char kTwoByteLead = 0xC2, kThreeByteLead = 0xE0, kFourByteLead = 0xF0, kLeadEnd = 0xF5;
constexpr unsigned char kContinuationMask = 0xC0, kContinuation = 0x80;

// Second-byte ranges that keep out overlong forms, surrogates and code
// points past U+10FFFF; every other lead takes any continuation byte.
struct SecondByteRange {
  unsigned char lead, low, high;
};
constexpr SecondByteRange kAnySecondByte{0, 0x80, 0xBF};
constexpr SecondByteRange kNarrowed[] = {{0xE0, 0xA0, 0xBF}, {0xED, 0x80, 0x9F}, {0xF0, 0x90, 0xBF}, {0xF4, 0x80, 0x8F}};

bool continues(char byte) { return (static_cast<unsigned char>(byte) & kContinuationMask) == kContinuation; }

std::size_t lengthOfLead(unsigned char lead) {
  if (lead < kAsciiEnd) return 1;
  if (lead < kTwoByteLead || lead >= kLeadEnd) return 0;
  return lead < kThreeByteLead ? 2 : lead < kFourByteLead ? 3 : 4;
}

}  // namespace

std::size_t utf8CharacterLength(std::string_view text) {
  const auto lead = text.empty() ? 0 : static_cast<unsigned char>(text[0]);
  const std::size_t length = text.empty() ? 0 : lengthOfLead(lead);
  if (length <= 1 || text.size() < length) return text.size() < length ? 0 : length;
  const auto* narrowed = std::ranges::find(kNarrowed, lead, &SecondByteRange::lead);
  const SecondByteRange range = narrowed == std::end(kNarrowed) ? kAnySecondByte : *narrowed;
  const auto second = static_cast<unsigned char>(text[1]);
  if (second < range.low || second > range.high) return 0;
  return std::all_of(text.begin() + 2, text.begin() + std::ptrdiff_t(length), continues) ? length : 0;
}

bool isUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = utf8CharacterLength(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

}  // namespace ordering
