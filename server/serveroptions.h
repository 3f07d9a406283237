#pragma once
// The order server's settings and how its command line sets them.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orderserver {

inline constexpr std::string_view kLoopbackHost = "127.0.0.1";
inline constexpr int kDefaultPort = 8080;

struct ServerOptions {
  std::string textFolder;  // the order texts served at the root
  std::string storePath;   // the SQLite order store
  std::string host{kLoopbackHost};
  int port = kDefaultPort;  // 0: any free port, printed when listening
  std::string certFile;     // both set: HTTPS
  std::string keyFile;
};

inline constexpr std::string_view kUsage =
    "usage: quillock-orderserver --texts DIR --store FILE [--host ADDRESS] [--port N]"
    " [--cert FILE --key FILE]\n";

// Nothing, with `error` set, when the arguments (program name excluded) are
// incomplete or wrong.
std::optional<ServerOptions> parseOptions(std::span<const std::string_view> args,
                                          std::string& error);

// True for 127.0.0.0/8, ::1 and "localhost".
bool isLoopback(std::string_view host);

}  // namespace orderserver
