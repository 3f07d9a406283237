// quillock-orderserver: the maker's order server. Its first line on stdout is
// "listening on HOST:PORT", so a caller that asked for port 0 learns the port.

#include "server/makertools.h"
#include "server/orderserver.h"

#include <csignal>
#include <iostream>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// With SIGXFSZ ignored, a write past a file-size limit fails with EFBIG,
// which the store reports, instead of ending the server. SIGINT and SIGTERM
// are blocked in every thread; the returned set is for the one that waits.
sigset_t setUpSignals() {
  std::signal(SIGXFSZ, SIG_IGN);
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  return signals;
}

// Stops the server from a thread of its own once one of the blocked
// `signals` arrives.
std::jthread stopOnSignal(orderserver::OrderServer& server, sigset_t signals) {
  return std::jthread([&server, signals] {
    int received = 0;
    sigwait(&signals, &received);
    server.stop();
  });
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const auto arg = [&args](std::size_t i) { return std::string(args[i]); };
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << orderserver::usage();
    return 0;
  }
  if (args.size() == 3 && args[0] == "--make-keys") return orderserver::makeKeys(arg(1), arg(2), std::cerr);
  if (args.size() == 4 && args[0] == "--read-orders" && args[2] == "--secret-key")
    return orderserver::readOrders(arg(1), arg(3), std::cout, std::cerr);
  std::string error;
  const auto options = orderserver::parseOptions(args, error);
  if (!options) {
    std::cerr << error << '\n' << orderserver::usage();
    return 2;
  }
  const sigset_t signals = setUpSignals();

  std::mutex logMutex;
  auto log = [&logMutex](std::string_view line) {
    const std::lock_guard lock(logMutex);
    std::cerr << line << std::endl;
  };
  const auto server = orderserver::OrderServer::start(*options, log, error);
  if (!server) {
    std::cerr << error << '\n';
    return 1;
  }
  std::cout << "listening on " << options->host << ':' << server->port() << std::endl;
  std::jthread watcher = stopOnSignal(*server, signals);
  const bool served = server->run();
  // A stop that did not come from a signal leaves the watcher waiting.
  if (!served) {
    std::cerr << "the server stopped unexpectedly\n";
    std::quick_exit(1);
  }
  return 0;
}
