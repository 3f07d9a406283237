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
  const std::string file = "ANMBEL125200934507PM.qle";
  const std::string closing = std::string(kRule) + "' />";
  const struct {
    const char* name;
    std::string middle;
    int orderType;
    std::string enciphered;
    std::vector<std::string> messageRows;  // from the card holder's name on
  } cases[] = {
      {"no middle name", "", 2, "ab",
       {"Anna  Berg", "anna@mail.example", "555-0100", "3 ft Scale Model", kRule, file, kRule, "ab"}},
      {"unknown kind has no kind row", "M", 3, "ab",
       {"Anna M Berg", "anna@mail.example", "555-0100", kRule, file, kRule, "ab", closing}},
      {"empty order leaves an empty row", "M", 1, "",
       {"Anna M Berg", "anna@mail.example", "555-0100", "Full Size", kRule, file, kRule, "", closing}},
      {"70 columns end with their own break", "M", 1, std::string(70, 'q') + "\r\n",
       {"Anna M Berg", "anna@mail.example", "555-0100", "Full Size", kRule, file, kRule,
        std::string(70, 'q'), "", closing}},
  };
  constexpr std::size_t kMessageRow = 8;
  const std::string fieldStart = "<input  type='hidden' name=message value='";
  for (const auto& c : cases) {
    PostingPageFields fields = anna();
    fields.middleName = c.middle;
    fields.orderType = c.orderType;
    auto rows = lines(GenerateHTML(c.enciphered, fields, "http://127.0.0.1:8080"));
    ASSERT_GE(rows.size(), kMessageRow + c.messageRows.size()) << c.name;
    ASSERT_TRUE(rows[kMessageRow].starts_with(fieldStart)) << c.name;
    rows[kMessageRow].erase(0, fieldStart.size());
    const std::vector<std::string> message(rows.begin() + kMessageRow,
                                           rows.begin() + kMessageRow + c.messageRows.size());
    EXPECT_EQ(message, c.messageRows) << c.name;
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
