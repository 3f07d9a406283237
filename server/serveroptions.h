#pragma once
// The order server's settings and how its command line sets them.

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orderserver {

inline constexpr std::string_view kLoopbackHost = "127.0.0.1";
inline constexpr int kDefaultPort = 8080;
// Far beyond what a buyer's browser needs to send an order.
inline constexpr std::chrono::seconds kRequestDeadline{30};
inline constexpr std::chrono::seconds kIdleTimeout{10};

struct ServerOptions {
  std::string textFolder;     // the order texts served at the root
  std::string storePath;      // the SQLite order store
  std::string publicKeyFile;  // the maker's public key: orders are sealed to it
  std::string host{kLoopbackHost};
  int port = kDefaultPort;  // 0: any free port, printed when listening
  std::string certFile;     // both set: HTTPS
  std::string keyFile;
  // Headers and body of one request must arrive within the deadline; a
  // connection silent for the idle time is closed.
  std::chrono::milliseconds requestDeadline{kRequestDeadline};
  std::chrono::milliseconds idleTimeout{kIdleTimeout};
};

// The command lines the server takes, with the defaults of the options.
std::string usage();

// Nothing, with `error` set, when the arguments (program name excluded) are
// incomplete or wrong.
std::optional<ServerOptions> parseOptions(std::span<const std::string_view> args,
                                          std::string& error);

// True for 127.0.0.0/8, ::1 and "localhost".
bool isLoopback(std::string_view host);

}  // namespace orderserver
