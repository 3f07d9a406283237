#include "server/orderpost.h"

#include "ordering/ordercipher.h"
#include "ordering/utf8text.h"

#include <optional>
#include <vector>

namespace orderserver {
namespace {

constexpr std::string_view kRule = "-----------------------------------------------------------";
// The order text ends with the order number, price, shipping, tax and total lines.
constexpr std::size_t kLinesAfterOrderNumber = 4;

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

// The order text's number line; empty when the text is too short to hold one.
std::string_view numberInOrder(std::string_view orderText) {
  const std::vector<std::string_view> lines = splitLines(orderText);
  return lines.size() > kLinesAfterOrderNumber ? lines[lines.size() - kLinesAfterOrderNumber - 1]
                                               : std::string_view();
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
  if (ordering::cipherCharacters(order.orderNumber, ordering::kAlphabet) != numberInOrder(order.orderText)) {
    reading.refusal = "the order number does not match the order";
    order = {};
  }
  return reading;
}

}  // namespace orderserver
