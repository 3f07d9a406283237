#include "ordering/postingpage.h"

#include <initializer_list>

namespace ordering {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRule = "-----------------------------------------------------------";
constexpr std::string_view kEncipheredExtension = ".qle";
constexpr std::string_view kHiddenField = "<input  type='hidden' name=";

std::string_view planKind(int orderType) {
  if (orderType == kFullSizePlans) return "Full Size";
  if (orderType == kScaleModelPlans) return "3 ft Scale Model";
  return {};
}

}  // namespace

std::string escapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '\'': out += "&#39;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string GenerateHTML(std::string_view enciphered, const PostingPageFields& fields,
                         std::string_view serverAddress) {
  const std::string first = escapeHtml(fields.firstName);
  const std::string last = escapeHtml(fields.lastName);
  const std::string email = escapeHtml(fields.email);
  const std::string number = escapeHtml(fields.orderNumber);
  std::string page;
  page.reserve(enciphered.size() + 1024);
  const auto line = [&page](std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) page += piece;
    page += kLineEnd;
  };
  line({"<html>"});
  line({"<body bgcolor=FFFFFF>"});
  line({"<form enctype='multipart/form-data' action='", escapeHtml(serverAddress),
        kOrderScriptPath, "' method='post'>"});
  line({"<table border=0>"});
  line({kHiddenField, "custname size=40 value='", first, " ", last, "' /> "});
  line({kHiddenField, "fromemail size=40 value='", email, "' /> "});
  line({kHiddenField, "ordernum size=40 value='", number, "' /> "});
  line({kHiddenField, "subject size=40 value='", first, " ", last, " - ", number,
        "' /></table>"});
  line({kHiddenField, "message value='", first, " ", escapeHtml(fields.middleName), " ", last});
  line({email});
  line({escapeHtml(fields.phone)});
  if (const std::string_view kind = planKind(fields.orderType); !kind.empty()) line({kind});
  line({kRule});
  line({number, kEncipheredExtension});
  line({kRule});
  line({enciphered});
  line({kRule, "' />"});
  line({"<input type='submit' name='submit' value='Place Order' />"});
  line({"</form></body></html>"});
  return page;
}

}  // namespace ordering
