#pragma once
// The maker's order server: serves the order texts from a folder and takes
// posted orders at the order script's path, deciphers them, seals them to
// the maker's public key and stores them before answering. Event-driven: a
// slow or silent client holds no thread, every request has a whole-request
// deadline and every connection a memory cap. Start it, read its port, run
// it (blocking) and stop it from another thread; tests run it in-process on
// 127.0.0.1 port 0.

#include "server/orderfingerprint.h"
#include "server/ordersealing.h"
#include "server/orderstore.h"
#include "server/serveroptions.h"

#include <sys/socket.h>

#include <atomic>
#include <cstdarg>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

struct MHD_Daemon;
struct MHD_Connection;

namespace orderserver {

// The texts the order form fetches; nothing else in the folder is served.
inline constexpr std::string_view kServedTexts[] = {
    "v120.txt",      "price.txt", "pricemodel.txt", "shipping.txt",
    "shippingmodel.txt", "terms.txt", "State.txt",  "tax.txt"};

// A post's body past this size is refused as soon as it is passed.
inline constexpr std::size_t kMaxPostBytes = 1 << 20;
inline constexpr unsigned kMaxConnections = 1000;
inline constexpr unsigned kMaxConnectionsPerAddress = 64;

// Log lines never carry anything the buyer typed.
using LogSink = std::function<void(std::string_view line)>;

class ConnectionDeadlines;
struct PostInProgress;

class OrderServer {
 public:
  // Reads the key, opens the store and starts serving; nothing (with `error`
  // set) when any of that fails.
  static std::unique_ptr<OrderServer> start(const ServerOptions& options, LogSink log,
                                            std::string& error);
  ~OrderServer();
  OrderServer(const OrderServer&) = delete;
  OrderServer& operator=(const OrderServer&) = delete;

  int port() const { return port_; }
  // Waits until stop(); true once stopped.
  bool run();
  void stop();
  // Serves a connection opened elsewhere as if accepted from `peer` (the
  // fuzzer hands over one end of a socket pair). The server closes `socket`
  // in any case; false when it could not take it.
  bool serveConnection(int socket, const sockaddr* peer, socklen_t peerSize);

  // The HTTP library's calls, one request at a time per connection.
  int answer(MHD_Connection* connection, std::string_view url, std::string_view method,
             const char* upload, std::size_t* uploadSize, void** request);
  void requestEnded(MHD_Connection* connection, void** request);
  void connectionChanged(MHD_Connection* connection, void** context, bool opened);
  // The library's own account of a failure; kept while it starts, to say
  // why it could not listen.
  void libraryMessage(const char* format, va_list arguments);

 private:
  OrderServer(const ServerOptions& options, LogSink log);
  bool listen(std::string& error);
  int refuseTooLarge(MHD_Connection* connection, bool bodyStarted);
  int serveText(MHD_Connection* connection, std::string_view url);
  int takeOrder(MHD_Connection* connection, PostInProgress& post);
  bool storeStillThere(bool stopping = false);

  ServerOptions options_;
  LogSink log_;
  OrderKey publicKey_{};
  std::unique_ptr<OrderStore> store_;
  OrderFingerprints fingerprints_;
  // Set once the store's loss is logged, so that only the first line says posts are refused until a restart.
  std::atomic<bool> storeLost_ = false;
  std::unique_ptr<ConnectionDeadlines> deadlines_;
  std::string cert_, key_;
  MHD_Daemon* daemon_ = nullptr;
  std::atomic<bool> listening_ = false;
  std::string startMessages_;
  int port_ = 0;
  std::mutex mutex_;
  std::condition_variable stopped_;
  bool stopping_ = false;
};

}  // namespace orderserver
