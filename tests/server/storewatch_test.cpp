// The running program's watch over its store, its journal and the journal's index, and what it does with the orders
// of a store it gave up: copied out as soon as a copy can be written, and no journal of its left beside another file.
#include "serverprocess.h"

#include <sqlite3.h>

#include <algorithm>

namespace servertest {
namespace {

// The files in `folder` whose names hold `mark`, in name order.
std::vector<fs::path> filesMarked(const fs::path& folder, std::string_view mark) {
  std::vector<fs::path> files;
  for (const auto& file : fs::directory_iterator(folder))
    if (file.path().filename().string().find(mark) != std::string::npos) files.push_back(file.path());
  std::sort(files.begin(), files.end());
  return files;
}

// The one rescue copy in `folder` the log names; empty, with a failed check, when there is not exactly one.
fs::path onlyRescueCopy(const fs::path& folder, const std::string& log) {
  const auto copies = filesMarked(folder, ".rescued-");
  EXPECT_EQ(copies.size(), 1u) << log;
  if (copies.size() != 1) return {};
  EXPECT_NE(log.find(copies[0].string() + ", copied from the file"), std::string::npos) << log;
  return copies[0];
}

// The answer of one SQL query on `store`, opened as an outside client opens it.
std::string askStore(const fs::path& store, const char* query) {
  sqlite3* db = nullptr;
  std::string answer;
  EXPECT_EQ(sqlite3_open(store.c_str(), &db), SQLITE_OK);
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, query, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
    answer = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
  else
    answer = sqlite3_errmsg(db);
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return answer;
}

// A store of `rows` orders, about a kilobyte each, made by the program and filled from outside it.
void fillStore(const fs::path& folder, int rows) {
  ServerProcess(folder).kill(SIGTERM);
  const std::string fill = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                           std::to_string(rows) +
                           ") INSERT INTO orders SELECT i, 't', 'N' || i, randomblob(1000) FROM n;";
  sqlite3* db = nullptr;
  sqlite3_open((folder / "orders.sqlite").c_str(), &db);
  EXPECT_EQ(sqlite3_exec(db, fill.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
}

constexpr int kFilledRows = 500;

class WatchTest : public ProgramTest {
 protected:
  // A folder of its own for a program, with this test's texts and public key.
  fs::path shop(const std::string& name) const {
    const fs::path shop = folder_ / name;
    fs::create_directory(shop);
    for (const auto& [file, text] : serverTexts()) writeFile(shop / file, text);
    fs::copy_file(publicKeyPath(), shop / "public.key");
    return shop;
  }
};

TEST_F(WatchTest, ADeletedOrReplacedJournalIndexIsNoticedAndNoOutsideCheckpointAfterItCostsAThankedOrder) {
  const std::string index = storePath().string() + "-shm";
  {
    ServerProcess process(folder_);
    for (const char* number : {"X1", "X2", "X3"}) EXPECT_EQ(statusOf(post(orderForm(number), process.port())), 200);
    fs::remove(index);
    EXPECT_EQ(statusOf(post(orderForm("X4"), process.port())), 503);
    EXPECT_EQ(askStore(storePath(), "PRAGMA wal_checkpoint(TRUNCATE);"), "0");
    EXPECT_EQ(statusOf(post(orderForm("X5"), process.port())), 503);
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
    EXPECT_NE(process.log().find("journal index " + index + " was deleted or replaced"), std::string::npos)
        << process.log();
  }
  {  // an index put in its place by another file
    ServerProcess process(folder_);
    ASSERT_NE(process.port(), 0) << process.log();
    EXPECT_EQ(statusOf(post(orderForm("Y1"), process.port())), 200);
    fs::copy_file(index, folder_ / "other-shm");
    fs::rename(folder_ / "other-shm", index);
    EXPECT_EQ(statusOf(post(orderForm("Y2"), process.port())), 503);
    EXPECT_EQ(askStore(storePath(), "PRAGMA wal_checkpoint(TRUNCATE);"), "0");
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
  }
  EXPECT_EQ(askStore(storePath(), "PRAGMA integrity_check;"), "ok");
  const ToolRun read = readOrders(storePath());
  EXPECT_TRUE(exitedWith(read.status, 0)) << read.output;
  expectListed(read.output, {"X1", "X2", "X3", "Y1"}, 1);
  expectListed(read.output, {"X4", "X5", "Y2"}, 0);
}

TEST_F(WatchTest, AStoreDeletedAfterItsJournalIsStillCopiedOutAtTheNextPostOrAtTheStop) {
  const std::string journal = storePath().string() + "-wal";
  {
    ServerProcess process(folder_);
    EXPECT_EQ(statusOf(post(orderForm("P1"), process.port())), 200);
    fs::remove(journal);
    EXPECT_EQ(statusOf(post(orderForm("P2"), process.port())), 503);
    fs::remove(storePath());
    EXPECT_EQ(statusOf(post(orderForm("P3"), process.port())), 503);
    const fs::path copy = onlyRescueCopy(folder_, process.log());
    ASSERT_FALSE(copy.empty());
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
    expectListed(readOrders(copy).output, {"P1"}, 1);
    fs::rename(copy, folder_ / "first-copy.sqlite");
  }
  ServerProcess process(folder_);
  EXPECT_EQ(statusOf(post(orderForm("Q1"), process.port())), 200);
  fs::remove(journal);
  EXPECT_EQ(statusOf(post(orderForm("Q2"), process.port())), 503);
  fs::remove(storePath());
  EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
  expectListed(readOrders(onlyRescueCopy(folder_, process.log())).output, {"Q1"}, 1);
}

TEST_F(WatchTest, ACopyThatCannotBeWrittenIsTriedAgainAtEveryPostAndAtTheStopAndTheLogSaysOnlyWhatHolds) {
  fillStore(folder_, kFilledRows);
  {  // a deleted store too large to copy under the file-size limit: the orders go with the program
    ServerProcess process(folder_, {}, fs::file_size(storePath()) / 2);
    EXPECT_EQ(statusOf(post(orderForm("F1"), process.port())), 200);
    fs::remove(storePath());
    EXPECT_EQ(statusOf(post(orderForm("F2"), process.port())), 503);
    EXPECT_NE(process.log().find("keep the server running and make room for a copy beside the store's path (free space"
                                 " on its disk, lift its file-size limit); this is tried again at every post and when"
                                 " the server stops"),
              std::string::npos) << process.log();
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
    const std::string log = process.log();
    EXPECT_NE(log.find("it was tried once more as the server stopped, and failed again"), std::string::npos) << log;
    EXPECT_EQ(log.find("/proc/"), std::string::npos) << log;
    EXPECT_EQ(log.find("-wal beside it"), std::string::npos) << log;
    EXPECT_TRUE(filesMarked(folder_, ".rescued-").empty());
  }
  // A store moved away with its folder cannot be copied beside its path until the folder is back: then the next post,
  // or else the stop, writes the copy.
  for (const bool atTheStop : {false, true}) {
    const fs::path shop = this->shop(atTheStop ? "stop" : "post");
    const fs::path gone = shop.string() + "-gone";
    ServerProcess process(shop);
    EXPECT_EQ(statusOf(post(orderForm("G1"), process.port())), 200);
    fs::rename(shop, gone);
    EXPECT_EQ(statusOf(post(orderForm("G2"), process.port())), 503);
    EXPECT_NE(textOf(gone / "server.log").find("the moved store holds every order it took; the copy is tried again"),
              std::string::npos) << textOf(gone / "server.log");
    fs::create_directory(shop);
    if (!atTheStop) {
      EXPECT_EQ(statusOf(post(orderForm("G3"), process.port())), 503);
      EXPECT_EQ(filesMarked(shop, ".rescued-").size(), 1u);
    }
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
    const std::string log = textOf(gone / "server.log");
    const fs::path copy = onlyRescueCopy(shop, log);
    expectListed(readOrders(copy).output, {"G1"}, 1);
    expectListed(readOrders(gone / "orders.sqlite").output, {"G1"}, 1);
  }
}

TEST_F(WatchTest, AJournalThatCannotBeWrittenIntoAMovedStoreIsSetAsideAndTheBackupInItsPlaceStaysWhole) {
  fillStore(folder_, kFilledRows);
  const fs::path moved = folder_ / "moved.sqlite";
  fs::copy_file(storePath(), folder_ / "backup.sqlite");
  {  // under the file-size limit neither the copy nor the journal fits into a file
    ServerProcess process(folder_, {}, fs::file_size(storePath()) / 2);
    EXPECT_EQ(statusOf(post(orderForm("K1"), process.port())), 200);
    fs::rename(storePath(), moved);
    fs::rename(folder_ / "backup.sqlite", storePath());
    EXPECT_EQ(statusOf(post(orderForm("K2"), process.port())), 503);
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
    EXPECT_FALSE(fs::exists(storePath().string() + "-wal")) << process.log();
    EXPECT_FALSE(fs::exists(storePath().string() + "-shm")) << process.log();
    const auto aside = filesMarked(folder_, "-wal.set-aside-");
    ASSERT_EQ(aside.size(), 1u) << process.log();
    EXPECT_NE(process.log().find("the moved store holds every order it took together with " + aside[0].string() +
                                 ", put beside it as its journal under the moved store's name with -wal added"),
              std::string::npos) << process.log();
    fs::copy_file(aside[0], moved.string() + "-wal");  // as the log says
  }
  EXPECT_EQ(askStore(moved, "SELECT count(*) FROM orders WHERE order_number = 'K1';"), "1");
  EXPECT_EQ(askStore(moved, "PRAGMA integrity_check;"), "ok");
  EXPECT_EQ(askStore(storePath(), "PRAGMA integrity_check;"), "ok");
  EXPECT_EQ(askStore(storePath(), "SELECT count(*) FROM orders;"), std::to_string(kFilledRows));
  {  // the backup serves on whole
    ServerProcess process(folder_);
    EXPECT_EQ(statusOf(post(orderForm("B1"), process.port())), 200);
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
  }
  EXPECT_EQ(askStore(storePath(), "PRAGMA integrity_check;"), "ok");
  EXPECT_EQ(askStore(storePath(), "SELECT count(*) FROM orders WHERE order_number = 'B1';"), "1");
}

}  // namespace
}  // namespace servertest
