#include "server/serveroptions.h"

#include <arpa/inet.h>

#include <charconv>
#include <map>

namespace orderserver {
namespace {

constexpr int kMaxPort = 65535;

std::optional<int> parsePort(std::string_view text) {
  int port = -1;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (ec != std::errc() || end != text.data() + text.size() || port < 0 || port > kMaxPort)
    return std::nullopt;
  return port;
}

}  // namespace

std::string usage() {
  return "usage: quillock-orderserver --texts DIR --store FILE --public-key FILE [--host ADDRESS] [--port N]"
         " [--cert FILE --key FILE]\n"
         "       quillock-orderserver --make-keys PUBLIC-KEY-FILE SECRET-KEY-FILE\n"
         "       quillock-orderserver --read-orders STORE --secret-key FILE\n"
         "       quillock-orderserver --help\n"
         "The address defaults to " + std::string(kLoopbackHost) + " and the port to " + std::to_string(kDefaultPort) +
         " (0: any free port, printed when listening).\n";
}

bool isLoopback(std::string_view host) {
  if (host == "localhost") return true;
  const std::string text(host);
  in_addr v4{};
  if (inet_pton(AF_INET, text.c_str(), &v4) == 1) return (ntohl(v4.s_addr) >> 24) == 127;
  in6_addr v6{};
  return inet_pton(AF_INET6, text.c_str(), &v6) == 1 && IN6_IS_ADDR_LOOPBACK(&v6);
}

std::optional<ServerOptions> parseOptions(std::span<const std::string_view> args,
                                          std::string& error) {
  ServerOptions options;
  const std::map<std::string_view, std::string*> texts = {
      {"--texts", &options.textFolder}, {"--store", &options.storePath},
      {"--public-key", &options.publicKeyFile},
      {"--host", &options.host},        {"--cert", &options.certFile},
      {"--key", &options.keyFile}};
  for (std::size_t i = 0; i < args.size(); i += 2) {
    const std::string_view name = args[i];
    if (i + 1 == args.size()) {
      error = std::string(name) + " needs a value";
      return std::nullopt;
    }
    const std::string_view value = args[i + 1];
    if (name == "--port") {
      const auto port = parsePort(value);
      if (!port) {
        error = "the port must be a number from 0 to 65535";
        return std::nullopt;
      }
      options.port = *port;
    } else if (const auto found = texts.find(name); found != texts.end()) {
      *found->second = value;
    } else {
      error = "unknown option " + std::string(name);
      return std::nullopt;
    }
  }
  if (options.textFolder.empty() || options.storePath.empty() || options.publicKeyFile.empty()) {
    error = "--texts, --store and --public-key are required";
  } else if (options.certFile.empty() != options.keyFile.empty()) {
    error = "--cert and --key go together";
  } else if (options.certFile.empty() && !isLoopback(options.host)) {
    // Orders carry card data: never in the clear beyond this machine.
    error = "plain HTTP is served on loopback only; give --cert and --key to serve on " +
            options.host;
  } else {
    return options;
  }
  return std::nullopt;
}

}  // namespace orderserver
