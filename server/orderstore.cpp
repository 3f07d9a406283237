#include "server/orderstore.h"

#include "server/ownermode.h"
#include "server/sqlitefailure.h"
#include "server/storewatch.h"

#include <sqlite3.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace orderserver {
namespace {

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

// Nothing when the question could not be asked: an error is no "no".
std::optional<bool> answerTo(sqlite3* db, const char* question) {
  sqlite3_stmt* check = nullptr;
  std::optional<bool> answer;
  if (sqlite3_prepare_v2(db, question, -1, &check, nullptr) == SQLITE_OK && sqlite3_step(check) == SQLITE_ROW)
    answer = sqlite3_column_int(check, 0) == 1;
  sqlite3_finalize(check);
  return answer;
}

bool askedTrue(sqlite3* db, const char* question) { return answerTo(db, question).value_or(false); }

bool run(sqlite3* db, const char* statements) { return sqlite3_exec(db, statements, nullptr, nullptr, nullptr) == SQLITE_OK; }

// Takes the write lock before looking, so two servers cannot both convert.
// Empty, or why the store could not be converted.
std::string convertUniqueNumbers(sqlite3* db) {
  if (!run(db, "BEGIN IMMEDIATE;")) return failureOf(db);
  const std::string rebuild = creation("orders_rebuilt") + kCopyAndReplace;
  const std::optional<bool> unique = answerTo(db, kNumberUnique);
  if (unique && (!*unique || run(db, rebuild.c_str())) && run(db, "COMMIT;")) return "";
  std::string error = failureOf(db);
  // A full disk or an I/O error may have rolled the transaction back already.
  if (!sqlite3_get_autocommit(db)) run(db, "ROLLBACK;");
  return error;
}

// Empty once the store is set up for writing, or why it is not.
std::string preparationError(sqlite3* db) {
  if (!run(db, kSettings) || !run(db, creation("orders").c_str())) return failureOf(db);
  return convertUniqueNumbers(db);
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

// The store as an SQLite URI, every byte that could be read as URI syntax
// escaped; empty when the path cannot be made absolute.
std::string uriOf(const std::string& path, bool immutable) {
  constexpr std::string_view kPlain = "/-._~";
  std::error_code failed;
  const std::string absolute = std::filesystem::absolute(path, failed).string();
  if (failed) return "";
  std::string uri = "file://";
  for (const char byte : absolute) {
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

// The journal and its index beside the store at `path`, each as found.
struct JournalFiles {
  std::optional<FileIdentity> journal, index;
};

JournalFiles journalAt(const std::string& path) {
  return {identityAt(path + kJournalSuffix), identityAt(path + kJournalIndexSuffix)};
}

// Empty once the journal and its index SQLite holds open beside the store at
// `path` are owner-only, or why not.
std::string journalKeptPrivate(const std::string& path) {
  std::string failure = keepOpenFileOwnerOnly(path + kJournalSuffix);
  return failure.empty() ? keepOpenFileOwnerOnly(path + kJournalIndexSuffix) : failure;
}

// Closes a refused store and, when this start made its file, removes what it
// made: the journal files SQLite made beside it (those found there before
// are left), then the file; each only while its path still names it.
void giveUp(std::unique_ptr<OrderStore> store, const StoreFile& file, std::optional<FileIdentity> identity,
            const JournalFiles& found) {
  const JournalFiles now = journalAt(file.path);
  store.reset();
  if (!file.made) return;
  if (now.journal != found.journal) removeIfStill(file.path + kJournalSuffix, now.journal);
  if (now.index != found.index) removeIfStill(file.path + kJournalIndexSuffix, now.index);
  removeIfStill(file.path, identity);
}

}  // namespace

std::unique_ptr<OrderStore> OrderStore::open(const std::string& path, std::string& error) {
  const StoreFile file = openStoreFile(path, error);
  if (file.fd < 0) return nullptr;
  const auto identity = identityOf(file.fd);
  const std::string unidentified = identity ? "" : std::strerror(errno);
  const JournalFiles journalBefore = journalAt(file.path);
  sqlite3* db = nullptr;
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_NOFOLLOW;
  const bool opened = sqlite3_open_v2(file.path.c_str(), &db, flags, nullptr) == SQLITE_OK && askedTrue(db, kRecognise);
  // From here the store object closes our descriptor, after SQLite's.
  std::unique_ptr<OrderStore> store(new OrderStore(db, file.path, identity.value_or(FileIdentity{}), file.fd));
  if (!opened) {
    error = "cannot open the order store " + path + ": " +
            (sqlite3_errcode(db) == SQLITE_OK ? "it is no store of sealed orders" : failureOf(db));
  } else if (const std::string failure = identity ? store->prepare() : unidentified; !failure.empty()) {
    error = "cannot prepare the order store " + path + ": " + failure;
  } else {
    store->watchJournal();
    return store;
  }
  // A refused first start leaves no file that a later start or read would take for a store.
  giveUp(std::move(store), file, identity, journalBefore);
  return nullptr;
}

// Empty once the store is private and ready to take orders, or why not.
std::string OrderStore::prepare() {
  // Tightened only now that the file is known to be a store. SQLite gives a
  // journal file the store's mode when it makes one, so those made from here
  // are owner-only. But a store already in WAL mode had its journal and index
  // opened, or made with the old mode, by the first query, and the switch to
  // WAL may open a leftover index: those are tightened through the
  // descriptors SQLite holds.
  if (::fchmod(fd_, kOwnerOnly) != 0) return std::strerror(errno);
  sqlite3_busy_timeout(db_, kBusyTimeoutMs);
  std::string failure = journalKeptPrivate(path_);
  if (failure.empty()) failure = preparationError(db_);
  if (failure.empty()) failure = journalKeptPrivate(path_);
  if (failure.empty() && sqlite3_prepare_v2(db_, kInsert, -1, &insert_, nullptr) != SQLITE_OK)
    failure = sqlite3_errmsg(db_);
  return failure;
}

std::unique_ptr<OrderStore> OrderStore::openReadOnly(const std::string& path, std::string& error, bool journalBeside) {
  if (!isExistingDatabase(path, error)) return nullptr;
  const std::string uri = uriOf(withFolderResolved(path), !journalBeside);
  if (uri.empty()) {
    error = "cannot read the order store " + path + ": the current folder cannot be found";
    return nullptr;
  }
  sqlite3* db = nullptr;
  const int flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_NOFOLLOW;
  if (sqlite3_open_v2(uri.c_str(), &db, flags, nullptr) != SQLITE_OK ||
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

OrderStore::OrderStore(sqlite3* db, std::string path, FileIdentity identity, int fd)
    : db_(db), path_(std::move(path)), identity_(identity), fd_(fd) {}

OrderStore::~OrderStore() {
  // Closing deletes the journal by name: it must not be another file's. The
  // server's own stop has looked already when the store was given up.
  std::string news;
  if (watch_ && !lostFlag_) stillAtPath(news, true);
  sqlite3_finalize(insert_);
  sqlite3_close(db_);
  if (fd_ >= 0) ::close(fd_);
}

OrderStore::Added OrderStore::add(const std::string& orderNumber, const std::string& sealed,
                                 const std::string& fingerprint, std::string& error) {
  const std::lock_guard lock(mutex_);
  // A repeated post of a stored order: the buyer retried after a lost answer.
  if (const auto stored = fingerprints_.find(fingerprint); stored != fingerprints_.end()) return {stored->second, true};
  if (!lost_.empty()) {
    error = lost_;
    return {};
  }
  bind(insert_, 1, utcNow());
  bind(insert_, 2, orderNumber);
  sqlite3_bind_blob(insert_, 3, sealed.data(), static_cast<int>(sealed.size()), SQLITE_TRANSIENT);
  // One statement outside any open transaction commits on its own.
  if (runOnce(insert_) != SQLITE_DONE) {
    error = failureOf(db_);
    return {};
  }
  const long long id = sqlite3_last_insert_rowid(db_);
  fingerprints_.emplace(fingerprint, id);
  return {id, false};
}

void OrderStore::watchJournal() { watch_ = std::make_unique<StoreWatch>(db_, path_, identity_, fd_); }

bool OrderStore::stillAtPath(std::string& news, bool stopping) {
  // Looking takes no lock, so checks do not queue behind commits.
  if (!lostFlag_ && watch_->whatMoved().empty()) return true;
  std::string lost;
  {
    const std::lock_guard lock(mutex_);
    if (lost_.empty()) lost_ = watch_->whatMoved();
    if (lost_.empty()) return true;
    lostFlag_ = true;
    lost = lost_;
  }
  // No order is added from here on, so keeping the orders needs no lock of the store's.
  news = watch_->keepOrders(lost, stopping);
  return false;
}

std::vector<StoredOrder> OrderStore::all() {
  std::string error;
  return all(error);
}

std::vector<StoredOrder> OrderStore::all(std::string& error) {
  const std::lock_guard lock(mutex_);
  std::vector<StoredOrder> orders;
  sqlite3_stmt* select = nullptr;
  int step = sqlite3_prepare_v2(db_, kSelectAll, -1, &select, nullptr);
  while (step == SQLITE_OK || step == SQLITE_ROW) {
    if (step == SQLITE_ROW)
      orders.push_back({sqlite3_column_int64(select, 0), column(select, 1), column(select, 2), column(select, 3)});
    step = sqlite3_step(select);
  }
  if (step != SQLITE_DONE) error = "cannot read every order in " + path_ + ": " + sqlite3_errmsg(db_);
  sqlite3_finalize(select);
  return orders;
}

}  // namespace orderserver
