#include "server/storefile.h"

#include "server/ownermode.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace orderserver {
namespace {

constexpr char kDatabaseHeader[] = "SQLite format 3";  // with its NUL: the file's first 16 bytes

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

std::string openingError(const std::string& path) {
  return errno == ELOOP ? path + " is a symbolic link, not an order store"
                        : "cannot open the order store " + path + ": " + std::strerror(errno);
}

}  // namespace

StoreFile openStoreFile(const std::string& path, std::string& error) {
  StoreFile file{-1, withFolderResolved(path), true};
  file.fd = ::open(file.path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kOwnerOnly);
  if (file.fd >= 0 || errno != EEXIST) {
    if (file.fd < 0) error = "cannot create the order store " + path + ": " + std::strerror(errno);
    return file;
  }
  file.made = false;
  file.fd = ::open(file.path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
  if (file.fd < 0) {
    error = openingError(path);
    return file;
  }
  error = databaseRefusal(file.fd, path, true);
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

}  // namespace orderserver
