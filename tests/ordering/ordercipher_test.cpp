#include "ordering/ordercipher.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using ordering::decipherOrder;
using ordering::FileEncrypt;
using ordering::kAlphabet;
using ordering::kKeyTable;

TEST(FileEncrypt, WorkedExamples) {
  const std::string identity(kAlphabet), reversed(kAlphabet.rbegin(), kAlphabet.rend());
  const std::string shifted = std::string(kAlphabet.substr(1)) + "012\r\n";
  const struct { std::string plain, key, expected; } cases[] = {
      {"0", identity, "1"},  // the position wraps: "0" first gives the second key character
      {" ", identity, "0"},
      {std::string(71, '0'), identity, shifted + "3"},  // a break after 70, position 68 wraps to the start
      {std::string(70, '0'), identity, shifted},
      {"Hello, World\r\n", reversed, "nPHGC.Z1yuzG\\/"},
      {"", identity, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FileEncrypt(c.plain, kAlphabet, c.key), c.expected) << c.plain;
}

// Every byte round trip also shows the key table is a permutation; "/" comes back a blank. The page writes the cipher
// unescaped inside a quoted field.
TEST(DecipherOrder, UndoesFileEncryptWithForeignBytesAsBlanks) {
  EXPECT_EQ(kKeyTable.find_first_of("'\\/\r\n\"&<>"), std::string_view::npos);
  std::string longOrder;  // beyond a 16-bit position counter
  while (longOrder.size() < 70000) longOrder += "Line 22\r\n-4111111111111111-\r\n";
  EXPECT_EQ(decipherOrder(FileEncrypt(longOrder, kAlphabet, kKeyTable), kAlphabet, kKeyTable), longOrder);

  std::string everyByte;
  for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
  const auto back = decipherOrder(FileEncrypt(everyByte, kAlphabet, kKeyTable), kAlphabet, kKeyTable);
  ASSERT_TRUE(back);
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    const bool kept = c == '\r' || c == '\n' || kAlphabet.find(c) != std::string_view::npos;
    EXPECT_EQ((*back)[b], kept ? c : ' ') << b;
  }
  // Any line breaks are skipped; characters outside the key table are refused.
  std::string lfOnly = FileEncrypt(std::string(150, 'Q'), kAlphabet, kKeyTable);
  std::erase(lfOnly, '\r');
  EXPECT_EQ(decipherOrder(lfOnly, kAlphabet, kKeyTable), std::string(150, 'Q'));
  EXPECT_FALSE(decipherOrder(lfOnly + "'", kAlphabet, kKeyTable));
  EXPECT_FALSE(decipherOrder("ab<cd", kAlphabet, kKeyTable));
}

// Names typed with accents: each character, however many bytes it takes, is one position and one blank, so the
// rest of the order keeps its places and the line breaks fall after 70 characters.
TEST(FileEncrypt, CountsCharactersNotBytes) {
  const auto roundTrip = [](std::string_view plain) {
    const std::string enciphered = FileEncrypt(plain, kAlphabet, kKeyTable);
    return std::pair{enciphered, decipherOrder(enciphered, kAlphabet, kKeyTable).value_or("(refused)")};
  };
  EXPECT_EQ(roundTrip("An\xc3\xa9" "bel").second, "An bel");
  EXPECT_EQ(roundTrip("An\xc3\xa9" "bel").first, FileEncrypt("An bel", kAlphabet, kKeyTable));
  EXPECT_EQ(roundTrip("a\xf0\x9f\x9b\xb6" "b").second, "a b");  // four bytes

  const std::string line = std::string(69, 'x') + "\xc3\xa9" + "yz";  // the 70th character is two bytes
  const auto [enciphered, back] = roundTrip(line);
  EXPECT_EQ(back, std::string(69, 'x') + " yz");
  EXPECT_EQ(enciphered.find("\r\n"), ordering::kCipherLineLength);

  // Bytes that are not UTF-8 are one blank each: a stray continuation, an overlong form, a surrogate, a code
  // point past U+10FFFF and a sequence cut short by the end.
  EXPECT_EQ(roundTrip("a\x80" "b\xc0\x80" "c\xed\xa0\x80" "d\xf4\x90\x80\x80" "e\xe2\x82").second,
            "a b  c   d    e  ");
  EXPECT_EQ(roundTrip("plain ASCII, as before\r\n").second, "plain ASCII, as before\r\n");
}

}  // namespace
