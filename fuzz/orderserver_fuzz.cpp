// libFuzzer target for the order server. Each input is all one client sends
// on a connection: request lines, headers and bodies, one request or several.
// It reaches the real server, started once, through one end of a socket pair,
// so the HTTP library reads it as it reads any client, form reader included.
// Whatever the bytes, the server must answer or close the connection and
// serve on.

#include "server/ordersealing.h"
#include "server/orderserver.h"

#include <linux/sockios.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;

// Past this the store is started afresh, so a long run cannot fill the disk.
constexpr std::uintmax_t kMaxStoreBytes = 8 << 20;
constexpr unsigned kInputsBetweenStoreChecks = 256;
// The server cuts a client that neither finishes nor goes.
constexpr std::chrono::seconds kDeadline{1};
// How often the client looks whether the server has read all it sent.
constexpr int kUnreadCheckMs = 1;

[[noreturn]] void fail(const char* what) {
  std::perror(what);
  std::abort();
}

class FuzzedServer {
 public:
  FuzzedServer() {
    std::string folder = (fs::temp_directory_path() / "quillock-orderfuzz-XXXXXX").string();
    if (!::mkdtemp(folder.data())) fail("no folder for the server");
    folder_ = folder;
    for (const std::string_view name : orderserver::kServedTexts)
      std::ofstream(folder_ / name, std::ios::binary) << "1";
    const auto keys = orderserver::makeKeyPair();
    std::string error;
    if (!keys || !orderserver::writeKeyFile((folder_ / "public.key").string(), keys->publicKey, error))
      fail("no key for the server");
    start();
  }
  ~FuzzedServer() {
    server_.reset();
    fs::remove_all(folder_);
  }
  FuzzedServer(const FuzzedServer&) = delete;
  FuzzedServer& operator=(const FuzzedServer&) = delete;

  void converse(std::string_view input) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) fail("socketpair");
    const sockaddr_in peer{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    if (server_->serveConnection(ends[1], reinterpret_cast<const sockaddr*>(&peer), sizeof peer))
      exchange(ends[0], input);
    ::close(ends[0]);
    if (++inputs_ % kInputsBetweenStoreChecks == 0 && storeBytes() > kMaxStoreBytes) restart();
  }

 private:
  void start() {
    orderserver::ServerOptions options;
    options.textFolder = folder_.string();
    options.storePath = (folder_ / "orders.sqlite").string();
    options.publicKeyFile = (folder_ / "public.key").string();
    options.port = 0;
    options.requestDeadline = kDeadline;
    options.idleTimeout = kDeadline;
    std::string error;
    server_ = orderserver::OrderServer::start(options, [](std::string_view) {}, error);
    if (!server_) {
      std::fprintf(stderr, "the server did not start: %s\n", error.c_str());
      std::abort();
    }
  }

  void restart() {
    server_.reset();
    for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(folder_ / ("orders.sqlite" + std::string(suffix)));
    start();
  }

  std::uintmax_t storeBytes() const {
    std::uintmax_t bytes = 0;
    for (const char* suffix : {"", "-wal"}) {
      std::error_code ignored;
      const auto size = fs::file_size(folder_ / ("orders.sqlite" + std::string(suffix)), ignored);
      if (!ignored) bytes += size;
    }
    return bytes;
  }

  // Sends `input`, then ends the sending side, reading the answers meanwhile
  // until the server closes the connection. The end waits until the server
  // has read every byte: the HTTP library misses an end that comes with the
  // last bytes of an unfinished request, and holds the connection until its
  // timeout.
  static void exchange(int socket, std::string_view input) {
    bool ended = false;
    char answer[4096];
    for (;;) {
      if (input.empty() && !ended && unread(socket) == 0) {
        ::shutdown(socket, SHUT_WR);
        ended = true;
      }
      pollfd wait{socket, POLLIN, 0};
      if (!input.empty()) wait.events |= POLLOUT;
      if (::poll(&wait, 1, input.empty() && !ended ? kUnreadCheckMs : -1) < 0 && errno != EINTR) fail("poll");
      if (wait.revents & POLLOUT) {
        const ssize_t sent = ::send(socket, input.data(), input.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        // A server that closed early takes no more.
        if (sent < 0 && errno != EAGAIN) input = {};
        if (sent > 0) input.remove_prefix(std::size_t(sent));
      }
      if (wait.revents & (POLLIN | POLLHUP | POLLERR)) {
        const ssize_t read = ::recv(socket, answer, sizeof answer, MSG_DONTWAIT);
        if (read == 0 || (read < 0 && errno != EAGAIN)) return;
      }
    }
  }

  // The bytes sent on `socket` its peer has not read yet.
  static int unread(int socket) {
    int bytes = 0;
    return ::ioctl(socket, SIOCOUTQ, &bytes) == 0 ? bytes : 0;
  }

  fs::path folder_;
  std::unique_ptr<orderserver::OrderServer> server_;
  unsigned inputs_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static FuzzedServer server;
  server.converse(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
