#include "server/orderpost.h"

#include "ordering/ordercipher.h"
#include "ordering/utf8text.h"

#include <optional>
#include <vector>

namespace orderserver {
namespace {

constexpr std::string_view kRule = "-----------------------------------------------------------";
// The order lines from the card number on: the card line ("-", its digits,
// "-"), expiry month and year, security code, then the order number; after
// it the price, shipping, tax and total.
constexpr std::size_t kCardLineToNumber = 4;
constexpr std::size_t kAmountLines = 4;

// Lines without their CR LF or LF: browsers may send either.
std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

bool isCardLine(std::string_view line) {
  return line.size() > 2 && line.front() == '-' && line.back() == '-' &&
         line.substr(1, line.size() - 2).find_first_not_of("0123456789") == std::string_view::npos;
}

// The order text's number line, counted on from the card line: the served
// shipping and tax texts after the number may end in line ends of their own,
// so counting back from the end could land on another line. The last card
// line with room for the lines after it, so a card-like address before it
// does not count. Nothing when the text holds no such line.
std::optional<std::string_view> numberInOrder(std::string_view orderText) {
  const std::vector<std::string_view> lines = splitLines(orderText);
  constexpr std::size_t kLinesAfterCard = kCardLineToNumber + kAmountLines;
  for (std::size_t card = lines.size(); card-- > 0;)
    if (lines.size() - card > kLinesAfterCard && isCardLine(lines[card])) return lines[card + kCardLineToNumber];
  return std::nullopt;
}

std::optional<std::string> firstRefusal(const std::map<std::string, std::string, std::less<>>& fields) {
  for (const std::string_view name : kOrderFields) {
    const auto field = fields.find(name);
    if (field == fields.end()) return "the field " + std::string(name) + " is missing";
    if (!ordering::isUtf8(field->second)) return "the field " + std::string(name) + " is not UTF-8";
  }
  return std::nullopt;
}

}  // namespace

std::string encipheredBlock(std::string_view message) {
  const std::vector<std::string_view> lines = splitLines(message);
  std::size_t first = 0;
  while (first < lines.size() && lines[first] != kRule) ++first;
  std::size_t last = lines.size();
  while (last > 0 && lines[last - 1].empty()) --last;
  // Rule, file name, rule, the cipher's lines, closing rule.
  if (last == 0 || first + 3 > last - 1 || lines[first + 2] != kRule || lines[last - 1] != kRule)
    return {};
  std::string block;
  for (std::size_t i = first + 3; i < last - 1; ++i) block += lines[i];
  return block;
}

PostReading readPostedOrder(const std::map<std::string, std::string, std::less<>>& fields) {
  PostReading reading;
  if (const auto refusal = firstRefusal(fields)) {
    reading.refusal = *refusal;
    return reading;
  }
  PostedOrder& order = reading.order;
  order.customer = fields.find("custname")->second;
  order.email = fields.find("fromemail")->second;
  order.orderNumber = fields.find("ordernum")->second;
  order.subject = fields.find("subject")->second;
  order.message = fields.find("message")->second;
  const std::string block = encipheredBlock(order.message);
  const auto text = block.empty() ? std::nullopt
                                  : ordering::decipherOrder(block, ordering::kAlphabet,
                                                            ordering::kKeyTable);
  if (!text) {
    reading.refusal = "the message holds no readable order";
    return reading;
  }
  order.orderText = *text;
  // The buyer's field and the order the maker reads must name the same order.
  const std::optional<std::string_view> number = numberInOrder(order.orderText);
  if (order.orderNumber.empty()) reading.refusal = "the order has no number";
  else if (!number) reading.refusal = "the order text holds no order number";
  else if (ordering::cipherCharacters(order.orderNumber, ordering::kAlphabet) != *number)
    reading.refusal = "the order number does not match the order";
  if (!reading.refusal.empty()) order = {};
  return reading;
}

}  // namespace orderserver
