#pragma once
// An order as a browser posts it from the posting page: the order text (design
// rows, then the order form's lines for a buyer paying by card) enciphered and
// put on the page by the program's own code, and the form's fields read back
// off the page. For the benchmarks and the fuzzer's seeds; standard C++ only.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testsupport {

// Form fields, name and value, in the page's order.
using FormFields = std::vector<std::pair<std::string, std::string>>;

// The page's fields for an order of `designText` numbered `number`.
FormFields postedOrder(std::string_view designText, std::string_view number);

}  // namespace testsupport
