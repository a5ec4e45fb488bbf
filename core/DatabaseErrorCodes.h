#pragma once

// The native error numbers of the two back ends that the connection tells apart. The names
// follow the servers' own (ER_LOCK_DEADLOCK, SQLITE_BUSY, ...).

#include <sqlite3.h>

namespace MySqlError {

// ER_DBACCESS_DENIED_ERROR: the account may not do this in the database (LOCK TABLES, say).
inline constexpr int DatabaseAccessDenied = 1044;
// ER_TABLEACCESS_DENIED_ERROR: the account lacks the right to this command on the table.
inline constexpr int TableAccessDenied = 1142;
// ER_SPECIFIC_ACCESS_DENIED_ERROR: the account lacks a right the command needs.
inline constexpr int SpecificAccessDenied = 1227;
// ER_SERVER_SHUTDOWN: the server is going down.
inline constexpr int ServerShutdown = 1053;
// ER_DUP_ENTRY: a unique key that another row already holds.
inline constexpr int DuplicateKey = 1062;
// ER_LOCK_WAIT_TIMEOUT: a lock that never came.
inline constexpr int LockWaitTimeout = 1205;
// ER_LOCK_DEADLOCK: two sessions waited for each other; this one was rolled back.
inline constexpr int Deadlock = 1213;
// ER_CONNECTION_KILLED: another session killed this one.
inline constexpr int ConnectionKilled = 1927;
// ER_CLIENT_INTERACTION_TIMEOUT: the server closed a connection that sat idle too long.
inline constexpr int ClientInteractionTimeout = 4031;

// The client library's own errors (CR_MIN_ERROR to CR_MAX_ERROR): the server has gone away,
// the connection was lost, the server cannot be reached.
inline constexpr int FirstClientError = 2000;
inline constexpr int LastClientError = 2999;

} // namespace MySqlError

namespace SqliteResult {

// The extended result codes keep the primary code in their low byte.
inline constexpr int PrimaryCodeMask = 0xff;

inline constexpr int Busy = SQLITE_BUSY;
inline constexpr int Locked = SQLITE_LOCKED;
inline constexpr int ReadOnly = SQLITE_READONLY;
inline constexpr int IoError = SQLITE_IOERR;
inline constexpr int Corrupt = SQLITE_CORRUPT;
inline constexpr int CantOpen = SQLITE_CANTOPEN;
inline constexpr int Constraint = SQLITE_CONSTRAINT;
inline constexpr int NotADatabase = SQLITE_NOTADB;

} // namespace SqliteResult
