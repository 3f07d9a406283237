// The store reached through a linked folder, a link as the store itself, and a first start that is refused.
#include "serverprocess.h"

namespace servertest {
namespace {

// Limits that stop a new store before its first page is written, and after SQLite made its journal beside it.
constexpr rlim_t kFileSizeLimits[] = {1024, 8192};

TEST_F(ProgramTest, AStoreInALinkedFolderIsServedAndReadThroughTheLinkButALinkAsTheStoreIsNot) {
  const fs::path real = folder_ / "real" / "dir";
  fs::create_directories(real);
  fs::create_directory_symlink(real, folder_ / "link");
  std::size_t thanked = 0;
  // Absolute, relative (up from the current folder), and `..` taken after the link as the system takes it: each
  // names real/dir/orders.sqlite.
  for (const fs::path& store : {folder_ / "link/orders.sqlite",
                                folder_.lexically_relative(fs::current_path()) / "link/orders.sqlite",
                                folder_ / "link/../dir/orders.sqlite"}) {
    ServerProcess process(folder_, {"--store", store.string()});
    EXPECT_EQ(statusOf(post(orderForm("K" + std::to_string(thanked++)), process.port())), 200) << process.log();
    const ToolRun live = readOrders(store);
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0)) << process.log();
    const ToolRun stopped = readOrders(store);
    for (const ToolRun& read : {live, stopped}) {
      EXPECT_TRUE(exitedWith(read.status, 0)) << store << ": " << read.output;
      EXPECT_EQ(occurrences(read.output, " received "), thanked) << store << ": " << read.output;
    }
  }
  EXPECT_TRUE(fs::exists(real / "orders.sqlite"));
  EXPECT_FALSE(fs::exists(storePath()));

  fs::create_symlink(real / "orders.sqlite", real / "alias.sqlite");
  const fs::path alias = folder_ / "link/alias.sqlite";
  const std::string says = alias.string() + " is a symbolic link, not an order store";
  ServerProcess process(folder_, {"--store", alias.string()});
  EXPECT_TRUE(exitedWith(process.kill(0), 1));
  EXPECT_NE(process.log().find(says), std::string::npos) << process.log();
  const ToolRun read = readOrders(alias);
  EXPECT_TRUE(exitedWith(read.status, 1));
  EXPECT_NE(read.output.find(says), std::string::npos) << read.output;
}

TEST_F(ProgramTest, AFirstStartThatIsRefusedLeavesNoFileBehind) {
  for (const rlim_t limit : kFileSizeLimits) {
    ServerProcess process(folder_, {}, limit);
    EXPECT_TRUE(exitedWith(process.kill(0), 1)) << limit;
    EXPECT_NE(process.log().find("cannot prepare the order store " + storePath().string()), std::string::npos)
        << process.log();
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
      EXPECT_FALSE(fs::exists(storePath().string() + suffix)) << limit << suffix;
  }
  const ToolRun read = readOrders(storePath());
  EXPECT_NE(read.output.find("there is no order store at "), std::string::npos) << read.output;
  ServerProcess process(folder_);  // with room, the start that follows makes the store
  EXPECT_EQ(statusOf(post(orderForm("S1"), process.port())), 200);
}

}  // namespace
}  // namespace servertest
