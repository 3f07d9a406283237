#include "server/orderpost.h"

#include "ordering/ordercipher.h"

#include <vector>

namespace orderserver {
namespace {

constexpr std::string_view kRule = "-----------------------------------------------------------";

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
  for (const std::string_view name : kOrderFields) {
    if (!fields.contains(name)) {
      reading.refusal = "the field " + std::string(name) + " is missing";
      return reading;
    }
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
  return reading;
}

}  // namespace orderserver
