#include "server/storereading.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace orderserver {
namespace {

// A server starting or stopping changes the store at most a few times.
constexpr int kReadAttempts = 3;

// What decides how the store is read, and tells whether that choice still holds.
struct StoreState {
  std::optional<FileIdentity> journal;  // a server's journal beside the store
  FileIdentity file;
  off_t size = 0;
  timespec changed{};
};

bool sameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

// A read is sound when the journal it was chosen by is still the same one,
// and, read without a journal, when the file did not change meanwhile.
bool sameRead(const StoreState& before, const StoreState& after) {
  if (before.journal != after.journal) return false;
  return before.journal || (before.file == after.file && before.size == after.size &&
                            sameTime(before.changed, after.changed));
}

// Nothing (with `error` set) when the journal's path cannot be looked at. A
// journal name too long for the folder means no server can keep one there.
std::optional<StoreState> stateOf(const std::string& path, std::string& error) {
  StoreState state;
  struct stat info {};
  const std::string journalPath = path + kJournalSuffix;
  if (::lstat(journalPath.c_str(), &info) == 0) {
    state.journal = FileIdentity{info.st_dev, info.st_ino};
  } else if (errno != ENOENT && errno != ENAMETOOLONG) {
    error = "cannot read the order store " + path + ": its journal " + journalPath + " cannot be looked at: " +
            std::strerror(errno);
    return std::nullopt;
  }
  // A missing store is refused when it is opened.
  if (::lstat(path.c_str(), &info) == 0) {
    state.file = {info.st_dev, info.st_ino};
    state.size = info.st_size;
    state.changed = info.st_mtim;
  }
  return state;
}

std::vector<StoredOrder> readOnce(const std::string& path, bool journalBeside, std::string& error) {
  const auto store = OrderStore::openReadOnly(path, error, journalBeside);
  return store ? store->all(error) : std::vector<StoredOrder>{};
}

}  // namespace

std::vector<StoredOrder> readStoredOrders(const std::string& path, std::string& error) {
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    error.clear();
    const auto before = stateOf(path, error);
    if (!before) return {};
    auto orders = readOnce(path, before->journal.has_value(), error);
    std::string afterError;
    const auto after = stateOf(path, afterError);
    if (after && sameRead(*before, *after)) return orders;
  }
  error = "cannot read the order store " + path + ": a server kept starting or stopping beside it; read it again";
  return {};
}

}  // namespace orderserver
