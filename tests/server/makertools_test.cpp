// The maker's tools as the maker runs them: what they print of hostile orders, and how they end when a read, a write
// or their input goes wrong.
#include "serverprocess.h"

#include <sys/stat.h>

namespace servertest {
namespace {

constexpr std::size_t kLongName = 253;  // fits a folder, but the store's journal name would not
constexpr rlim_t kTinyFileSize = 16;
constexpr int kOrdersToCorrupt = 300;
constexpr std::uintmax_t kPageBytes = 4096;  // SQLite's page size

class MakerToolsTest : public ProgramTest {
 protected:
  // The orders stored as the server stores them, numbered by their place.
  void store(const std::vector<orderserver::PostedOrder>& orders) const {
    std::string error;
    const auto store = orderserver::OrderStore::open(storePath().string(), error);
    ASSERT_TRUE(store) << error;
    for (std::size_t i = 0; i < orders.size(); ++i)
      ASSERT_NE(store->add(orders[i].orderNumber, orderserver::sealOrder(orders[i], keys_.publicKey),
                           std::to_string(i), error).id, 0) << error;
  }
  std::vector<std::string> readArgs(const fs::path& store) const {
    const fs::path secret = folder_ / "secret.key";
    std::string error;
    EXPECT_TRUE(fs::exists(secret) || orderserver::writeKeyFile(secret.string(), keys_.secretKey, error)) << error;
    return {"--read-orders", store.string(), "--secret-key", secret.string()};
  }
};

TEST_F(MakerToolsTest, EveryStoredOrderIsOneRecordWithItsControlCharactersShown) {
  store({{"\r\nOrder FAKE999 received 2026-01-01T00:00:00Z\r\nCustomer: Mallory", "a\\nb@mail.example", "N1",
          "Hi\x1b[2J\x07\xc2\x9b", "line1\r\nline2", "row1\r\nrow2\nrow\x1b" "3\r"},
         {"Anna Berg", "anna_b@mail.example", "N2", "Anna Berg - N2", "plain", "row"}});
  const ToolRun run = readOrders(storePath());
  EXPECT_TRUE(exitedWith(run.status, 0)) << run.output;
  const std::string& listing = run.output;
  EXPECT_EQ(occurrences("\n" + listing, "\nCustomer: "), 2u) << listing;
  EXPECT_EQ(occurrences(listing, "\nOrder FAKE999"), 0u) << listing;
  EXPECT_EQ(listing.find_first_of("\x1b\x07"), std::string::npos) << listing;
  for (const char* shown : {"Customer: \\r\\nOrder FAKE999 received 2026-01-01T00:00:00Z\\r\\nCustomer: Mallory\n",
                            "Email: a\\\\nb@mail.example\n", "Subject: Hi\\x1b[2J\\x07\\xc2\\x9b\n",
                            "Message:\nline1\\r\\nline2\n", "Order text:\nrow1\r\nrow2\nrow\\x1b3\\r\n\n"})
    EXPECT_NE(listing.find(shown), std::string::npos) << shown << "\n" << listing;
}

TEST_F(MakerToolsTest, AReadOrAWriteThatStopsShortEndsWithAReasonAndExitOne) {
  store(std::vector<orderserver::PostedOrder>(kOrdersToCorrupt, {"Anna Berg", "anna_b@mail.example", "C1", "s", "m",
                                                                  "row"}));
  const auto args = readArgs(storePath());
  const std::string listing = (folder_ / "listing.txt").string();
  const struct { std::string out; rlim_t limit; std::string says; } shortWrites[] = {
      {"/dev/full", RLIM_INFINITY, "No space left on device"}, {listing, kTinyFileSize, "File too large"}};
  for (const auto& [out, limit, says] : shortWrites) {
    const ToolRun run = runTool(args, out, limit);
    EXPECT_TRUE(exitedWith(run.status, 1)) << out << ": " << run.status;
    EXPECT_NE(run.output.find("could not all be written out: " + says), std::string::npos) << run.output;
  }
  const ToolRun keys = runTool({"--make-keys", (folder_ / "p.key").string(), (folder_ / "s.key").string()}, listing,
                               kTinyFileSize);
  EXPECT_TRUE(exitedWith(keys.status, 1)) << keys.status;
  EXPECT_NE(keys.output.find("s.key: File too large"), std::string::npos) << keys.output;
  EXPECT_FALSE(fs::exists(folder_ / "s.key"));

  // A page three quarters in made unreadable: the orders before it are listed, and the read is said to be cut short.
  std::fstream file(storePath(), std::ios::in | std::ios::out | std::ios::binary);
  file.seekp(std::streamoff(fs::file_size(storePath()) * 3 / 4 / kPageBytes * kPageBytes));
  file << std::string(64, '\xff');
  file.close();
  const ToolRun damaged = runTool(args, listing);
  EXPECT_TRUE(exitedWith(damaged.status, 1)) << damaged.output;
  EXPECT_NE(damaged.output.find("cannot read every order in " + storePath().string()), std::string::npos)
      << damaged.output;
  std::ostringstream listed;
  listed << std::ifstream(listing).rdbuf();
  const std::size_t read = occurrences(listed.str(), "Order C1 received ");
  EXPECT_TRUE(read > 0 && read < std::size_t(kOrdersToCorrupt)) << read;
}

TEST_F(MakerToolsTest, AFifoALongNameOrAWrongCommandLineGetsAMessageNotAHangOrAnAbort) {
  ASSERT_EQ(::mkfifo((folder_ / "store.fifo").c_str(), 0600), 0);
  const ToolRun fifo = runTool(readArgs(folder_ / "store.fifo"), "/dev/null");
  EXPECT_TRUE(exitedWith(fifo.status, 1)) << fifo.status;
  EXPECT_NE(fifo.output.find("store.fifo is not a regular file"), std::string::npos) << fifo.output;

  store({{"Anna Berg", "anna_b@mail.example", "L1", "s", "m", "row"}});
  const fs::path longName = folder_ / std::string(kLongName, 'o');
  fs::rename(storePath(), longName);
  const ToolRun longRead = readOrders(longName);
  EXPECT_TRUE(exitedWith(longRead.status, 0)) << longRead.status << longRead.output;
  EXPECT_TRUE(longRead.output.starts_with("Order L1 received ")) << longRead.output;

  const std::string server = "--store " + storePath().string() + " --public-key " + publicKeyPath().string() + " ";
  const struct { std::string args, says; int exitCode; } refusals[] = {
      {"--read-orders " + longName.string() + " " + publicKeyPath().string(),
       "--read-orders was given the wrong arguments\nusage: ", 2},
      {server + "--texts " + (folder_ / std::string(2 * kLongName, 't')).string(), "the text folder ", 1}};
  for (const auto& refusal : refusals) {
    const ToolRun run = runProgram(refusal.args);
    EXPECT_TRUE(exitedWith(run.status, refusal.exitCode)) << refusal.args << ": " << run.status;
    EXPECT_NE(run.output.find(refusal.says), std::string::npos) << run.output;
  }
}

}  // namespace
}  // namespace servertest
