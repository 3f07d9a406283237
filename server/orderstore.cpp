#include "server/orderstore.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

namespace orderserver {
namespace {

constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;

// WAL keeps readers off the writers' backs; FULL syncs every commit, so an
// answered order survives a crash or a power cut.
constexpr const char* kSchema =
    "PRAGMA journal_mode=WAL;"
    "PRAGMA synchronous=FULL;"
    "CREATE TABLE IF NOT EXISTS orders ("
    " id INTEGER PRIMARY KEY,"
    " received_utc TEXT NOT NULL,"
    " order_number TEXT NOT NULL,"
    " customer TEXT NOT NULL,"
    " email TEXT NOT NULL,"
    " subject TEXT NOT NULL,"
    " message TEXT NOT NULL,"
    " order_text TEXT NOT NULL);";

constexpr const char* kInsert =
    "INSERT INTO orders (received_utc, order_number, customer, email, subject, message, order_text)"
    " VALUES (?, ?, ?, ?, ?, ?, ?);";

constexpr const char* kSelectAll =
    "SELECT id, received_utc, order_number, customer, email, subject, message, order_text"
    " FROM orders ORDER BY id;";

// SQLite gives its journal files the database file's mode, so creating the
// file owner-only (and tightening an existing one) covers them too.
bool makeOwnerOnlyFile(const std::string& path, std::string& error) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kOwnerOnly);
  if (fd < 0 || ::fchmod(fd, kOwnerOnly) != 0) {
    error = "cannot create the order store " + path;
    if (fd >= 0) ::close(fd);
    return false;
  }
  ::close(fd);
  return true;
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
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
  return text ? std::string(text, sqlite3_column_bytes(statement, index)) : std::string();
}

}  // namespace

std::unique_ptr<OrderStore> OrderStore::open(const std::string& path, std::string& error) {
  if (!makeOwnerOnlyFile(path, error)) return nullptr;
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr) !=
      SQLITE_OK) {
    error = "cannot open the order store " + path + ": " + sqlite3_errmsg(db);
    sqlite3_close(db);
    return nullptr;
  }
  std::unique_ptr<OrderStore> store(new OrderStore(db));
  sqlite3_busy_timeout(db, 5000);
  if (sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK ||
      sqlite3_prepare_v2(db, kInsert, -1, &store->insert_, nullptr) != SQLITE_OK) {
    error = "cannot prepare the order store " + path + ": " + sqlite3_errmsg(db);
    return nullptr;
  }
  return store;
}

OrderStore::OrderStore(sqlite3* db) : db_(db) {}

OrderStore::~OrderStore() {
  sqlite3_finalize(insert_);
  sqlite3_close(db_);
}

long long OrderStore::add(const PostedOrder& order, std::string& error) {
  const std::lock_guard lock(mutex_);
  bind(insert_, 1, utcNow());
  bind(insert_, 2, order.orderNumber);
  bind(insert_, 3, order.customer);
  bind(insert_, 4, order.email);
  bind(insert_, 5, order.subject);
  bind(insert_, 6, order.message);
  bind(insert_, 7, order.orderText);
  // One statement outside any open transaction commits on its own.
  const int result = sqlite3_step(insert_);
  sqlite3_reset(insert_);
  sqlite3_clear_bindings(insert_);
  if (result != SQLITE_DONE) {
    error = sqlite3_errmsg(db_);
    return 0;
  }
  return sqlite3_last_insert_rowid(db_);
}

std::vector<StoredOrder> OrderStore::all() {
  const std::lock_guard lock(mutex_);
  std::vector<StoredOrder> orders;
  sqlite3_stmt* select = nullptr;
  if (sqlite3_prepare_v2(db_, kSelectAll, -1, &select, nullptr) != SQLITE_OK) return orders;
  while (sqlite3_step(select) == SQLITE_ROW) {
    StoredOrder stored;
    stored.id = sqlite3_column_int64(select, 0);
    stored.receivedUtc = column(select, 1);
    stored.order = {column(select, 3), column(select, 4), column(select, 2),
                    column(select, 5), column(select, 6), column(select, 7)};
    orders.push_back(std::move(stored));
  }
  sqlite3_finalize(select);
  return orders;
}

}  // namespace orderserver
