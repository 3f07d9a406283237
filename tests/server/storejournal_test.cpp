// The store's journal files under the program: a journal left where no store is.
#include "serverprocess.h"

#include <map>

namespace servertest {
namespace {

// A limit SQLite's first writes beside a new store go past.
constexpr rlim_t kSmallFileSizeLimit = 8 * 1024;

// Every file in `folder` but the program's log, with its bytes.
std::map<std::string, std::string> filesIn(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& file : fs::directory_iterator(folder)) {
    if (file.path().filename() == "server.log") continue;
    std::ostringstream bytes;
    bytes << std::ifstream(file.path(), std::ios::binary).rdbuf();
    files[file.path().filename().string()] = bytes.str();
  }
  return files;
}

// The names and sizes of those files, for a failure's message.
std::string listing(const std::map<std::string, std::string>& files) {
  std::string text;
  for (const auto& [name, bytes] : files) text += name + " (" + std::to_string(bytes.size()) + " bytes) ";
  return text;
}

// The exit status of a start that should be refused; one that listens is stopped, so no wait is endless.
int stopped(ServerProcess& process) { return process.kill(process.firstLine.empty() ? 0 : SIGTERM); }

TEST_F(ProgramTest, AJournalHoldingOrdersWhereNoStoreIsIsLeftAsItIsAndAnEmptyOneIsTakenOver) {
  const fs::path moved = folder_ / "moved.sqlite";
  const std::string journal = storePath().string() + "-wal";
  {
    ServerProcess process(folder_);
    EXPECT_EQ(statusOf(post(orderForm("W1"), process.port())), 200);
    process.kill(SIGKILL);  // the order is in the journal only
  }
  fs::rename(storePath(), moved);
  const std::string says = "its journal " + journal + " is beside it and holds " +
                          std::to_string(fs::file_size(journal)) + " bytes of orders not yet written";
  const auto before = filesIn(folder_);
  for (const rlim_t limit : {RLIM_INFINITY, kSmallFileSizeLimit}) {
    ServerProcess process(folder_, {}, limit);
    EXPECT_TRUE(exitedWith(stopped(process), 1)) << limit;
    EXPECT_NE(process.log().find(says), std::string::npos) << process.log();
    EXPECT_TRUE(filesIn(folder_) == before) << limit << ": " << listing(filesIn(folder_)) << "were " << listing(before);
  }
  writeFile(storePath(), "");  // an empty file is no store either
  {
    ServerProcess process(folder_);
    EXPECT_TRUE(exitedWith(stopped(process), 1));
  }
  fs::remove(storePath());
  EXPECT_TRUE(filesIn(folder_) == before) << listing(filesIn(folder_)) << "were " << listing(before);
  fs::rename(moved, storePath());  // put back, the store serves with the order its journal kept
  {
    ServerProcess process(folder_);
    EXPECT_EQ(statusOf(post(orderForm("W2"), process.port())), 200);
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
  }
  const std::string orders = readOrders(storePath()).output;
  EXPECT_EQ(occurrences(orders, "Order W1 ") + occurrences(orders, "Order W2 "), 2u) << orders;
  fs::rename(storePath(), moved);
  writeFile(journal, "");  // an empty journal holds nothing: a new store takes it over
  {  // a start that is refused then leaves no file of its own
    ServerProcess process(folder_, {}, kSmallFileSizeLimit);
    EXPECT_TRUE(exitedWith(stopped(process), 1));
    EXPECT_FALSE(fs::exists(storePath()) || fs::exists(storePath().string() + "-shm")) << listing(filesIn(folder_));
    EXPECT_TRUE(!fs::exists(journal) || fs::file_size(journal) == 0) << listing(filesIn(folder_));
  }
  ServerProcess process(folder_);
  EXPECT_EQ(statusOf(post(orderForm("W3"), process.port())), 200) << process.log();
}

}  // namespace
}  // namespace servertest
