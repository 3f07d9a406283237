// Every signal that ends the program ends it through its stop, so a store lost while it served is rescued.
#include "serverprocess.h"

namespace servertest {
namespace {

// The rescue files beside the store.
std::vector<fs::path> rescueFiles(const fs::path& folder) {
  std::vector<fs::path> found;
  for (const auto& file : fs::directory_iterator(folder))
    if (file.path().filename().string().starts_with("orders.sqlite.rescued-")) found.push_back(file.path());
  return found;
}

// A closed terminal or a log rotation sends SIGHUP: it must not skip the checks SIGINT and SIGTERM run.
TEST_F(ProgramTest, EveryStopSignalRescuesAStoreDeletedWhileItServed) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    const std::string number = std::string("S").append(std::to_string(signal));
    ServerProcess process(folder_);
    EXPECT_EQ(statusOf(post(orderForm(number), process.port())), 200) << signal;
    fs::remove(storePath());
    EXPECT_TRUE(exitedWith(process.kill(signal), 0)) << signal;
    const auto rescued = rescueFiles(folder_);
    ASSERT_EQ(rescued.size(), 1u) << signal << '\n' << process.log();
    EXPECT_EQ(occurrences(readOrders(rescued[0]).output, "Order " + number + " "), 1u) << signal;
    fs::remove(rescued[0]);
  }
}

}  // namespace
}  // namespace servertest
