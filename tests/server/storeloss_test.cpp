// The store moved, replaced or stripped of its journal under the running program, and a store it cannot convert.
#include "serverprocess.h"

#include <sqlite3.h>

namespace servertest {
namespace {

void expectListed(const std::string& listing, std::initializer_list<const char*> numbers, std::size_t times) {
  for (const char* number : numbers)
    EXPECT_EQ(occurrences(listing, "Order " + std::string(number) + " "), times) << number << '\n' << listing;
}

TEST_F(ProgramTest, NoThankedOrderIsLostToADeletedJournalAMovedStoreOrABackupMovedOverIt) {
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
  {  // moved back over a newer store while that one serves
    ServerProcess process(folder_);
    EXPECT_EQ(statusOf(post(orderForm("L1"), process.port())), 200);
    fs::rename(moved, storePath());
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
    EXPECT_NE(process.log().find(" was replaced by another file"), std::string::npos) << process.log();
  }
  ServerProcess process(folder_);
  EXPECT_EQ(statusOf(post(orderForm("R1"), process.port())), 200);
  EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
  const std::string listing = readOrders(storePath()).output;
  expectListed(listing, {"J1", "M1", "R1"}, 1);
  expectListed(listing, {"J2", "L1"}, 0);
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
