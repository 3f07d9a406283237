#include "ordering/ordercipher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using ordering::decipherOrder;
using ordering::FileEncrypt;
using ordering::kAlphabet;
using ordering::kKeyTable;

std::string reversed(std::string_view text) { return {text.rbegin(), text.rend()}; }

struct CipherCase {
  const char* name;
  std::string plain;
  std::string key;
  std::string expected;
};

TEST(FileEncrypt, WorkedExamples) {
  const std::string identity(kAlphabet);
  const std::string seventyOne(71, '0');
  const CipherCase cases[] = {
      {"zero first wraps to the second key character", "0", identity, "1"},
      {"blank first wraps to the first key character", " ", identity, "0"},
      {"71 zeros break after 70", seventyOne, identity,
       std::string(kAlphabet.substr(1)) + "012\r\n3"},
      {"exactly 70 ends with its own break", std::string(70, '0'), identity,
       std::string(kAlphabet.substr(1)) + "012\r\n"},
      {"reversed table, CR LF become markers", "Hello, World\r\n", reversed(kAlphabet),
       "nPHGC.Z1yuzG\\/"},
      {"empty order", "", identity, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileEncrypt(c.plain, kAlphabet, c.key), c.expected) << c.name;
  }
  // "0" at position 68 gives the first key character.
  EXPECT_EQ(FileEncrypt(std::string(67, '-') + "0", kAlphabet, identity).back(), '0');
}

TEST(FileEncrypt, PositionShiftsAndRepeatsEvery68) {
  const std::string plain(140, 'a');
  const std::string out = FileEncrypt(plain, kAlphabet, kKeyTable);
  const std::string flat = out.substr(0, 70) + out.substr(72, 70);
  ASSERT_EQ(flat.size(), 140u);
  for (std::size_t i = 0; i + 68 < flat.size(); ++i) EXPECT_EQ(flat[i], flat[i + 68]) << i;
  for (std::size_t i = 0; i + 1 < 68; ++i) {
    const auto k = kKeyTable.find(flat[i]);
    EXPECT_EQ(kKeyTable[(k + 1) % kKeyTable.size()], flat[i + 1]) << i;
  }
}

TEST(FileEncrypt, KeyTableIsAPermutationSafeInsideTheQuotedField) {
  std::string sortedKey(kKeyTable), sortedPlain(kAlphabet);
  std::ranges::sort(sortedKey);
  std::ranges::sort(sortedPlain);
  EXPECT_EQ(sortedKey, sortedPlain);
  EXPECT_EQ(std::ranges::adjacent_find(sortedKey), sortedKey.end());
  for (const char bad : {'\'', '\\', '/', '\r', '\n', '"', '&', '<', '>'})
    EXPECT_EQ(kKeyTable.find(bad), std::string_view::npos) << bad;
}

TEST(DecipherOrder, UndoesFileEncrypt) {
  std::string everyByte;
  for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
  std::string longOrder;  // beyond a 16-bit position counter
  while (longOrder.size() < 70000) longOrder += "Line 22\r\n-4111111111111111-\r\n";
  const struct {
    const char* name;
    std::string plain;
    std::string expected;
  } cases[] = {
      {"card type with a slash", "Discover/Novus\r\n", "Discover Novus\r\n"},
      {"whole alphabet, twice", std::string(kAlphabet) + "\r\n" + std::string(kAlphabet),
       std::string(kAlphabet) + "\r\n" + std::string(kAlphabet)},
      {"long order", longOrder, longOrder},
  };
  for (const auto& c : cases) {
    const std::string enciphered = FileEncrypt(c.plain, kAlphabet, kKeyTable);
    EXPECT_EQ(decipherOrder(enciphered, kAlphabet, kKeyTable), c.expected) << c.name;
  }
  // Bytes outside the alphabet all come back as blanks, nothing else changes.
  const auto back = decipherOrder(FileEncrypt(everyByte, kAlphabet, kKeyTable), kAlphabet, kKeyTable);
  ASSERT_TRUE(back);
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    const bool kept = c == '\r' || c == '\n' || kAlphabet.find(c) != std::string_view::npos;
    EXPECT_EQ((*back)[b], kept ? c : ' ') << b;
  }
}

TEST(DecipherOrder, SkipsAnyLineBreaksAndRejectsForeignCharacters) {
  const std::string plain(150, 'Q');
  std::string enciphered = FileEncrypt(plain, kAlphabet, kKeyTable);
  std::string lfOnly;
  std::ranges::copy_if(enciphered, std::back_inserter(lfOnly), [](char c) { return c != '\r'; });
  EXPECT_EQ(decipherOrder(lfOnly, kAlphabet, kKeyTable), plain);
  EXPECT_FALSE(decipherOrder(enciphered + "'", kAlphabet, kKeyTable));
  EXPECT_FALSE(decipherOrder("ab<cd", kAlphabet, kKeyTable));
}

}  // namespace
