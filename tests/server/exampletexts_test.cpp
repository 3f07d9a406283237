// The example texts folder the README serves, read as the order form reads
// each text.

#include "model/file/numbertext.h"
#include "model/file/textfile.h"
#include "ordering/placement.h"
#include "ordering/purchaselists.h"
#include "server/orderserver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

constexpr std::uintmax_t kMaxTextBytes = 1 << 20;
constexpr const char* kMissing = "<missing>";

std::string exampleText(std::string_view name) {
  return model::readTextFile(std::filesystem::path(QUILLOCK_EXAMPLE_TEXTS) / name, kMaxTextBytes)
      .value_or(kMissing);
}

}  // namespace

// The form compares the service's state whole: a line end after "1" would
// close it.
TEST(ExampleTexts, OpenTheServicePriceBothPlansAndTaxOneStateOfTheList) {
  for (std::string_view name : orderserver::kServedTexts) EXPECT_NE(exampleText(name), kMissing) << name;
  EXPECT_EQ(exampleText("v120.txt"), "1");
  for (const char* price : {"price.txt", "pricemodel.txt", "shippingmodel.txt"})
    EXPECT_GT(ordering::numericValue(exampleText(price)), 0) << price;
  EXPECT_EQ(exampleText("shipping.txt"), "0");  // shown as free shipping
  EXPECT_FALSE(exampleText("terms.txt").empty());

  const std::string state = exampleText("State.txt"), tax = exampleText("tax.txt");
  EXPECT_NE(std::ranges::find(ordering::kStates, state), ordering::kStates.end()) << '"' << state << '"';
  const double rate = ordering::numericValue(tax);
  EXPECT_TRUE(rate > 0 && rate < 1) << tax;
  EXPECT_EQ(model::plainText(rate), tax);  // nothing after the rate
  EXPECT_EQ(ordering::taxText(state, state, tax), tax);
}
