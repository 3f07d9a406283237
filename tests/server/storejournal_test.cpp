// The store's journal files under the program: a journal left where no store is, and their modes on a store restored
// from a backup.
#include "serverprocess.h"

#include <sqlite3.h>

#include <map>

namespace servertest {
namespace {

// A limit SQLite's first writes beside a new store go past.
constexpr rlim_t kSmallFileSizeLimit = 8 * 1024;
constexpr const char* kStoreTable =
    "CREATE TABLE orders (id INTEGER PRIMARY KEY, received_utc TEXT NOT NULL, order_number TEXT NOT NULL, sealed BLOB "
    "NOT NULL);";
constexpr fs::perms kReadableByAll = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                     fs::perms::others_read;

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

// The file's permission bits in octal, as a maker reads them.
std::string modeOf(const fs::path& file) {
  std::ostringstream mode;
  mode << std::oct << static_cast<unsigned>(fs::status(file).permissions());
  return mode.str();
}

// A database in WAL mode readable by everyone, as sqlite3's .backup leaves one, holding `table`; with its journal
// files kept beside it (readable by everyone too) when `journalKept`.
void writeBackup(const fs::path& file, const char* table, bool journalKept) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, (std::string("PRAGMA journal_mode=WAL;") + table).c_str(), nullptr, nullptr, nullptr),
            SQLITE_OK) << sqlite3_errmsg(db);
  int keep = journalKept ? 1 : 0;
  sqlite3_file_control(db, "main", SQLITE_FCNTL_PERSIST_WAL, &keep);
  EXPECT_EQ(sqlite3_close(db), SQLITE_OK);
  for (const char* suffix : {"", "-wal", "-shm"}) {
    const fs::path part = file.string() + suffix;
    EXPECT_EQ(fs::exists(part), journalKept || !*suffix) << part;
    if (fs::exists(part)) fs::permissions(part, kReadableByAll);
  }
}

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

TEST_F(ProgramTest, AStoreRestoredFromABackupReadableByAllIsServedWithItsJournalOwnerOnly) {
  for (const bool journalKept : {false, true}) {
    writeBackup(storePath(), kStoreTable, journalKept);
    ServerProcess process(folder_);
    EXPECT_EQ(statusOf(post(orderForm("B1"), process.port())), 200) << process.log();
    for (const char* suffix : {"", "-wal", "-shm"})
      EXPECT_EQ(modeOf(storePath().string() + suffix), "600") << suffix << journalKept;
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
    fs::remove(storePath());
  }
  // A database that is no store is refused and keeps its mode, its journal files theirs.
  writeBackup(storePath(), "CREATE TABLE notes (text TEXT);", true);
  ServerProcess process(folder_);
  EXPECT_TRUE(exitedWith(stopped(process), 1));
  for (const char* suffix : {"", "-wal", "-shm"}) {
    const fs::path part = storePath().string() + suffix;
    if (fs::exists(part)) {
      EXPECT_EQ(modeOf(part), "644") << suffix;
    }
  }
}

}  // namespace
}  // namespace servertest
