#pragma once
// The maker's order server: serves the order texts from a folder and takes
// posted orders at the order script's path, deciphers them and stores them
// before answering. Start it, read its port, run it (blocking) and stop it
// from another thread; tests run it in-process on 127.0.0.1 port 0.

#include "server/orderstore.h"
#include "server/serveroptions.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace httplib {
class Server;
}

namespace orderserver {

// The texts the order form fetches; nothing else in the folder is served.
inline constexpr std::string_view kServedTexts[] = {
    "v120.txt",      "price.txt", "pricemodel.txt", "shipping.txt",
    "shippingmodel.txt", "terms.txt", "State.txt",  "tax.txt"};

// Posts above this size are refused before they are read.
inline constexpr std::size_t kMaxPostBytes = 1 << 20;

// Log lines never carry anything the buyer typed.
using LogSink = std::function<void(std::string_view line)>;

class OrderServer {
 public:
  // Opens the store and binds the address; nothing (with `error` set) when
  // either fails.
  static std::unique_ptr<OrderServer> start(const ServerOptions& options, LogSink log,
                                            std::string& error);
  ~OrderServer();
  OrderServer(const OrderServer&) = delete;
  OrderServer& operator=(const OrderServer&) = delete;

  int port() const { return port_; }
  // Serves until stop(); false when the server could not listen.
  bool run();
  void stop();

 private:
  OrderServer(const ServerOptions& options, LogSink log);
  void route();

  ServerOptions options_;
  LogSink log_;
  std::unique_ptr<OrderStore> store_;
  std::unique_ptr<httplib::Server> http_;
  int port_ = 0;
};

}  // namespace orderserver
