#include "server/storefile.h"

#include "server/ownermode.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>

namespace orderserver {
namespace {

constexpr char kDatabaseHeader[] = "SQLite format 3";  // with its NUL: the file's first 16 bytes
// Where Linux lists this process's open descriptors, one entry per number.
constexpr const char* kOwnDescriptors = "/proc/self/fd";

// Empty when the open file may be taken as a database, or why not; an empty
// file is one only when `emptyAllowed`.
std::string databaseRefusal(int fd, const std::string& path, bool emptyAllowed) {
  struct stat info {};
  char header[sizeof kDatabaseHeader] = {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return path + " is not a regular file";
  if (info.st_size == 0) return emptyAllowed ? "" : path + " is empty, not an order store";
  if (::pread(fd, header, sizeof header, 0) != ssize_t(sizeof header) ||
      std::memcmp(header, kDatabaseHeader, sizeof header) != 0)
    return path + " is not an order store (not an SQLite database)";
  return "";
}

// Why no store may be made or taken at `resolved`, where none is yet: SQLite
// would empty a journal with content beside it into the new store, and with
// it the orders it holds. Empty when no such journal is there.
std::string leftJournalRefusal(const std::string& resolved, const std::string& path) {
  struct stat info {};
  const std::string journal = resolved + kJournalSuffix;
  if (::lstat(journal.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0) return "";
  return "cannot open the order store " + path + ": no store is at that path, but its journal " + path +
         kJournalSuffix + " is beside it and holds " + std::to_string(info.st_size) +
         " bytes of orders not yet written into their store, which was moved or deleted. The journal was left as it"
         " is and no file was made: put that store back at " + path + " and start again, or, only if those orders"
         " are kept elsewhere, move the journal aside first";
}

// Why the file open at `fd`, made by this opening or found, cannot be the
// store: it is empty beside a journal with content. One this opening made is
// removed again.
std::string emptyBesideJournal(int fd, const StoreFile& file, const std::string& path) {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || info.st_size != 0) return "";
  std::string refusal = leftJournalRefusal(file.path, path);
  if (!refusal.empty() && file.made) removeIfStill(file.path, FileIdentity{info.st_dev, info.st_ino});
  return refusal;
}

std::string openingError(const std::string& path) {
  return errno == ELOOP ? path + " is a symbolic link, not an order store"
                        : "cannot open the order store " + path + ": " + std::strerror(errno);
}

}  // namespace

StoreFile openStoreFile(const std::string& path, std::string& error) {
  StoreFile file{-1, withFolderResolved(path), true};
  error = identityAt(file.path) ? "" : leftJournalRefusal(file.path, path);
  if (!error.empty()) return file;
  file.fd = ::open(file.path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kOwnerOnly);
  if (file.fd < 0 && errno == EEXIST) {
    file.made = false;
    file.fd = ::open(file.path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (file.fd < 0) error = openingError(path);
  } else if (file.fd < 0) {
    error = "cannot create the order store " + path + ": " + std::strerror(errno);
  }
  if (file.fd < 0) return file;
  // Checked again on the open file: a journal may have come between the look and the opening.
  error = file.made ? "" : databaseRefusal(file.fd, path, true);
  if (error.empty()) error = emptyBesideJournal(file.fd, file, path);
  if (error.empty()) return file;
  ::close(file.fd);
  file.fd = -1;
  return file;
}

std::string withFolderResolved(const std::string& path) {
  const std::filesystem::path given(path);
  std::error_code failed;
  const auto folder = std::filesystem::canonical(given.has_parent_path() ? given.parent_path() : ".", failed);
  return failed ? path : (folder / given.filename()).string();
}

bool isExistingDatabase(const std::string& path, std::string& error) {
  // Not blocking: a FIFO is refused at once instead of waiting for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    error = errno == ENOENT ? "there is no order store at " + path : openingError(path);
    return false;
  }
  error = databaseRefusal(fd, path, false);
  ::close(fd);
  return error.empty();
}

std::optional<FileIdentity> identityOf(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return std::nullopt;
  return FileIdentity{info.st_dev, info.st_ino};
}

std::optional<FileIdentity> identityAt(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return std::nullopt;
  return FileIdentity{info.st_dev, info.st_ino};
}

void removeIfStill(const std::string& path, std::optional<FileIdentity> identity) {
  if (identity && identityAt(path) == identity) ::unlink(path.c_str());
}

std::string keepOpenFileOwnerOnly(const std::string& path) {
  struct stat atPath {};
  if (::lstat(path.c_str(), &atPath) != 0 || !S_ISREG(atPath.st_mode) || (atPath.st_mode & ~S_IFMT) == kOwnerOnly)
    return "";
  std::error_code failed;
  for (std::filesystem::directory_iterator entry(kOwnDescriptors, failed), end; !failed && entry != end;
       entry.increment(failed)) {
    const std::string number = entry->path().filename().string();
    int fd = -1;
    struct stat held {};
    if (std::from_chars(number.data(), number.data() + number.size(), fd).ec != std::errc() ||
        ::fstat(fd, &held) != 0 || held.st_dev != atPath.st_dev || held.st_ino != atPath.st_ino)
      continue;
    return ::fchmod(fd, kOwnerOnly) == 0 ? "" : "cannot make " + path + " owner-only: " + std::strerror(errno);
  }
  return failed ? "cannot make " + path + " owner-only: " + kOwnDescriptors + " cannot be read: " + failed.message()
                : "";
}

}  // namespace orderserver
