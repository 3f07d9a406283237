// The maker's own SQLite client beside the running program: reading the store, backing it up or vacuuming it into a
// copy costs no order, on a new store or on one the program was restarted on.
#include "serverprocess.h"

#include <sqlite3.h>

namespace servertest {
namespace {

constexpr int kRounds = 3;
constexpr int kBusyTimeoutMs = 5000;

// What an ordinary client does: a read-write connection that counts the orders, backs the store up into a copy and
// closes, believing itself the store's only user unless a lock says otherwise.
void readAndBackUp(const fs::path& store, const fs::path& copy) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open_v2(store.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  EXPECT_EQ(sqlite3_exec(db, "SELECT count(*) FROM orders;", nullptr, nullptr, nullptr), SQLITE_OK)
      << sqlite3_errmsg(db);
  fs::remove(copy);
  const std::string vacuum = "VACUUM INTO '" + copy.string() + "';";
  EXPECT_EQ(sqlite3_exec(db, vacuum.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  EXPECT_EQ(sqlite3_close(db), SQLITE_OK);
}

TEST_F(ProgramTest, AnOrdinarySqliteReadOrBackupBesideTheProgramCostsNoOrder) {
  const fs::path copy = folder_ / "copy.sqlite";
  std::vector<std::string> thanked;
  const auto readAndPost = [&](const ServerProcess& process, const std::string& prefix) {
    for (int i = 0; i < kRounds; ++i) {
      readAndBackUp(storePath(), copy);
      thanked.push_back(prefix + std::to_string(i));
      EXPECT_EQ(statusOf(post(orderForm(thanked.back()), process.port())), 200) << thanked.back();
    }
    readAndBackUp(storePath(), copy);
  };
  {
    ServerProcess process(folder_);
    readAndPost(process, "N");
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
  }
  ServerProcess process(folder_);  // restarted on the store it made
  readAndPost(process, "R");
  EXPECT_EQ(process.log().find("was deleted"), std::string::npos) << process.log();
  const std::string listing = readOrders(storePath()).output;
  for (const std::string& number : thanked) EXPECT_EQ(occurrences(listing, "Order " + number + " "), 1u) << listing;
}

}  // namespace
}  // namespace servertest
