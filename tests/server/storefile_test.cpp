// The store's file under the program: deleted while it serves, read beside it, filled to a file-size limit.
#include "serverprocess.h"

namespace servertest {
namespace {

constexpr rlim_t kFileSizeLimit = 96 * 1024;
constexpr int kOrdersPastTheLimit = 400;

// A file's bytes and time of change; empty when it is missing.
std::pair<std::string, fs::file_time_type> snapshot(const fs::path& file) {
  if (!fs::exists(file)) return {};
  std::ostringstream bytes;
  bytes << std::ifstream(file, std::ios::binary).rdbuf();
  return {bytes.str(), fs::last_write_time(file)};
}

TEST_F(ProgramTest, AStoreDeletedWhileServingTakesNoOrderUntilARestart) {
  {
    ServerProcess process(folder_);
    EXPECT_EQ(statusOf(post(orderForm("D1"), process.port())), 200);
    fs::rename(storePath(), folder_ / "moved.sqlite");
    EXPECT_EQ(statusOf(post(orderForm("D2"), process.port())), 503);
    // Put back, it is still refused: the program cannot know what became of the file meanwhile.
    fs::rename(folder_ / "moved.sqlite", storePath());
    EXPECT_EQ(statusOf(post(orderForm("D3"), process.port())), 503);
    EXPECT_NE(process.log().find(storePath().string() + " was deleted or moved"), std::string::npos) << process.log();
  }
  ServerProcess process(folder_);
  EXPECT_EQ(statusOf(post(orderForm("D4"), process.port())), 200);
  const std::string listing = readOrders(storePath()).output;
  EXPECT_EQ(occurrences(listing, "Order D1 ") + occurrences(listing, "Order D4 "), 2u) << listing;
  EXPECT_EQ(occurrences(listing, " received "), 2u) << listing;
}

TEST_F(ProgramTest, ReadingOrdersChangesNoFileAndReadsALiveStore) {
  writeFile(folder_ / "empty.sqlite", "");
  writeFile(folder_ / "notes.sqlite", "a maker's notes, no store");
  for (const auto& [name, says] : {std::pair("missing.sqlite", "there is no order store at "),
                                   {"empty.sqlite", " is empty, not an order store"},
                                   {"notes.sqlite", " is not an order store"}}) {
    const fs::path file = folder_ / name;
    const auto before = snapshot(file);
    const ToolRun run = readOrders(file);
    EXPECT_TRUE(exitedWith(run.status, 1)) << name;
    EXPECT_NE(run.output.find(says), std::string::npos) << run.output;
    EXPECT_EQ(snapshot(file), before) << name;
    EXPECT_FALSE(fs::exists(file.string() + "-wal")) << name;
  }
  {  // beside the running program: every order thanked for is read, and neither store nor journal is touched
    ServerProcess process(folder_);
    for (const char* number : {"L1", "L2", "L3"}) EXPECT_EQ(statusOf(post(orderForm(number), process.port())), 200);
    const auto store = snapshot(storePath()), journal = snapshot(storePath().string() + "-wal");
    const ToolRun live = readOrders(storePath());
    EXPECT_TRUE(exitedWith(live.status, 0)) << live.output;
    EXPECT_EQ(occurrences(live.output, " received "), 3u) << live.output;
    EXPECT_EQ(snapshot(storePath()), store);
    EXPECT_EQ(snapshot(storePath().string() + "-wal"), journal);
    EXPECT_FALSE(journal.first.empty());
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
  }
  // A stopped program's store is read without a journal made beside it.
  EXPECT_EQ(occurrences(readOrders(storePath()).output, " received "), 3u);
  EXPECT_FALSE(fs::exists(storePath().string() + "-wal") || fs::exists(storePath().string() + "-shm"));
}

TEST_F(ProgramTest, AtAFileSizeLimitOrdersAreRefusedAndTheProgramServesOn) {
  ServerProcess process(folder_, {}, kFileSizeLimit);
  std::vector<std::string> thanked;
  for (int i = 0; i < kOrdersPastTheLimit; ++i) {
    const auto reply = post(orderForm("F" + std::to_string(i)), process.port());
    ASSERT_TRUE(reply) << "no answer to order " << i << ": " << httplib::to_string(reply.error());
    if (reply->status != 200) {
      EXPECT_EQ(reply->status, 503);
      break;
    }
    thanked.push_back("F" + std::to_string(i));
  }
  EXPECT_LT(thanked.size(), std::size_t(kOrdersPastTheLimit));
  EXPECT_TRUE(post(orderForm("F-after"), process.port()));
  EXPECT_EQ(bodyOf(httplib::Client("127.0.0.1", process.port()).Get("/v120.txt")), "1");
  const std::string listing = readOrders(storePath()).output;
  for (const std::string& number : thanked) EXPECT_EQ(occurrences(listing, "Order " + number + " "), 1u) << number;
}

}  // namespace
}  // namespace servertest
