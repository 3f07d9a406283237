#include "ordering/postingpage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ordering::GenerateHTML;
using ordering::PostingPageFields;

constexpr const char* kRule = "-----------------------------------------------------------";

std::vector<std::string> lines(const std::string& page) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t end; (end = page.find("\r\n", start)) != std::string::npos; start = end + 2)
    out.push_back(page.substr(start, end - start));
  EXPECT_EQ(start, page.size()) << "every line ends with CR LF";
  return out;
}

PostingPageFields anna() {
  return {"Anna", "Maria", "Berg", "anna@mail.example", "555-0100", "ANMBEL125200934507PM", 1};
}

TEST(GenerateHTML, RowsOfAFullSizeOrder) {
  const std::string enciphered = std::string(70, 'x') + "\r\nyz";
  const std::vector<std::string> expected = {
      "<html>",
      "<body bgcolor=FFFFFF>",
      "<form enctype='multipart/form-data' action='https://orders.quillock.example/images/cdif/"
      "cdif.php' method='post'>",
      "<table border=0>",
      "<input  type='hidden' name=custname size=40 value='Anna Berg' /> ",
      "<input  type='hidden' name=fromemail size=40 value='anna@mail.example' /> ",
      "<input  type='hidden' name=ordernum size=40 value='ANMBEL125200934507PM' /> ",
      "<input  type='hidden' name=subject size=40 value='Anna Berg - ANMBEL125200934507PM' /></table>",
      "<input  type='hidden' name=message value='Anna Maria Berg",
      "anna@mail.example",
      "555-0100",
      "Full Size",
      kRule,
      "ANMBEL125200934507PM.qle",
      kRule,
      std::string(70, 'x'),
      "yz",
      std::string(kRule) + "' />",
      "<input type='submit' name='submit' value='Place Order' />",
      "</form></body></html>",
  };
  EXPECT_EQ(lines(GenerateHTML(enciphered, anna(), "https://orders.quillock.example")), expected);
}

TEST(GenerateHTML, MiddleNameKindAndEmptyOrders) {
  const struct {
    const char* name;
    std::string middle;
    int orderType;
    std::string enciphered;
    std::size_t line;  // 0-based row checked, then the rows after the kind
    std::string expected;
    std::vector<std::string> tail;
  } cases[] = {
      {"no middle name", "", 2, "ab", 8, "<input  type='hidden' name=message value='Anna  Berg",
       {"3 ft Scale Model", kRule, "ANMBEL125200934507PM.qle", kRule, "ab"}},
      {"unknown kind has no kind row", "M", 3, "ab", 8,
       "<input  type='hidden' name=message value='Anna M Berg",
       {kRule, "ANMBEL125200934507PM.qle", kRule, "ab"}},
      {"empty order leaves an empty row", "M", 1, "", 8,
       "<input  type='hidden' name=message value='Anna M Berg",
       {"Full Size", kRule, "ANMBEL125200934507PM.qle", kRule, "", std::string(kRule) + "' />"}},
      {"70 columns end with their own break", "M", 1, std::string(70, 'q') + "\r\n", 8,
       "<input  type='hidden' name=message value='Anna M Berg",
       {"Full Size", kRule, "ANMBEL125200934507PM.qle", kRule, std::string(70, 'q'), "",
        std::string(kRule) + "' />"}},
  };
  for (const auto& c : cases) {
    PostingPageFields fields = anna();
    fields.middleName = c.middle;
    fields.orderType = c.orderType;
    const auto rows = lines(GenerateHTML(c.enciphered, fields, "http://127.0.0.1:8080"));
    ASSERT_GT(rows.size(), c.line + 3 + c.tail.size()) << c.name;
    EXPECT_EQ(rows[c.line], c.expected) << c.name;
    const std::vector<std::string> tail(rows.begin() + c.line + 3,
                                        rows.begin() + c.line + 3 + c.tail.size());
    EXPECT_EQ(tail, c.tail) << c.name;
  }
}

TEST(GenerateHTML, EscapesEveryValueButNotTheCipher) {
  PostingPageFields fields{"Ann'a", "<b>", "O\"Brien & Co", "a>b@x.example", "5<5", "N&1", 1};
  const auto rows = lines(GenerateHTML("k'&", fields, "https://a.example/?a='1'"));
  EXPECT_EQ(rows[2], "<form enctype='multipart/form-data' action='https://a.example/?a=&#39;1&#39;"
                     "/images/cdif/cdif.php' method='post'>");
  EXPECT_EQ(rows[4], "<input  type='hidden' name=custname size=40 value='Ann&#39;a O&quot;Brien "
                     "&amp; Co' /> ");
  EXPECT_EQ(rows[7], "<input  type='hidden' name=subject size=40 value='Ann&#39;a O&quot;Brien "
                     "&amp; Co - N&amp;1' /></table>");
  EXPECT_EQ(rows[8], "<input  type='hidden' name=message value='Ann&#39;a &lt;b&gt; O&quot;Brien "
                     "&amp; Co");
  EXPECT_EQ(rows[9], "a&gt;b@x.example");
  EXPECT_EQ(rows[10], "5&lt;5");
  EXPECT_EQ(rows[13], "N&amp;1.qle");
  EXPECT_EQ(rows[15], "k'&");
}

}  // namespace
