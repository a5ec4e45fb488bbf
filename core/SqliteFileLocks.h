#pragma once

// SQLite keeps two programs on one file apart with POSIX record locks, and Linux drops every
// POSIX lock a process holds on a file as soon as any descriptor of that file is closed
// anywhere in the process. Code the program does not own opens and closes the database file
// too (a file dialog reads the first bytes of each file it lists to learn its type), and would
// take the locks away: another program could then check the write-ahead log into the file and
// delete it under the program, and a crash would lose what was saved since.
//
// So every lock SQLite takes goes through one descriptor of the program's own per file, made
// when SQLite first locks the file and kept open for the run, as an open-file-description lock:
// such a lock goes only with its own descriptor, and a close elsewhere leaves it. All the
// process's connections to a file share that descriptor, so they never conflict with each
// other, as with POSIX locks; other programs' POSIX locks and these conflict as usual.
namespace SqliteFileLocks {

// Whether SQLite's locks go that way; set up before any connection opens, as SQLite requires.
bool Installed();

} // namespace SqliteFileLocks
