#include "server/rescuecopy.h"

#include "server/ownermode.h"
#include "server/sqlitefailure.h"
#include "server/storefile.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orderserver {
namespace {

constexpr const char* kRescueMark = ".rescued-";
constexpr const char* kSetAsideMark = ".set-aside-";
// Far more than one second's losses; past it the folder is at fault.
constexpr int kMaxNamesPerSecond = 100;

std::string utcStamp(std::time_t when) {
  std::tm utc{};
  gmtime_r(&when, &utc);
  char text[32];
  return {text, std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc)};
}

// VACUUM INTO reads through the connection, so what is still in the journal
// is copied too; it writes into an empty file only, and syncs the copy as the
// store's own commits are synced.
std::string copyError(sqlite3* db, const std::string& into) {
  sqlite3_stmt* copy = nullptr;
  std::string error;
  if (sqlite3_prepare_v2(db, "VACUUM INTO ?;", -1, &copy, nullptr) != SQLITE_OK ||
      sqlite3_bind_text(copy, 1, into.c_str(), -1, SQLITE_TRANSIENT) != SQLITE_OK || sqlite3_step(copy) != SQLITE_DONE)
    error = failureOf(db);
  sqlite3_finalize(copy);
  return error;
}

// The first of `base`, `base-2`, `base-3` … that `take` could take: it
// fails with EEXIST where a name is taken and never touches that file. Empty,
// with `error` set, when none could be taken.
template <typename Take>
std::string firstFreeName(const std::string& base, Take take, std::string& error) {
  for (int number = 1; number <= kMaxNamesPerSecond; ++number) {
    const std::string name = number == 1 ? base : base + "-" + std::to_string(number);
    if (take(name)) return name;
    if (errno != EEXIST) break;
  }
  error = "cannot create " + base + ": " + std::strerror(errno);
  return "";
}

}  // namespace

std::string createRescueFile(const std::string& storePath, std::time_t when, std::string& error) {
  return firstFreeName(storePath + kRescueMark + utcStamp(when), [](const std::string& name) {
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kOwnerOnly);
    return fd >= 0 && ::close(fd) == 0;
  }, error);
}

std::string writeRescueCopy(sqlite3* db, const std::string& storePath, std::string& error) {
  const std::string name = createRescueFile(storePath, std::time(nullptr), error);
  if (name.empty()) return "";
  const auto made = identityAt(name);
  error = copyError(db, name);
  if (error.empty()) return name;
  removeIfStill(name, made);
  return "";
}

std::string setJournalAside(const std::string& journalPath, FileIdentity journal, std::time_t when,
                            std::string& error) {
  // A new link fails on a taken name, so no file is replaced; then the
  // journal's own name goes.
  const std::string aside = firstFreeName(journalPath + kSetAsideMark + utcStamp(when), [&](const std::string& name) {
    return ::link(journalPath.c_str(), name.c_str()) == 0;
  }, error);
  if (!aside.empty()) removeIfStill(journalPath, journal);
  return aside;
}

}  // namespace orderserver
