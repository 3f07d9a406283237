// A start or a store write the system refuses is reported with the system's reason.
#include "serverprocess.h"

#include <arpa/inet.h>
#include <netinet/in.h>

namespace servertest {
namespace {

// Below the first page of a new store: its preparation cannot be written.
constexpr rlim_t kTooSmallForAStore = 1024;
// Room for the store and a few orders, then no more.
constexpr rlim_t kRoomForAFewOrders = 96 * 1024;
constexpr int kMostOrdersTried = 200;

// A socket listening on a free loopback port; the port through `port`.
int listeningSocket(int& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  ::inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
  socklen_t size = sizeof address;
  EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), size), 0);
  EXPECT_EQ(::listen(fd, 1), 0);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
  port = ntohs(address.sin_port);
  return fd;
}

TEST_F(ProgramTest, APortTakenAndWritesPastAFileSizeLimitAreReportedWithTheSystemsReason) {
  int port = 0;
  const int taken = listeningSocket(port);
  {
    ServerProcess process(folder_, {"--port", std::to_string(port)});
    EXPECT_TRUE(exitedWith(process.kill(0), 1));
    const std::string says = "cannot listen on 127.0.0.1:" + std::to_string(port) + ": ";
    EXPECT_NE(process.log().find(says), std::string::npos) << process.log();
    EXPECT_NE(process.log().find("Address already in use"), std::string::npos) << process.log();
  }
  ::close(taken);
  // The store that start made, then none: opening it and preparing a new one both write.
  for (const char* refusal : {"cannot open the order store ", "cannot prepare the order store "}) {
    ServerProcess process(folder_, {}, kTooSmallForAStore);
    EXPECT_TRUE(exitedWith(process.kill(0), 1)) << refusal;
    const std::string says = refusal + storePath().string() + ": disk I/O error (File too large)";
    EXPECT_NE(process.log().find(says), std::string::npos) << process.log();
    fs::remove(storePath());
  }
  ServerProcess process(folder_, {}, kRoomForAFewOrders);
  int refused = 0;
  for (int i = 0; i < kMostOrdersTried && refused == 0; ++i)
    if (statusOf(post(orderForm("F" + std::to_string(i)), process.port())) != 200) ++refused;
  EXPECT_EQ(refused, 1);
  EXPECT_NE(process.log().find("could not store an order: disk I/O error (File too large)"), std::string::npos)
      << process.log();
}

}  // namespace
}  // namespace servertest
