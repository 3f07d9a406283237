#pragma once
// The order store as a file: opening it safely before SQLite does, telling a
// store from another file, and knowing whether the path still names it.

#include <sys/types.h>

#include <optional>
#include <string>

namespace orderserver {

// Which file a path named: the same device and inode are the same file.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

// Opens the store for writing without following a link; a new one is made
// owner-only. An existing one must be empty or start as a database; its mode
// is left alone until the database is known to be a store. -1 (with `error`
// set) when refused.
int openStoreFile(const std::string& path, std::string& error);

// True when `path` is an existing, non-empty database; checked without
// changing the file. False with `error` set otherwise.
bool isExistingDatabase(const std::string& path, std::string& error);

std::optional<FileIdentity> identityOf(int fd);
// Nothing when nothing is at `path` (a link is not followed).
std::optional<FileIdentity> identityAt(const std::string& path);
// Removes the file at `path` only while it is still the one `identity` names.
void removeIfStill(const std::string& path, std::optional<FileIdentity> identity);

}  // namespace orderserver
