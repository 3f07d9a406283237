// The store's journal files under the program: a journal left where no store is, and their modes on a store restored
// from a backup.
#include "serverprocess.h"

#include <sqlite3.h>

#include <map>

namespace servertest {
namespace {

// A limit SQLite's first writes beside a new store go past.
constexpr rlim_t kSmallFileSizeLimit = 8 * 1024;
constexpr int kOwnerOnly = 0600, kReadableByAll = 0644;

// Every file in `folder` but the program's log, with a hash of its bytes.
std::map<std::string, std::size_t> filesIn(const fs::path& folder) {
  std::map<std::string, std::size_t> files;
  for (const auto& file : fs::directory_iterator(folder)) {
    std::ostringstream bytes;
    bytes << std::ifstream(file.path(), std::ios::binary).rdbuf();
    if (file.path().filename() != "server.log") files[file.path().filename()] = std::hash<std::string>()(bytes.str());
  }
  return files;
}

// A start that should be refused: its exit status and log. One that listens is stopped, so no wait is endless.
ToolRun refusedStart(const fs::path& folder, rlim_t fileSizeLimit = RLIM_INFINITY) {
  ServerProcess process(folder, {}, fileSizeLimit);
  const int status = process.kill(process.firstLine.empty() ? 0 : SIGTERM);
  return {status, process.log()};
}

int modeOf(const fs::path& file) { return static_cast<int>(fs::status(file).permissions()); }

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
    const ToolRun start = refusedStart(folder_, limit);
    EXPECT_TRUE(exitedWith(start.status, 1) && start.output.find(says) != std::string::npos) << start.output;
    EXPECT_EQ(filesIn(folder_), before) << limit;
  }
  writeFile(storePath(), "");  // an empty file is no store either
  EXPECT_TRUE(exitedWith(refusedStart(folder_).status, 1));
  fs::rename(moved, storePath());  // put back, it holds the order again
  EXPECT_EQ(occurrences(readOrders(storePath()).output, "Order W1 "), 1u);
  for (const char* suffix : {"", "-shm"}) fs::remove(storePath().string() + suffix);
  writeFile(journal, "");  // an empty journal holds nothing: a start refused then leaves no file of its own
  EXPECT_TRUE(exitedWith(refusedStart(folder_, kSmallFileSizeLimit).status, 1));
  EXPECT_FALSE(fs::exists(storePath()) || fs::exists(storePath().string() + "-shm"));
  writeFile(journal, "");  // and a new store takes it over
  ServerProcess process(folder_);
  EXPECT_EQ(statusOf(post(orderForm("W2"), process.port())), 200) << process.log();
}

// A database in WAL mode readable by everyone, as sqlite3's .backup leaves one, holding `table`; with its journal
// files kept beside it (readable by everyone too) when `journalKept`.
void writeBackup(const fs::path& file, const char* table, bool journalKept) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, (std::string("PRAGMA journal_mode=WAL;") + table).c_str(), nullptr, nullptr, nullptr),
            SQLITE_OK);
  int keep = journalKept ? 1 : 0;
  sqlite3_file_control(db, "main", SQLITE_FCNTL_PERSIST_WAL, &keep);
  sqlite3_close(db);
  for (const char* suffix : {"", "-wal", "-shm"}) {
    if (journalKept || !*suffix) fs::permissions(file.string() + suffix, fs::perms(kReadableByAll));
  }
}

TEST_F(ProgramTest, AStoreRestoredFromABackupReadableByAllIsServedWithItsJournalOwnerOnly) {
  for (const bool journalKept : {false, true}) {
    writeBackup(storePath(), "CREATE TABLE orders (id INTEGER PRIMARY KEY, received_utc TEXT NOT NULL, order_number "
                             "TEXT NOT NULL, sealed BLOB NOT NULL);", journalKept);
    ServerProcess process(folder_);
    EXPECT_EQ(statusOf(post(orderForm("B1"), process.port())), 200) << process.log();
    for (const char* suffix : {"", "-wal", "-shm"})
      EXPECT_EQ(modeOf(storePath().string() + suffix), kOwnerOnly) << suffix << journalKept;
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
    fs::remove(storePath());
  }
  writeBackup(storePath(), "CREATE TABLE notes (text TEXT);", true);  // a database that is no store keeps its mode
  EXPECT_TRUE(exitedWith(refusedStart(folder_).status, 1));
  EXPECT_EQ(modeOf(storePath()), kReadableByAll);
}

}  // namespace
}  // namespace servertest
