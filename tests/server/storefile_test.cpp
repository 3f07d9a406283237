// The store's file under the program: deleted while it serves, read beside it, filled to a file-size limit.
#include "serverprocess.h"

#include <fstream>

namespace servertest {
namespace {

constexpr rlim_t kFileSizeLimit = 96 * 1024;
constexpr int kOrdersToFillTheLimit = 400;

// A file's bytes and time of change, or none when it is missing.
std::optional<std::pair<std::string, fs::file_time_type>> snapshot(const fs::path& file) {
  if (!fs::exists(file)) return std::nullopt;
  std::ostringstream bytes;
  bytes << std::ifstream(file, std::ios::binary).rdbuf();
  return std::pair(bytes.str(), fs::last_write_time(file));
}

TEST_F(ProgramTest, AStoreDeletedWhileServingTakesNoOrderUntilARestart) {
  {
    ServerProcess process(folder_);
    EXPECT_EQ(postTo(process, orderForm("D1")).value().status, 200);
    fs::rename(storePath(), folder_ / "moved.sqlite");
    EXPECT_EQ(postTo(process, orderForm("D2")).value().status, 503);
    // Put back, it is still refused: the program does not know what happened to the file meanwhile.
    fs::rename(folder_ / "moved.sqlite", storePath());
    EXPECT_EQ(postTo(process, orderForm("D3")).value().status, 503);
    EXPECT_NE(process.log().find("the order store " + storePath().string() + " was deleted or moved"), std::string::npos)
        << process.log();
  }
  ServerProcess process(folder_);
  EXPECT_EQ(postTo(process, orderForm("D4")).value().status, 200);
  const std::string listing = readOrders(storePath()).output;
  EXPECT_EQ(occurrences(listing, "Order D"), 2u) << listing;
  EXPECT_EQ(occurrences(listing, "Order D1 ") + occurrences(listing, "Order D4 "), 2u) << listing;
}

TEST_F(ProgramTest, ReadingOrdersChangesNoFileAndReadsALiveStore) {
  writeFile(folder_ / "empty.sqlite", "");
  writeFile(folder_ / "notes.sqlite", "a maker's notes, no store");
  const struct { const char* name; std::string says; } refusals[] = {
      {"missing.sqlite", "there is no order store at "}, {"empty.sqlite", " is empty, not an order store"},
      {"notes.sqlite", " is not an order store"}};
  for (const auto& refusal : refusals) {
    const fs::path file = folder_ / refusal.name;
    if (fs::exists(file)) fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1));
    const auto before = snapshot(file);
    const ToolRun run = readOrders(file);
    EXPECT_TRUE(exitedWith(run.status, 1)) << refusal.name;
    EXPECT_NE(run.output.find(file.string()), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(refusal.says), std::string::npos) << run.output;
    EXPECT_EQ(snapshot(file), before) << refusal.name;
    EXPECT_FALSE(fs::exists(file.string() + "-wal")) << refusal.name;
  }
  // Beside the running program: every order it thanked for is read, and neither the store nor its journal is touched.
  {
    ServerProcess process(folder_);
    for (const char* number : {"L1", "L2", "L3"}) EXPECT_EQ(postTo(process, orderForm(number)).value().status, 200);
    const auto store = snapshot(storePath()), journal = snapshot(storePath().string() + "-wal");
    ASSERT_TRUE(journal);
    const ToolRun live = readOrders(storePath());
    EXPECT_TRUE(exitedWith(live.status, 0)) << live.output;
    EXPECT_EQ(occurrences(live.output, "Order L"), 3u) << live.output;
    EXPECT_EQ(snapshot(storePath()), store);
    EXPECT_EQ(snapshot(storePath().string() + "-wal"), journal);
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
  }
  // A stopped program's store is read without a journal made beside it.
  EXPECT_EQ(occurrences(readOrders(storePath()).output, "Order L"), 3u);
  EXPECT_FALSE(fs::exists(storePath().string() + "-wal"));
  EXPECT_FALSE(fs::exists(storePath().string() + "-shm"));
}

TEST_F(ProgramTest, AtAFileSizeLimitOrdersAreRefusedAndTheProgramServesOn) {
  ServerProcess process(folder_, {}, kFileSizeLimit);
  ASSERT_TRUE(process.firstLine.starts_with("listening on ")) << process.log();
  std::vector<std::string> thanked;
  int refused = 0;
  for (int i = 0; i < kOrdersToFillTheLimit && refused == 0; ++i) {
    const std::string number = "F" + std::to_string(i);
    const auto reply = postTo(process, orderForm(number));
    ASSERT_TRUE(reply) << "no answer to order " << i << ": " << httplib::to_string(reply.error());
    if (reply->status == 200) {
      thanked.push_back(number);
    } else {
      EXPECT_EQ(reply->status, 503) << reply->body;
      ++refused;
    }
  }
  EXPECT_EQ(refused, 1);
  EXPECT_FALSE(thanked.empty()) << process.log();
  EXPECT_TRUE(postTo(process, orderForm("F-after")));
  EXPECT_EQ(httplib::Client("127.0.0.1", process.port()).Get("/v120.txt").value().body, "1");
  const std::string listing = readOrders(storePath()).output;
  for (const std::string& number : thanked)
    EXPECT_EQ(occurrences(listing, "Order " + number + " received"), 1u) << number;
}

}  // namespace
}  // namespace servertest
