#pragma once
// SQLite's message for a connection's last failure, with the system's reason
// when a file operation failed: "disk I/O error" alone does not tell a full
// disk from a file-size limit.

#include <string>

struct sqlite3;

namespace orderserver {

// sqlite3_errmsg, followed by the system's reason in parentheses
// ("disk I/O error (File too large)") for a failed read or write.
std::string failureOf(sqlite3* db);

}  // namespace orderserver
