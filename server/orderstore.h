#pragma once
// The durable order store: one SQLite file, readable by its owner only, one
// transaction per order, committed before the order is answered. Only the
// order number and the time received are in clear; the rest is sealed.

#include <memory>
#include <mutex>
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
  // Opens or creates the store and makes the file owner-only; nothing (with
  // `error` set) when that fails. A symbolic link, a file that is not a
  // database and a database of other tables are refused untouched.
  static std::unique_ptr<OrderStore> open(const std::string& path, std::string& error);
  ~OrderStore();
  OrderStore(const OrderStore&) = delete;
  OrderStore& operator=(const OrderStore&) = delete;

  // Commits the order durably; its row id, or 0 (with `error` set). An order
  // number already stored keeps its first order and gives that one's id.
  // Safe to call from several threads.
  long long add(const std::string& orderNumber, const std::string& sealed, std::string& error);

  // Every stored order, oldest first; for the owner's tools and the tests.
  std::vector<StoredOrder> all();

 private:
  explicit OrderStore(sqlite3* db);
  std::mutex mutex_;
  sqlite3* db_;
  sqlite3_stmt* insert_ = nullptr;
  sqlite3_stmt* find_ = nullptr;
};

}  // namespace orderserver
