// Orders stored per second by the order server on loopback, each order a
// fresh connection posting a seven-line kayak and the order lines, as a
// browser posts the posting page's form.
#include "model/file/designwriter.h"
#include "ordering/postingpage.h"
#include "server/orderserver.h"
#include "tests/support/designbuilder.h"
#include "tests/support/postedorder.h"

#include <httplib.h>

#include <benchmark/benchmark.h>

#include <atomic>
#include <filesystem>
#include <thread>

namespace {

namespace fs = std::filesystem;

struct BenchServer {
  BenchServer() {
    folder = fs::temp_directory_path() / ("quillock-bench-server-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    orderserver::ServerOptions options;
    options.textFolder = folder.string();
    options.storePath = (folder / "orders.sqlite").string();
    options.publicKeyFile = (folder / "public.key").string();
    options.port = 0;
    std::string error;
    orderserver::writeKeyFile(options.publicKeyFile, orderserver::makeKeyPair().value().publicKey, error);
    server = orderserver::OrderServer::start(options, [](std::string_view) {}, error);
    if (server) thread = std::thread([this] { server->run(); });
  }
  ~BenchServer() {
    if (server) {
      server->stop();
      thread.join();
    }
    fs::remove_all(folder);
  }
  fs::path folder;
  std::unique_ptr<orderserver::OrderServer> server;
  std::thread thread;
};

httplib::MultipartFormDataItems orderForm(const std::string& number) {
  static const std::string design = model::writeDesignText(testsupport::sevenLineKayak());
  httplib::MultipartFormDataItems form;
  for (const auto& [name, value] : testsupport::postedOrder(design, number)) form.push_back({name, value, "", ""});
  return form;
}

void BM_storeOrders_loopback(benchmark::State& state) {
  static BenchServer bench;
  if (!bench.server) {
    state.SkipWithError("the server did not start");
    return;
  }
  // Every order a number of its own (a repeated order is stored once); making the form takes microseconds.
  static std::atomic<long long> next = 0;
  for (auto _ : state) {
    const auto form = orderForm("ANMBEL125200934507PM" + std::to_string(next++));
    httplib::Client client("127.0.0.1", bench.server->port());
    const auto reply = client.Post(std::string(ordering::kOrderScriptPath), form);
    if (!reply || reply->status != 200) state.SkipWithError("an order was not stored");
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_storeOrders_loopback)->Threads(1)->Threads(8)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
