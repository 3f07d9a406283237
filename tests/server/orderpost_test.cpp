#include "server/orderpost.h"
#include "server/serveroptions.h"

#include "serverfixture.h"

#include <gtest/gtest.h>

#include <ranges>

namespace {

std::map<std::string, std::string, std::less<>> fieldsOf(const std::string& text) {
  std::map<std::string, std::string, std::less<>> fields;
  for (const auto& item : servertest::orderForm("ANMBEL1", text)) fields.emplace(item.name, item.content);
  return fields;
}

TEST(ReadPostedOrder, DeciphersAnyLineEndsAndRefusesMessagesWithoutAnOrder) {
  // The order lines from the card number on, as every order text ends.
  const std::string lastLines = "-4111111111111111-\r\n07\r\n2012\r\n123\r\nANMBEL1\r\n 45\r\n0\r\n0.00\r\n 45\r\n";
  for (const std::string& text : {servertest::orderText("ANMBEL1"),
                                  // a cipher of exactly 70 columns leaves an empty row
                                  std::string(70 - lastLines.size() - 2, 'x') + "\r\n" + lastLines,
                                  "Discover Novus\r\n" + lastLines}) {
    auto fields = fieldsOf(text);
    for (const bool lfOnly : {false, true}) {
      for (std::size_t at = 0; lfOnly && (at = fields["message"].find("\r\n", at)) != std::string::npos;)
        fields["message"].erase(at, 1);
      const auto reading = orderserver::readPostedOrder(fields);
      EXPECT_EQ(reading.order.orderText + "|" + reading.order.orderNumber, text + "|ANMBEL1")
          << reading.refusal << lfOnly;
    }
  }
  // A browser may drop the message's last line end or add one.
  auto fields = fieldsOf("abc\r\n" + lastLines);
  fields["message"] += "\r\n\r\n";
  EXPECT_EQ(orderserver::readPostedOrder(fields).order.orderText, "abc\r\n" + lastLines);
  const std::string rule(59, '-'), head = "Anna\r\n" + rule + "\r\nN.qle\r\n";
  for (const std::string& message : {std::string(), head + rule, head + rule + "\r\nabc", head + "abc\r\n" + rule,
                                     head + rule + "\r\nab'c\r\n" + rule}) {
    fields["message"] = message;
    EXPECT_EQ(orderserver::readPostedOrder(fields).refusal, "the message holds no readable order") << message;
  }
}

TEST(ParseOptions, CommandLines) {
  const std::string port = "the port must be a number from 0 to 65535";
  const struct { std::string args, error; int port; std::string host; } cases[] = {  // no error: accepted
      {"--texts t --store s", "", 8080, "127.0.0.1"},        {"--texts t --store s --port 0", "", 0, "127.0.0.1"},
      {"--store s --texts t --host ::1 --port 65535", "", 65535, "::1"},
      {"--texts t --store s --host 0.0.0.0 --cert c --key k", "", 8080, "0.0.0.0"},
      {"--texts t --store s --public-key", "--public-key needs a value", 0, ""},
      {"--texts t --public-key p", "--texts, --store and --public-key are required", 0, ""},
      {"--texts t --store", "--store needs a value", 0, ""},
      {"--texts t --store s --port 65536", port, 0, ""},        {"--texts t --store s --port 80x", port, 0, ""},
      {"--texts t --store s --verbose 1", "unknown option --verbose", 0, ""},
      {"--texts t --store s --cert c", "--cert and --key go together", 0, ""},
      {"--texts t --store s --host 192.168.1.5",
       "plain HTTP is served on loopback only; give --cert and --key to serve on 192.168.1.5", 0, ""},
  };
  for (const auto& c : cases) {
    std::vector<std::string_view> args;
    const std::string line = c.error.ends_with("needs a value") ? c.args : c.args + " --public-key p";
    for (const auto word : std::views::split(line, ' ')) args.emplace_back(word.begin(), word.end());
    std::string error;
    const auto options = orderserver::parseOptions(args, error);
    EXPECT_EQ(error, c.error) << c.args;
    ASSERT_EQ(options.has_value(), c.error.empty()) << c.args;
    if (!options) continue;
    EXPECT_EQ(std::tuple(options->port, options->host, options->textFolder + options->storePath + options->publicKeyFile),
              std::tuple(c.port, c.host, std::string("tsp"))) << c.args;
  }
  for (const auto& [host, loopback] : std::vector<std::pair<std::string_view, bool>>{
           {"127.0.0.1", true}, {"127.8.0.2", true}, {"localhost", true}, {"::1", true}, {"128.0.0.1", false},
           {"::", false}, {"example.com", false}, {"", false}})
    EXPECT_EQ(orderserver::isLoopback(host), loopback) << host;
}

}  // namespace
