// Form parts a browser never sends, posted to the server program: each is refused and the server serves on.
#include "serverprocess.h"

namespace servertest {
namespace {

constexpr std::string_view kBoundary = "----bbqbound";

// A multipart body of one part with `headers` (each ending in CRLF) and the content "x".
std::string onePart(std::string_view headers) {
  return "--" + std::string(kBoundary) + "\r\n" + std::string(headers) + "\r\nx\r\n--" + std::string(kBoundary) +
         "--\r\n";
}

TEST_F(ProgramTest, APartWithoutANameIsRefusedAndTheServerServesOn) {
  using namespace std::string_literals;
  const std::string parts[] = {
      onePart(""),
      onePart("Content-Disposition: form-data\r\n"),
      onePart("Content-Disposition: form-data; \0name=\"custname\"\r\n"s),
      onePart("Content-Type: text/plain\r\n"),
  };
  ServerProcess process(folder_);
  httplib::Client client("127.0.0.1", process.port());
  client.set_read_timeout(10);
  for (const std::string& body : parts) {
    EXPECT_EQ(statusOf(client.Post(std::string(ordering::kOrderScriptPath), body,
                                   "multipart/form-data; boundary=" + std::string(kBoundary))),
              400)
        << body;
  }
  EXPECT_EQ(statusOf(post(orderForm("NP1"), process.port())), 200);
  const auto stored = storedOrders();
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].orderNumber, "NP1");
}

}  // namespace
}  // namespace servertest
