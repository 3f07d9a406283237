#pragma once
// A whole copy of the open store, written into a new file beside its path
// when that path no longer leads to it: the orders would otherwise go with
// the file the server holds open once it stops. A journal that could not be
// written into its store is moved aside under a new name the same way.

#include "server/storefile.h"

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
// removed while its name still leads to it.
std::string writeRescueCopy(sqlite3* db, const std::string& storePath, std::string& error);

// Moves the journal `journal` at `journalPath` to a new name made from it and
// the UTC time `when` ("orders.sqlite-wal.set-aside-20261207T131500Z", then
// "-2" and on while taken), never over an existing file. No such name ends
// in "-wal", so SQLite replays it onto no file. The new name, or empty with
// `error` set.
std::string setJournalAside(const std::string& journalPath, FileIdentity journal, std::time_t when,
                            std::string& error);

}  // namespace orderserver
