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

}  // namespace
