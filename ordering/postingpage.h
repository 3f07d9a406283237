#pragma once
// The posting page: the HTML form, written as text, whose one button posts
// the enciphered order to the maker's order script; and the script's path,
// shared with the order server. Standard C++ only.

#include <string>
#include <string_view>

namespace ordering {

// Path of the order script on the maker's server.
inline constexpr std::string_view kOrderScriptPath = "/images/cdif/cdif.php";

// Order kinds as the order form sets them.
inline constexpr int kFullSizePlans = 1;
inline constexpr int kScaleModelPlans = 2;

// What the page shows of the order, as the user typed it (not escaped).
struct PostingPageFields {
  std::string firstName;
  std::string middleName;
  std::string lastName;
  std::string email;
  std::string phone;
  std::string orderNumber;
  int orderType = 0;
};

// `text` with & < > ' " replaced by their character references.
std::string escapeHtml(std::string_view text);

// The page, every line ended by CR LF, posting to `serverAddress` (scheme and
// host, no trailing slash) followed by kOrderScriptPath. `enciphered` is
// copied unchanged; every other value is HTML-escaped.
std::string GenerateHTML(std::string_view enciphered, const PostingPageFields& fields,
                         std::string_view serverAddress);

}  // namespace ordering
