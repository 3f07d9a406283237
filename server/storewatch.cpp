#include "server/storewatch.h"

#include "server/rescuecopy.h"

#include <sqlite3.h>

#include <unistd.h>

namespace orderserver {
namespace {

// Where the orders of a store no longer at its path are now, and what the
// maker can do: once the server stops, the file it holds open is gone.
std::string rescueNote(sqlite3* db, const std::string& path) {
  std::string error;
  const std::string copy = writeRescueCopy(db, path, error);
  if (!copy.empty())
    return "; every order it took is in " + copy + ", copied from the file the server holds open:"
           " stop the server, then put that copy in place of the store or start the server on it";
  return "; copying it into a new file beside it failed (" + error + "), so the orders it took are only in the file"
         " the server holds open and are gone once it stops: keep the server running and copy that file from its"
         " link in /proc/" + std::to_string(::getpid()) + "/fd first";
}

}  // namespace

StoreWatch::StoreWatch(sqlite3* db, std::string path, FileIdentity identity)
    : db_(db),
      path_(std::move(path)),
      identity_(identity),
      journal_(identityAt(path_ + kJournalSuffix)),
      journalIndex_(identityAt(path_ + kJournalIndexSuffix)) {}

std::string StoreWatch::whatMoved() const {
  const std::string store = "the order store " + path_;
  const auto now = identityAt(path_);
  if (!now) return store + " was deleted or moved (a moved store keeps every order it took)";
  if (*now != identity_) return store + " was replaced by another file, which was left as it is";
  if (identityAt(path_ + kJournalSuffix) != journal_)
    return store + "'s journal " + path_ + kJournalSuffix +
           " was deleted or replaced; every order it took was written into the store first";
  return "";
}

std::string StoreWatch::keepInOpenFile() {
  const std::string rescue = identityAt(path_) == identity_ ? "" : rescueNote(db_, path_);
  if (sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr) != SQLITE_OK)
    return "; but writing its journal into it failed (" + std::string(sqlite3_errmsg(db_)) + "): keep " + path_ +
           kJournalSuffix + " beside it" + rescue;
  int keepJournal = 1;
  sqlite3_file_control(db_, "main", SQLITE_FCNTL_PERSIST_WAL, &keepJournal);
  removeIfStill(path_ + kJournalSuffix, journal_);
  removeIfStill(path_ + kJournalIndexSuffix, journalIndex_);
  return rescue;
}

}  // namespace orderserver
