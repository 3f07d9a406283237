#include "ordering/postingpage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ordering::GenerateHTML;
using ordering::PostingPageFields;

const std::string kRule = "-----------------------------------------------------------";
const std::string kFile = "ANMBEL125200934507PM.qle";

std::vector<std::string> lines(const std::string& page) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t end; (end = page.find("\r\n", start)) != std::string::npos; start = end + 2)
    out.push_back(page.substr(start, end - start));
  EXPECT_EQ(start, page.size()) << "every line ends with CR LF";
  return out;
}

// The whole page, with and without a middle name, for each kind of plans.
TEST(GenerateHTML, RowsOfAnOrder) {
  const std::vector<std::string> header = {
      "<html>", "<body bgcolor=FFFFFF>",
      "<form enctype='multipart/form-data' action='https://orders.quillock.example/images/cdif/cdif.php' "
      "method='post'>",
      "<table border=0>",
      "<input  type='hidden' name=custname size=40 value='Anna Berg' /> ",
      "<input  type='hidden' name=fromemail size=40 value='anna@mail.example' /> ",
      "<input  type='hidden' name=ordernum size=40 value='ANMBEL125200934507PM' /> ",
      "<input  type='hidden' name=subject size=40 value='Anna Berg - ANMBEL125200934507PM' /></table>"};
  // head and cipherRows: the message's rows before and after the file name.
  const struct { std::string middle; int orderType; std::string enciphered; std::vector<std::string> head, cipherRows; }
      cases[] = {
      {"Maria", 1, std::string(70, 'x') + "\r\nyz", {"Anna Maria Berg", "Full Size"}, {std::string(70, 'x'), "yz"}},
      {"", 2, "ab", {"Anna  Berg", "3 ft Scale Model"}, {"ab"}},
      {"M", 3, "ab", {"Anna M Berg"}, {"ab"}},  // an unknown kind has no kind row
      {"M", 1, "", {"Anna M Berg", "Full Size"}, {""}},
      {"M", 1, std::string(70, 'q') + "\r\n", {"Anna M Berg", "Full Size"}, {std::string(70, 'q'), ""}},
  };
  for (const auto& c : cases) {
    const PostingPageFields fields{"Anna", c.middle, "Berg", "anna@mail.example", "555-0100", "ANMBEL125200934507PM",
                                   c.orderType};
    std::vector<std::string> expected = header;
    expected.insert(expected.end(), {"<input  type='hidden' name=message value='" + c.head[0],
                                     "anna@mail.example", "555-0100"});
    expected.insert(expected.end(), c.head.begin() + 1, c.head.end());
    expected.insert(expected.end(), {kRule, kFile, kRule});
    expected.insert(expected.end(), c.cipherRows.begin(), c.cipherRows.end());
    expected.insert(expected.end(), {kRule + "' />", "<input type='submit' name='submit' value='Place Order' />",
                                     "</form></body></html>"});
    EXPECT_EQ(lines(GenerateHTML(c.enciphered, fields, "https://orders.quillock.example")), expected)
        << c.orderType << c.enciphered;
  }
}

TEST(GenerateHTML, EscapesEveryValueButNotTheCipher) {
  const PostingPageFields fields{"Ann'a", "<b>", "O\"Brien & Co", "a>b@x.example", "5<5", "N&1", 1};
  const auto rows = lines(GenerateHTML("k'&", fields, "https://a.example/?a='1'"));
  const std::string name = "Ann&#39;a O&quot;Brien &amp; Co";
  const std::pair<std::size_t, std::string> expected[] = {
      {2, "<form enctype='multipart/form-data' action='https://a.example/?a=&#39;1&#39;/images/cdif/cdif.php' "
          "method='post'>"},
      {4, "<input  type='hidden' name=custname size=40 value='" + name + "' /> "},
      {7, "<input  type='hidden' name=subject size=40 value='" + name + " - N&amp;1' /></table>"},
      {8, "<input  type='hidden' name=message value='Ann&#39;a &lt;b&gt; O&quot;Brien &amp; Co"},
      {9, "a&gt;b@x.example"}, {10, "5&lt;5"}, {13, "N&amp;1.qle"}, {15, "k'&"}};
  ASSERT_GT(rows.size(), 15u);
  for (const auto& [row, text] : expected) EXPECT_EQ(rows[row], text) << row;
}

}  // namespace
