#include "server/orderstore.h"

#include <sqlite3.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <ctime>
#include <filesystem>

namespace orderserver {
namespace {

constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;
constexpr int kBusyTimeoutMs = 5000;

// WAL keeps readers off the writers' backs; FULL syncs every commit, so an
// answered order survives a crash or a power cut.
constexpr const char* kSettings = "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;";
// Two buyers can share an order number, so it is not unique.
constexpr std::string_view kColumns =
    " (id INTEGER PRIMARY KEY, received_utc TEXT NOT NULL, order_number TEXT NOT NULL, sealed BLOB NOT NULL);";

std::string creation(std::string_view table) { return "CREATE TABLE IF NOT EXISTS " + std::string(table) + std::string(kColumns); }

// A store written when the number was unique is rebuilt, ids and rows kept.
constexpr const char* kNumberUnique =
    "SELECT EXISTS (SELECT 1 FROM pragma_index_list('orders') WHERE \"unique\" = 1 AND origin = 'u');";
constexpr const char* kCopyAndReplace =
    "INSERT INTO orders_rebuilt (id, received_utc, order_number, sealed)"
    " SELECT id, received_utc, order_number, sealed FROM orders;"
    "DROP TABLE orders;"
    "ALTER TABLE orders_rebuilt RENAME TO orders;";

// A store is ours when it has no tables yet or its orders table is sealed;
// one to read must have the table.
constexpr const char* kRecognise =
    "SELECT (SELECT count(*) FROM sqlite_schema) = 0"
    " OR EXISTS (SELECT 1 FROM pragma_table_info('orders') WHERE name = 'sealed');";
constexpr const char* kRecogniseToRead = "SELECT EXISTS (SELECT 1 FROM pragma_table_info('orders') WHERE name = 'sealed');";

constexpr const char* kInsert = "INSERT INTO orders (received_utc, order_number, sealed) VALUES (?, ?, ?);";
constexpr const char* kSelectAll = "SELECT id, received_utc, order_number, sealed FROM orders ORDER BY id;";

bool askedTrue(sqlite3* db, const char* question) {
  sqlite3_stmt* check = nullptr;
  const bool yes = sqlite3_prepare_v2(db, question, -1, &check, nullptr) == SQLITE_OK &&
                   sqlite3_step(check) == SQLITE_ROW && sqlite3_column_int(check, 0) == 1;
  sqlite3_finalize(check);
  return yes;
}

bool run(sqlite3* db, const char* statements) { return sqlite3_exec(db, statements, nullptr, nullptr, nullptr) == SQLITE_OK; }

// Takes the write lock before looking, so two servers cannot both convert.
bool convertUniqueNumbers(sqlite3* db) {
  if (!run(db, "BEGIN IMMEDIATE;")) return false;
  const std::string rebuild = creation("orders_rebuilt") + kCopyAndReplace;
  if ((!askedTrue(db, kNumberUnique) || run(db, rebuild.c_str())) && run(db, "COMMIT;")) return true;
  run(db, "ROLLBACK;");
  return false;
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

// The store as an SQLite URI, every byte that could be read as URI syntax escaped.
std::string uriOf(const std::string& path, bool immutable) {
  constexpr std::string_view kPlain = "/-._~";
  std::string uri = "file://";
  for (const char byte : std::filesystem::absolute(path).string()) {
    if (std::isalnum(static_cast<unsigned char>(byte)) || kPlain.find(byte) != std::string_view::npos) {
      uri += byte;
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(byte));
      uri += escaped;
    }
  }
  return uri + (immutable ? "?mode=ro&immutable=1" : "?mode=ro");
}

}  // namespace

std::unique_ptr<OrderStore> OrderStore::open(const std::string& path, std::string& error) {
  const int fd = openStoreFile(path, error);
  if (fd < 0) return nullptr;
  sqlite3* db = nullptr;
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_NOFOLLOW;
  if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK || !askedTrue(db, kRecognise)) {
    error = "cannot open the order store " + path + ": " +
            (sqlite3_errcode(db) == SQLITE_OK ? "it is no store of sealed orders" : sqlite3_errmsg(db));
    sqlite3_close(db);
    ::close(fd);
    return nullptr;
  }
  // SQLite gives its journal files the database file's mode, so tightening
  // the store covers them too.
  const bool private_ = ::fchmod(fd, kOwnerOnly) == 0;
  const auto identity = identityOf(fd);
  ::close(fd);
  std::unique_ptr<OrderStore> store(new OrderStore(db, path, identity.value_or(FileIdentity{})));
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  if (!private_ || !identity || !run(db, kSettings) || !run(db, creation("orders").c_str()) || !convertUniqueNumbers(db) ||
      sqlite3_prepare_v2(db, kInsert, -1, &store->insert_, nullptr) != SQLITE_OK) {
    error = "cannot prepare the order store " + path + ": " + sqlite3_errmsg(db);
    return nullptr;
  }
  return store;
}

std::unique_ptr<OrderStore> OrderStore::openReadOnly(const std::string& path, std::string& error) {
  if (!isExistingDatabase(path, error)) return nullptr;
  // Without a running writer's journal the file holds every order; reading
  // it as unchanging keeps SQLite from making a journal beside it.
  const bool journal = std::filesystem::exists(path + "-wal");
  sqlite3* db = nullptr;
  const int flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_NOFOLLOW;
  if (sqlite3_open_v2(uriOf(path, !journal).c_str(), &db, flags, nullptr) != SQLITE_OK ||
      sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr) != SQLITE_OK ||
      !askedTrue(db, kRecogniseToRead)) {
    error = "cannot read the order store " + path + ": " +
            (sqlite3_errcode(db) == SQLITE_OK ? "it is no store of sealed orders" : sqlite3_errmsg(db));
    sqlite3_close(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  return std::unique_ptr<OrderStore>(new OrderStore(db, path, FileIdentity{}));
}

OrderStore::OrderStore(sqlite3* db, std::string path, FileIdentity identity)
    : db_(db), path_(std::move(path)), identity_(identity) {}

OrderStore::~OrderStore() {
  sqlite3_finalize(insert_);
  sqlite3_close(db_);
}

OrderStore::Added OrderStore::add(const std::string& orderNumber, const std::string& sealed,
                                 const std::string& fingerprint, std::string& error) {
  const std::lock_guard lock(mutex_);
  // A repeated post of a stored order: the buyer retried after a lost answer.
  if (const auto stored = fingerprints_.find(fingerprint); stored != fingerprints_.end()) return {stored->second, true};
  bind(insert_, 1, utcNow());
  bind(insert_, 2, orderNumber);
  sqlite3_bind_blob(insert_, 3, sealed.data(), static_cast<int>(sealed.size()), SQLITE_TRANSIENT);
  // One statement outside any open transaction commits on its own.
  if (runOnce(insert_) != SQLITE_DONE) {
    error = sqlite3_errmsg(db_);
    return {};
  }
  const long long id = sqlite3_last_insert_rowid(db_);
  fingerprints_.emplace(fingerprint, id);
  return {id, false};
}

bool OrderStore::stillAtPath(std::string& why) const {
  const auto now = identityAt(path_);
  if (now == identity_) return true;
  why = now ? "the order store " + path_ + " was replaced by another file"
            : "the order store " + path_ + " was deleted or moved";
  return false;
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
