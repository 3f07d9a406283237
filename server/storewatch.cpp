#include "server/storewatch.h"

#include "server/rescuecopy.h"
#include "server/sqlitefailure.h"

#include <sqlite3.h>

#include <sys/stat.h>

#include <ctime>

namespace orderserver {
namespace {

constexpr std::string_view kTriedAtStop = ": it was tried once more as the server stopped, and failed again";

// What a maker can do while the orders are only in files the server holds
// open, `room` naming what failed for want of it.
std::string advice(std::string_view room, bool stopping) {
  if (stopping) return std::string(kTriedAtStop);
  return ": keep the server running and make room for " + std::string(room) +
         " (free space on its disk, lift its file-size limit); this is tried again at every post and when the server"
         " stops";
}

// Whether the open file still has a name somewhere: a moved store has, a
// deleted or replaced one has not.
bool stillNamed(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && info.st_nlink > 0;
}

}  // namespace

StoreWatch::StoreWatch(sqlite3* db, std::string path, FileIdentity identity, int fd)
    : db_(db),
      path_(std::move(path)),
      identity_(identity),
      fd_(fd),
      journal_(identityAt(path_ + kJournalSuffix)),
      journalIndex_(identityAt(path_ + kJournalIndexSuffix)) {}

std::string StoreWatch::whatMoved() const {
  const std::string store = "the order store " + path_;
  const auto now = identityAt(path_);
  if (!now) return store + " was deleted or moved";
  if (*now != identity_) return store + " was replaced by another file, which was left as it is";
  if (identityAt(journalPath()) != journal_) return store + "'s journal " + journalPath() + " was deleted or replaced";
  // Without its index the server's view of the journal is no longer shared:
  // the next outside client would rebuild one and could checkpoint or reset
  // the journal under the server's commits.
  if (identityAt(path_ + kJournalIndexSuffix) != journalIndex_)
    return store + "'s journal index " + path_ + kJournalIndexSuffix + " was deleted or replaced";
  return "";
}

std::string StoreWatch::keepOrders(const std::string& loss, bool stopping) {
  std::unique_lock lock(mutex_, std::defer_lock);
  if (stopping) {
    lock.lock();
  } else if (!lock.try_lock()) {
    return "";
  }
  if (!givenUp_) {
    givenUp_ = true;
    // Closing then deletes no journal file by name, whatever fails below.
    int keepJournal = 1;
    sqlite3_file_control(db_, "main", SQLITE_FCNTL_PERSIST_WAL, &keepJournal);
  }
  const bool atPath = identityAt(path_) == identity_;
  if (!atPath && copy_.empty()) copy_ = writeRescueCopy(db_, path_, copyError_);
  if (!written_) writeJournal();
  if (!atPath && !written_ && aside_.empty()) setJournalAside();
  // Said again only when something changed: a failure's text may change
  // with every try (a rescue file's name holds the time).
  const bool done = atPath ? written_ : !copy_.empty();
  const int state =
      int(atPath) | int(done) << 1 | int(written_) << 2 | int(aside_.empty()) << 3 | int(stopping && !done) << 4;
  if (state == toldState_) return "";
  toldState_ = state;
  return (atPath ? loss : whatMoved()) + outcome(atPath, stopping);
}

// Writes the journal, through its descriptor, into the store file still open
// and empties it; then no name of ours is needed any more.
void StoreWatch::writeJournal() {
  written_ = sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr) == SQLITE_OK;
  if (!written_) {
    writeError_ = failureOf(db_);
    return;
  }
  removeIfStill(journalPath(), journal_);
  removeIfStill(path_ + kJournalIndexSuffix, journalIndex_);
  if (!aside_.empty()) removeIfStill(aside_, journal_);
  aside_.clear();
}

// A journal left under the store's name would be replayed onto the file put
// there; its index holds no order and is rebuilt from the journal.
void StoreWatch::setJournalAside() {
  if (journal_ && identityAt(journalPath()) == journal_)
    aside_ = orderserver::setJournalAside(journalPath(), *journal_, std::time(nullptr), asideError_);
  if (identityAt(journalPath()) != journal_) removeIfStill(path_ + kJournalIndexSuffix, journalIndex_);
}

// Where the orders are now, and what the maker can do.
std::string StoreWatch::outcome(bool atPath, bool stopping) const {
  const bool journalAtName = identityAt(journalPath()) == journal_;
  if (atPath) {
    if (written_) return "; every order it took was written into the store first";
    const std::string failed = "; writing its journal into the store failed (" + writeError_ + ")";
    if (journalAtName) return failed + ", so the journal is left beside the store to be read with it";
    return failed + ", so the orders not yet in the store are only in the journal the server holds open and are gone"
                    " once it stops" + advice("the journal in the store", stopping);
  }
  if (!copy_.empty())
    return "; every order it took is in " + copy_ + ", copied from the file the server holds open:"
           " stop the server, then put that copy in place of the store or start the server on it";
  const std::string failed = "; copying it into a new file beside it failed (" + copyError_ + ")";
  if (!stillNamed(fd_) || !(written_ || journalAtName || !aside_.empty()))
    return failed + ", so the orders it took are only in the file the server holds open and are gone once it stops" +
           advice("a copy beside the store's path", stopping) + journalNote();
  // Moved, so the file the server holds open is still at a name of its own.
  const std::string retryCopy = stopping ? "" : "; the copy is tried again at every post and when the server stops";
  if (written_) return failed + ", but the moved store holds every order it took" + retryCopy;
  const std::string journal = aside_.empty() ? journalPath() : aside_;
  return failed + journalNote() + "; the moved store holds every order it took together with " + journal +
         ", put beside it as its journal under the moved store's name with " + kJournalSuffix + " added" + retryCopy;
}

// What became of a journal that could not be written into the store file.
std::string StoreWatch::journalNote() const {
  if (written_) return "";
  const std::string failed = "; writing its journal into that file failed too (" + writeError_ + ")";
  if (!aside_.empty()) return failed + ", so the journal was moved aside to " + aside_;
  if (identityAt(journalPath()) == journal_) return failed + " and moving it aside failed (" + asideError_ + ")";
  return failed;
}

}  // namespace orderserver
