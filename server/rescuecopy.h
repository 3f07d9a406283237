#pragma once
// A whole copy of the open store, written into a new file beside its path
// when that path no longer leads to it: the orders would otherwise go with
// the file the server holds open once it stops.

#include <ctime>
#include <string>

struct sqlite3;

namespace orderserver {

// Creates an empty owner-only file named after `storePath` and the UTC time
// `when` ("orders.sqlite.rescued-20261207T131500Z", then "-2", "-3" and on
// while taken); an existing file is never opened. Its name, or empty with
// `error` set.
std::string createRescueFile(const std::string& storePath, std::time_t when, std::string& error);

// Copies every order `db` holds, its journal included, into a new rescue file
// for `storePath`. Its name, or empty with `error` set; a copy cut short is
// removed.
std::string writeRescueCopy(sqlite3* db, const std::string& storePath, std::string& error);

}  // namespace orderserver
