#include "server/orderpost.h"
#include "server/serveroptions.h"

#include "serverfixture.h"

#include <gtest/gtest.h>

namespace {

using orderserver::parseOptions;

std::map<std::string, std::string, std::less<>> fieldsOf(const httplib::MultipartFormDataItems& form) {
  std::map<std::string, std::string, std::less<>> fields;
  for (const auto& item : form) fields.emplace(item.name, item.content);
  return fields;
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

TEST(ReadPostedOrder, DeciphersWhateverLineEndsTheBrowserSent) {
  const struct {
    const char* name;
    std::string text;
  } orders[] = {
      {"ordinary order", servertest::orderText("ANMBEL1")},
      {"cipher of exactly 70 columns leaves an empty row", std::string(70, 'x')},
      {"card type with a slash", "Discover Novus\r\n"},
  };
  for (const auto& order : orders) {
    auto fields = fieldsOf(servertest::orderForm("ANMBEL1", order.text));
    for (const bool lfOnly : {false, true}) {
      if (lfOnly) fields["message"] = replaceAll(fields["message"], "\r\n", "\n");
      const auto reading = orderserver::readPostedOrder(fields);
      EXPECT_EQ(reading.refusal, "") << order.name;
      EXPECT_EQ(reading.order.orderText, order.text) << order.name << lfOnly;
      EXPECT_EQ(reading.order.orderNumber, "ANMBEL1");
    }
  }
  // A browser may drop the message's last line end or add one.
  auto fields = fieldsOf(servertest::orderForm("N", "abc"));
  fields["message"] += "\r\n\r\n";
  EXPECT_EQ(orderserver::readPostedOrder(fields).order.orderText, "abc");
}

TEST(ReadPostedOrder, RefusesMessagesWithoutAnOrder) {
  const std::string rule(59, '-');
  for (const std::string& message :
       {std::string(), "Anna\r\n" + rule + "\r\nN.qle\r\n" + rule,
        "Anna\r\n" + rule + "\r\nN.qle\r\n" + rule + "\r\nabc",
        "Anna\r\n" + rule + "\r\nN.qle\r\nabc\r\n" + rule,
        "Anna\r\n" + rule + "\r\nN.qle\r\n" + rule + "\r\nab'c\r\n" + rule}) {
    auto fields = fieldsOf(servertest::orderForm("N", "abc"));
    fields["message"] = message;
    EXPECT_EQ(orderserver::readPostedOrder(fields).refusal, "the message holds no readable order")
        << message;
  }
}

TEST(ParseOptions, CommandLines) {
  const struct {
    std::vector<std::string_view> args;
    std::string error;  // empty: accepted
    int port;
    std::string host;
  } cases[] = {
      {{"--texts", "t", "--store", "s"}, "", 8080, "127.0.0.1"},
      {{"--texts", "t", "--store", "s", "--port", "0"}, "", 0, "127.0.0.1"},
      {{"--store", "s", "--texts", "t", "--host", "::1", "--port", "65535"}, "", 65535, "::1"},
      {{"--texts", "t", "--store", "s", "--host", "0.0.0.0", "--cert", "c", "--key", "k"}, "", 8080,
       "0.0.0.0"},
      {{"--texts", "t"}, "--texts and --store are required", 0, ""},
      {{"--texts", "t", "--store"}, "--store needs a value", 0, ""},
      {{"--texts", "t", "--store", "s", "--port", "65536"},
       "the port must be a number from 0 to 65535", 0, ""},
      {{"--texts", "t", "--store", "s", "--port", "80x"}, "the port must be a number from 0 to 65535",
       0, ""},
      {{"--texts", "t", "--store", "s", "--verbose", "1"}, "unknown option --verbose", 0, ""},
      {{"--texts", "t", "--store", "s", "--cert", "c"}, "--cert and --key go together", 0, ""},
      {{"--texts", "t", "--store", "s", "--host", "192.168.1.5"},
       "plain HTTP is served on loopback only; give --cert and --key to serve on 192.168.1.5", 0, ""},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto options = parseOptions(c.args, error);
    EXPECT_EQ(error, c.error) << c.args.size();
    ASSERT_EQ(options.has_value(), c.error.empty()) << c.error;
    if (!options) continue;
    EXPECT_EQ(options->port, c.port);
    EXPECT_EQ(options->host, c.host);
    EXPECT_EQ(options->textFolder, "t");
    EXPECT_EQ(options->storePath, "s");
  }
  for (const auto& [host, loopback] : std::vector<std::pair<std::string_view, bool>>{
           {"127.0.0.1", true}, {"127.8.0.2", true}, {"localhost", true}, {"::1", true},
           {"128.0.0.1", false}, {"::", false}, {"example.com", false}, {"", false}})
    EXPECT_EQ(orderserver::isLoopback(host), loopback) << host;
}

}  // namespace
