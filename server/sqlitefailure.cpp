#include "server/sqlitefailure.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>

namespace orderserver {
namespace {

// The last failed operation's errno on the store's journal, as a commit's
// failure leaves it: SQLite records no system error for a failed commit.
int journalErrno(sqlite3* db) {
  sqlite3_file* journal = nullptr;
  int code = 0;
  if (sqlite3_file_control(db, "main", SQLITE_FCNTL_JOURNAL_POINTER, &journal) == SQLITE_OK && journal &&
      journal->pMethods)
    journal->pMethods->xFileControl(journal, SQLITE_FCNTL_LAST_ERRNO, &code);
  return code;
}

// The system's reason for the last failed file operation; 0 when none is known.
int systemErrno(sqlite3* db) {
  if (const int code = sqlite3_system_errno(db)) return code;
  if (const int code = journalErrno(db)) return code;
  int code = 0;
  sqlite3_file_control(db, "main", SQLITE_FCNTL_LAST_ERRNO, &code);
  return code;
}

}  // namespace

std::string failureOf(sqlite3* db) {
  std::string message = sqlite3_errmsg(db);
  const int failure = sqlite3_errcode(db);
  if (failure != SQLITE_IOERR && failure != SQLITE_FULL && failure != SQLITE_CANTOPEN) return message;
  // SQLite's file layer reports only a full disk as SQLITE_FULL, and keeps no
  // errno for it; the store sets no page limit that would give it otherwise.
  const int reason = failure == SQLITE_FULL ? ENOSPC : systemErrno(db);
  return reason ? message + " (" + std::strerror(reason) + ")" : message;
}

}  // namespace orderserver
