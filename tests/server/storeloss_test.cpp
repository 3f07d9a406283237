// The store moved, deleted, replaced or stripped of its journal under the running program, and a store it cannot convert.
#include "serverprocess.h"

#include "server/rescuecopy.h"

#include <sqlite3.h>

namespace servertest {
namespace {

// The copy of the store the log names last, as the program writes it when the store's path no longer leads to it.
fs::path lastRescueCopy(const std::string& log) {
  const std::string_view marker = " is in ";
  const std::size_t at = log.rfind(marker);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no rescue copy is named in the log:\n" << log;
    return {};
  }
  const std::size_t from = at + marker.size();
  return log.substr(from, log.find(", copied", from) - from);
}

TEST_F(ProgramTest, NoThankedOrderIsLostToADeletedJournalAMovedOrDeletedStoreOrABackupMovedOverIt) {
  const fs::path moved = folder_ / "moved.sqlite";
  const std::string journal = storePath().string() + "-wal";
  {
    ServerProcess process(folder_);
    EXPECT_EQ(statusOf(post(orderForm("J1"), process.port())), 200);
    fs::remove(journal);
    EXPECT_EQ(statusOf(post(orderForm("J2"), process.port())), 503);
    process.kill(SIGKILL);
    EXPECT_NE(process.log().find(journal + " was deleted"), std::string::npos) << process.log();
  }
  {
    ServerProcess process(folder_);
    EXPECT_EQ(statusOf(post(orderForm("M1"), process.port())), 200);
    fs::rename(storePath(), moved);
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
  }
  EXPECT_FALSE(fs::exists(journal) || fs::exists(storePath().string() + "-shm"));
  expectListed(readOrders(moved).output, {"J1", "M1"}, 1);
  {  // moved back over a newer store while that one serves: its order is copied out, the backup keeps its own
    ServerProcess process(folder_);
    EXPECT_EQ(statusOf(post(orderForm("L1"), process.port())), 200);
    fs::rename(moved, storePath());
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
    EXPECT_NE(process.log().find(" was replaced by another file"), std::string::npos) << process.log();
    const std::string rescued = readOrders(lastRescueCopy(process.log())).output;
    expectListed(rescued, {"L1"}, 1);
    expectListed(rescued, {"J1", "M1"}, 0);
  }
  ServerProcess process(folder_);  // the backup serves, then is deleted while it serves
  EXPECT_EQ(statusOf(post(orderForm("R1"), process.port())), 200);
  const std::string listing = readOrders(storePath()).output;
  expectListed(listing, {"J1", "M1", "R1"}, 1);
  expectListed(listing, {"J2", "L1"}, 0);
  fs::remove(storePath());
  EXPECT_EQ(statusOf(post(orderForm("D1"), process.port())), 503);
  EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
  const fs::path rescue = lastRescueCopy(process.log());
  EXPECT_EQ(fs::status(rescue).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  expectListed(readOrders(rescue).output, {"J1", "M1", "R1"}, 1);
}

// A deleted store too large to copy under the program's file-size limit: no copy cut short is left, and the log
// says the orders are only in the file the running program holds open.
TEST_F(ProgramTest, ACopyThatCannotBeWrittenIsRemovedAndTheLogSaysToKeepTheProgramRunning) {
  ServerProcess(folder_).kill(SIGTERM);  // makes the store
  sqlite3* db = nullptr;
  sqlite3_open(storePath().c_str(), &db);
  EXPECT_EQ(sqlite3_exec(db, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 500) INSERT "
                             "INTO orders SELECT i, 't', 'N' || i, randomblob(1000) FROM n;", nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);
  ServerProcess process(folder_, {}, fs::file_size(storePath()) / 2);
  EXPECT_EQ(statusOf(post(orderForm("F1"), process.port())), 200);
  fs::remove(storePath());
  EXPECT_EQ(statusOf(post(orderForm("F2"), process.port())), 503);
  EXPECT_NE(process.log().find("), so the orders it took are only in the file the server holds open and are gone once"
                               " it stops: keep the server running"), std::string::npos) << process.log();
  for (const auto& file : fs::directory_iterator(folder_))
    EXPECT_EQ(file.path().string().find(".rescued-"), std::string::npos) << file.path();
}

// Two losses in one second: a later copy takes a free name, an earlier one (or a link) is left as it was.
TEST_F(ServerTest, ARescueFileNeverTakesTheNameOfAnExistingFile) {
  constexpr std::time_t kLost = 1796649300;  // 2026-12-07T13:15:00Z
  std::string error;
  const std::string first = orderserver::createRescueFile(storePath().string(), kLost, error);
  EXPECT_EQ(first, storePath().string() + ".rescued-20261207T131500Z") << error;
  writeFile(first, "orders");
  fs::create_symlink(first, first + "-2");
  EXPECT_EQ(orderserver::createRescueFile(storePath().string(), kLost, error), first + "-3") << error;
  EXPECT_EQ(fs::file_size(first), std::string("orders").size());
}

// Converting a store of one order per number writes past the program's file-size limit: the start stops naming
// SQLite's error for the write, not what the rollback after it says.
TEST_F(ProgramTest, AConversionOverTheFileSizeLimitStopsTheStartNamingTheWriteError) {
  sqlite3* db = nullptr;
  sqlite3_open(storePath().c_str(), &db);
  EXPECT_EQ(sqlite3_exec(db, "PRAGMA journal_mode=WAL; CREATE TABLE orders (id INTEGER PRIMARY KEY, received_utc TEXT "
                             "NOT NULL, order_number TEXT NOT NULL UNIQUE, sealed BLOB NOT NULL); WITH RECURSIVE n(i) AS "
                             "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1500) INSERT INTO orders SELECT i, 't', "
                             "'N' || i, randomblob(1000) FROM n;", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  {
    ServerProcess process(folder_, {}, fs::file_size(storePath()) / 2);
    EXPECT_TRUE(exitedWith(process.kill(0), 1));
    EXPECT_NE(process.log().find(storePath().string() + ": disk I/O error"), std::string::npos) << process.log();
  }
  ServerProcess process(folder_);  // with room, the store left whole is converted
  EXPECT_EQ(statusOf(post(orderForm("N1"), process.port())), 200);
}

}  // namespace
}  // namespace servertest
