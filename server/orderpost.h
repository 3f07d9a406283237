#pragma once
// Reading a posted order: the form's six fields in, the order as the server
// stores it (with the order text deciphered) or the reason it is refused out.
// Standard C++ only.

#include <map>
#include <string>
#include <string_view>

namespace orderserver {

// The fields the posting page sends, all required.
inline constexpr std::string_view kOrderFields[] = {"custname", "fromemail", "ordernum",
                                                    "subject",  "message",   "submit"};

struct PostedOrder {
  std::string customer;
  std::string email;
  std::string orderNumber;
  std::string subject;
  std::string message;    // as posted, order still enciphered
  std::string orderText;  // deciphered
};

struct PostReading {
  PostedOrder order;
  std::string refusal;  // empty when the order is sound
};

// `fields` maps form field names to their values.
PostReading readPostedOrder(const std::map<std::string, std::string, std::less<>>& fields);

// The enciphered order between the message's second and last dashed rules,
// line breaks dropped; empty when the message has no such block.
std::string encipheredBlock(std::string_view message);

}  // namespace orderserver
