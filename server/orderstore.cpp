#include "server/orderstore.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

namespace orderserver {
namespace {

constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;
constexpr int kBusyTimeoutMs = 5000;
constexpr char kDatabaseHeader[] = "SQLite format 3";  // with its NUL: the file's first 16 bytes

// WAL keeps readers off the writers' backs; FULL syncs every commit, so an
// answered order survives a crash or a power cut.
constexpr const char* kSchema =
    "PRAGMA journal_mode=WAL;"
    "PRAGMA synchronous=FULL;"
    "CREATE TABLE IF NOT EXISTS orders ("
    " id INTEGER PRIMARY KEY,"
    " received_utc TEXT NOT NULL,"
    " order_number TEXT NOT NULL UNIQUE,"
    " sealed BLOB NOT NULL);";

// A store is ours when it has no tables yet or its orders table is sealed.
constexpr const char* kRecognise =
    "SELECT (SELECT count(*) FROM sqlite_schema) = 0"
    " OR EXISTS (SELECT 1 FROM pragma_table_info('orders') WHERE name = 'sealed');";

constexpr const char* kInsert =
    "INSERT INTO orders (received_utc, order_number, sealed) VALUES (?, ?, ?)"
    " ON CONFLICT (order_number) DO NOTHING;";
constexpr const char* kFind = "SELECT id FROM orders WHERE order_number = ?;";
constexpr const char* kSelectAll = "SELECT id, received_utc, order_number, sealed FROM orders ORDER BY id;";

// Opens the file without following a link; a new one is made owner-only.
// An existing one must be empty or start as a database; its mode is left
// alone until the database is known to be a store.
int openStoreFile(const std::string& path, std::string& error) {
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kOwnerOnly);
  if (fd >= 0 || errno != EEXIST) {
    if (fd < 0) error = "cannot create the order store " + path + ": " + std::strerror(errno);
    return fd;
  }
  fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
  struct stat info {};
  char header[sizeof kDatabaseHeader] = {};
  if (fd < 0) {
    error = errno == ELOOP ? path + " is a symbolic link, not an order store"
                           : "cannot open the order store " + path + ": " + std::strerror(errno);
  } else if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    error = path + " is not a regular file";
  } else if (info.st_size != 0 && (::pread(fd, header, sizeof header, 0) != ssize_t(sizeof header) ||
                                   std::memcmp(header, kDatabaseHeader, sizeof header) != 0)) {
    error = path + " is not an order store (not an SQLite database)";
  } else {
    return fd;
  }
  if (fd >= 0) ::close(fd);
  return -1;
}

bool recognised(sqlite3* db) {
  sqlite3_stmt* check = nullptr;
  const bool ours = sqlite3_prepare_v2(db, kRecognise, -1, &check, nullptr) == SQLITE_OK &&
                    sqlite3_step(check) == SQLITE_ROW && sqlite3_column_int(check, 0) == 1;
  sqlite3_finalize(check);
  return ours;
}

std::string utcNow() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  return {text, std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc)};
}

void bind(sqlite3_stmt* statement, int index, const std::string& text) {
  sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

std::string column(sqlite3_stmt* statement, int index) {
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, index));
  return bytes ? std::string(bytes, std::size_t(sqlite3_column_bytes(statement, index))) : std::string();
}

// Runs a prepared statement once and makes it ready for the next run.
int runOnce(sqlite3_stmt* statement) {
  const int result = sqlite3_step(statement);
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  return result;
}

}  // namespace

std::unique_ptr<OrderStore> OrderStore::open(const std::string& path, std::string& error) {
  const int fd = openStoreFile(path, error);
  if (fd < 0) return nullptr;
  sqlite3* db = nullptr;
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_NOFOLLOW;
  if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK || !recognised(db)) {
    error = "cannot open the order store " + path + ": " +
            (sqlite3_errcode(db) == SQLITE_OK ? "it is no store of sealed orders" : sqlite3_errmsg(db));
    sqlite3_close(db);
    ::close(fd);
    return nullptr;
  }
  // SQLite gives its journal files the database file's mode, so tightening
  // the store covers them too.
  const bool private_ = ::fchmod(fd, kOwnerOnly) == 0;
  ::close(fd);
  std::unique_ptr<OrderStore> store(new OrderStore(db));
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  if (!private_ || sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK ||
      sqlite3_prepare_v2(db, kInsert, -1, &store->insert_, nullptr) != SQLITE_OK ||
      sqlite3_prepare_v2(db, kFind, -1, &store->find_, nullptr) != SQLITE_OK) {
    error = "cannot prepare the order store " + path + ": " + sqlite3_errmsg(db);
    return nullptr;
  }
  return store;
}

OrderStore::OrderStore(sqlite3* db) : db_(db) {}

OrderStore::~OrderStore() {
  sqlite3_finalize(insert_);
  sqlite3_finalize(find_);
  sqlite3_close(db_);
}

long long OrderStore::add(const std::string& orderNumber, const std::string& sealed, std::string& error) {
  const std::lock_guard lock(mutex_);
  bind(insert_, 1, utcNow());
  bind(insert_, 2, orderNumber);
  sqlite3_bind_blob(insert_, 3, sealed.data(), static_cast<int>(sealed.size()), SQLITE_TRANSIENT);
  // One statement outside any open transaction commits on its own.
  if (runOnce(insert_) != SQLITE_DONE) {
    error = sqlite3_errmsg(db_);
    return 0;
  }
  if (sqlite3_changes(db_) == 1) return sqlite3_last_insert_rowid(db_);
  // A repeated post of a stored order: the buyer retried after a lost answer.
  bind(find_, 1, orderNumber);
  const long long id = sqlite3_step(find_) == SQLITE_ROW ? sqlite3_column_int64(find_, 0) : 0;
  runOnce(find_);
  if (id == 0) error = sqlite3_errmsg(db_);
  return id;
}

std::vector<StoredOrder> OrderStore::all() {
  const std::lock_guard lock(mutex_);
  std::vector<StoredOrder> orders;
  sqlite3_stmt* select = nullptr;
  if (sqlite3_prepare_v2(db_, kSelectAll, -1, &select, nullptr) != SQLITE_OK) return orders;
  while (sqlite3_step(select) == SQLITE_ROW)
    orders.push_back({sqlite3_column_int64(select, 0), column(select, 1), column(select, 2), column(select, 3)});
  sqlite3_finalize(select);
  return orders;
}

}  // namespace orderserver
