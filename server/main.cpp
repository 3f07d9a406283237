// quillock-orderserver: the maker's order server. Its first line on stdout is
// "listening on HOST:PORT", so a caller that asked for port 0 learns the port.

#include "server/makertools.h"
#include "server/orderserver.h"

#include <csignal>
#include <iostream>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace {

// SIGINT, SIGTERM and SIGHUP (a closed terminal, a log rotation) are blocked
// in every thread, so each ends the server through its stop and its checks;
// the returned set is for the one that waits.
sigset_t blockStopSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  return signals;
}

// The exit code of the maker's tool `args` names; nothing when they name none.
std::optional<int> runTool(const std::vector<std::string_view>& args) {
  const auto arg = [&args](std::size_t i) { return std::string(args[i]); };
  const std::string_view tool = args.empty() ? "" : args[0];
  if (tool == "--help" || tool == "-h") {
    if (args.size() != 1) return std::nullopt;
    std::cout << orderserver::usage();
    return std::cout.flush() ? 0 : 1;
  }
  if (tool == "--make-keys" && args.size() == 3) return orderserver::makeKeys(arg(1), arg(2), std::cerr);
  if (tool == "--read-orders" && args.size() == 4 && args[2] == "--secret-key")
    return orderserver::readOrders(arg(1), arg(3), std::cout, std::cerr);
  if (tool != "--make-keys" && tool != "--read-orders") return std::nullopt;
  std::cerr << tool << " was given the wrong arguments\n" << orderserver::usage();
  return 2;
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
  // With SIGXFSZ ignored, a write past a file-size limit fails with EFBIG,
  // which the store and the tools report, instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (const auto toolExit = runTool(args)) return *toolExit;
  std::string error;
  const auto options = orderserver::parseOptions(args, error);
  if (!options) {
    std::cerr << error << '\n' << orderserver::usage();
    return 2;
  }
  const sigset_t signals = blockStopSignals();

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
