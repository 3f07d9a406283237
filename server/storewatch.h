#pragma once
// Watching the store's files while the server runs: whether the store's path,
// its journal's and its journal index's still name the files it opened, and
// keeping the orders it took once one does not.

#include "server/storefile.h"

#include <mutex>
#include <optional>
#include <string>

struct sqlite3;

namespace orderserver {

class StoreWatch {
 public:
  // Watches the store `db` opened as the file `identity` at `path` (`fd` is
  // a descriptor of that file), with the journal files beside it now.
  StoreWatch(sqlite3* db, std::string path, FileIdentity identity, int fd);

  // What became of the store, its journal or the journal's index; empty
  // while all three are where they were opened. Takes no lock.
  std::string whatMoved() const;

  // Keeps the orders of a store given up for `loss`; called then, at every
  // post refused after it and at the stop (`stopping`), each time doing what
  // is still undone. A store no longer at its path is copied whole into a new
  // file beside it; the journal is written into the store file still open,
  // or, when that fails and the path no longer leads to the store, moved
  // aside under a new name. Our journal and its index leave the store's
  // names, and closing deletes nothing by name: nothing of ours is replayed
  // onto whatever file has the store's name next. What the log should say,
  // or empty when it said so before or another post is at work on it.
  std::string keepOrders(const std::string& loss, bool stopping);

 private:
  void writeJournal();
  void setJournalAside();
  std::string outcome(bool atPath, bool stopping) const;
  std::string journalNote() const;
  std::string journalPath() const { return path_ + kJournalSuffix; }

  sqlite3* db_;
  const std::string path_;
  const FileIdentity identity_;
  const int fd_;
  // The journal and its index as the server's store opened them.
  const std::optional<FileIdentity> journal_, journalIndex_;

  std::mutex mutex_;
  bool givenUp_ = false;
  std::string copy_, copyError_;
  bool written_ = false;
  std::string writeError_;
  std::string aside_, asideError_;
  int toldState_ = -1;  // what the log was last told, as keepOrders sums it up
};

}  // namespace orderserver
