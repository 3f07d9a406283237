#pragma once
// The order store as a file: opening it safely before SQLite does, telling a
// store from another file, and knowing whether the path still names it.

#include <sys/types.h>

#include <optional>
#include <string>

namespace orderserver {

// SQLite's names for the journal and its shared index, beside the store.
inline constexpr const char* kJournalSuffix = "-wal";
inline constexpr const char* kJournalIndexSuffix = "-shm";

// Which file a path named: the same device and inode are the same file.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The store's file opened for writing: `path` names it with every link in its
// folders followed, `made` when this opening created it.
struct StoreFile {
  int fd = -1;  // -1 when refused
  std::string path;
  bool made = false;
};

// Opens the store for writing without following a link as the file itself;
// links in its folders are followed. A new one is made owner-only. An
// existing one must be empty or start as a database; its mode is left alone
// until the database is known to be a store. Where no store is yet (nothing
// at the path, or an empty file), a journal with content beside it is of a
// store moved or deleted: that start is refused, the journal left as it is
// and no file made. Messages name `path` as given.
StoreFile openStoreFile(const std::string& path, std::string& error);

// `path` with every link in its folders followed and its own name kept, so a
// link as the file itself is still seen as one. SQLite told not to follow
// links refuses one anywhere in a path. When the folder cannot be found the
// path is given back as it is, and opening it says why.
std::string withFolderResolved(const std::string& path);

// True when `path` is an existing, non-empty database; checked without
// changing the file. False with `error` set otherwise.
bool isExistingDatabase(const std::string& path, std::string& error);

std::optional<FileIdentity> identityOf(int fd);
// Nothing when nothing is at `path` (a link is not followed).
std::optional<FileIdentity> identityAt(const std::string& path);
// Removes the file at `path` only while it is still the one `identity` names.
void removeIfStill(const std::string& path, std::optional<FileIdentity> identity);
// Makes the regular file at `path` owner-only through a descriptor this
// process already holds of it (SQLite's), so nothing is opened or closed:
// closing a descriptor of a file drops every lock the process holds on it.
// A link, or a file no descriptor here holds, is left alone. Empty when done
// or nothing was to do, or why not.
std::string keepOpenFileOwnerOnly(const std::string& path);

}  // namespace orderserver
