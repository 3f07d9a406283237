#pragma once
// The durable order store: one SQLite file, readable by its owner only, one
// transaction per order, committed before the order is answered. Only the
// order number and the time received are in clear; the rest is sealed.

#include "server/storefile.h"
#include "server/storewatch.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace orderserver {

struct StoredOrder {
  long long id = 0;
  std::string receivedUtc;
  std::string orderNumber;
  std::string sealed;
};

class OrderStore {
 public:
  // Opens or creates the store and makes the file and its journal files
  // owner-only; nothing (with `error` set) when that fails. A symbolic link,
  // a file that is not a database, a database of other tables and a missing
  // or empty store beside a journal with content are refused untouched. A
  // store that kept one order per number is converted in one transaction.
  static std::unique_ptr<OrderStore> open(const std::string& path, std::string& error);
  // Opens an existing store only to read it, beside a running server too:
  // it never creates, converts, truncates or checkpoints one. Without a
  // server's journal beside it the file holds every order and is read as
  // unchanging, which keeps SQLite from making a journal beside it; the
  // caller tells whether a server's journal is beside the store.
  static std::unique_ptr<OrderStore> openReadOnly(const std::string& path, std::string& error, bool journalBeside);
  ~OrderStore();
  OrderStore(const OrderStore&) = delete;
  OrderStore& operator=(const OrderStore&) = delete;

  struct Added {
    long long id = 0;     // 0 when the order could not be stored
    bool repeat = false;  // stored before, under `id`
  };
  // Commits the order durably; its row id, or 0 (with `error` set). An order
  // whose fingerprint was stored before by this store object gives that
  // one's id as a repeat; other orders are stored each, whatever their
  // numbers. Safe to call from several threads.
  Added add(const std::string& orderNumber, const std::string& sealed, const std::string& fingerprint,
            std::string& error);

  // False once the store's path, its journal's or its journal index's no
  // longer names the file opened (deleted, moved or replaced): orders added
  // now would be lost with it, and none is added after. From then on each
  // call, and the one at the stop (`stopping`), keeps the store's orders as
  // StoreWatch::keepOrders does; `news` is what the log should say, empty
  // when nothing changed since it was said.
  bool stillAtPath(std::string& news, bool stopping = false);

  // Every stored order, oldest first; for the owner's tools and the tests.
  std::vector<StoredOrder> all();
  // The same; when the read stops short, `error` says why and the orders
  // read before are returned.
  std::vector<StoredOrder> all(std::string& error);

 private:
  OrderStore(sqlite3* db, std::string path, FileIdentity identity, int fd = -1);
  std::string prepare();
  void watchJournal();
  std::mutex mutex_;
  sqlite3* db_;
  const std::string path_;
  const FileIdentity identity_;
  // Our own descriptor of the store file, closed only after SQLite's: closing
  // any descriptor of a file drops every lock the process holds on it, and a
  // store no lock guards is checkpointed and its journal deleted by the next
  // outside client that closes.
  const int fd_;
  // Only the server's store is watched.
  std::unique_ptr<StoreWatch> watch_;
  // Why the store was given up; empty while it is where it was opened.
  std::string lost_;
  std::atomic<bool> lostFlag_ = false;
  sqlite3_stmt* insert_ = nullptr;
  std::map<std::string, long long> fingerprints_;
};

}  // namespace orderserver
