#pragma once
// Watching the store's files while the server runs: whether the store's path
// and its journal's still name the files it opened, and keeping the orders it
// took once one does not.

#include "server/storefile.h"

#include <optional>
#include <string>

struct sqlite3;

namespace orderserver {

// SQLite's names for the journal and its shared index, beside the store.
inline constexpr const char* kJournalSuffix = "-wal";
inline constexpr const char* kJournalIndexSuffix = "-shm";

class StoreWatch {
 public:
  // Watches the store `db` opened as the file `identity` at `path`, with the
  // journal files beside it now.
  StoreWatch(sqlite3* db, std::string path, FileIdentity identity);

  // What became of the store or its journal; empty while both are where they
  // were opened. Takes no lock.
  std::string whatMoved() const;

  // A store no longer at its path is copied whole first, then its journal is
  // written into the store file still open and emptied, and our journal and
  // its index are removed from the store's names: closing then deletes
  // nothing by name, and nothing of ours is replayed onto whatever file has
  // the store's name next. What was done, for the log.
  std::string keepInOpenFile();

 private:
  sqlite3* db_;
  const std::string path_;
  const FileIdentity identity_;
  // The journal and its index as the server's store opened them.
  const std::optional<FileIdentity> journal_, journalIndex_;
};

}  // namespace orderserver
