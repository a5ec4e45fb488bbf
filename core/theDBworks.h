#pragma once

#include "core/Recordset.h"
#include "core/SqlDialect.h"

#include <QString>

#include <functional>

// The program's one database connection: the embedded SQLite file, or a MariaDB/MySQL server
// when config.ini says UseSQL=1. Statements are written in the Access dialect and translated
// here just before they run.
namespace theDBworks {

// Settings as read from config.ini (the database settings page shows them).
extern int UseSQLFlag;
extern QString DBPath;
extern QString DBKey;
extern QString SQLServerHost;
extern QString SQLDatabaseName;
extern QString SQLLoginName;
extern QString SQLLoginPassword;

// What the program shows when the database fails it. This module opens no window itself:
// the program installs the handlers at start-up. Without them a failure only sets ErrMsg.
struct FailureHandlers {
    // A refused statement: "Error Code : " and the code, a line break, the description.
    // Inside a unit of work it is shown once, after the unit has been rolled back.
    std::function<void(const QString& text)> statementRefused;
    // The connection failed and could not be opened again; ErrMsg holds the cause.
    std::function<void()> connectionFailed;
    // Another front desk held the record for longer than the program waits.
    std::function<void()> recordHeldElsewhere;
    // The database file opened can only be read.
    std::function<void(const QString& path)> databaseReadOnly;
    // True while a unit of work or a statement runs and may wait for another desk's lock.
    std::function<void(bool waiting)> waiting;
};
void InstallFailureHandlers(FailureHandlers handlers);

// The program's embedded database file when config.ini names none.
QString DefaultDatabasePath();
// The Access file's password when config.ini holds none; the SQLite file has no password.
QString DefaultDatabaseKey();

// Reads the settings section of config.ini; returns its "db" value.
QString ReadDBConfig();
// The decrypted "dbkey", or an empty text.
QString GetDBKey();
// Reads the settings and opens the connection; throws DatabaseError with the cause when it
// cannot.
void OpenConnection();
// Opens the connection as OpenConnection does; when it cannot, the cause goes to ErrMsg and to
// the connection-failure handler, and the answer is false.
bool Connect();
void CloseConnection();
bool IsConnected();
DbBackend Backend();
// The database file opened can only be read: writes are refused without a message, the user
// having been told once when it opened.
bool IsReadOnly();

// The longest a unit of work, or a statement outside one, waits in all for another front
// desk's lock, in seconds.
int LockWaitSeconds();

// Each runs one statement that returns no rows and answers whether it ran. A statement the
// database refuses shows "Error Code : " and the operation's code with the description. A lost
// connection is opened again once with the stored settings and the statement run again; only
// when that fails does the connection-failure handler take over.
bool ExecuteDeleteSQL(const QString& sql); // DELETE, DROP TABLE: DB0002
bool ExecuteInsertSQL(const QString& sql); // INSERT: DB0003
bool ExecuteUpdateSQL(const QString& sql); // UPDATE: DB0004
bool ExecuteCreateSQL(const QString& sql); // CREATE TABLE: DB0005

// An INSERT that may meet the row another front desk has just made under the same unique key:
// then nothing is stored and the answer says so without a report. Other failures are reported
// as ExecuteInsertSQL reports them.
enum class InsertOutcome { Ran, KeyTaken, Failed };
InsertOutcome ExecuteInsertUnlessKeyTaken(const QString& sql);

// Runs a query into a new shared recordset (releasing the previous one); throws DatabaseError
// when the query fails, with LastSQL already holding it. A lost connection is opened again as
// for the execute operations; when that fails it throws DatabaseUnreachable.
void OpenRecordset(const QString& sql);
Recordset& DBRecordset();
void CloseRecordset();
// Walks the shared recordset's rows as every reader does (Recordset's ForEachRow). The body
// must not run another query, which would replace the rows being walked: that throws.
void ForEachRecord(const std::function<void(const Recordset&)>& body);
// Runs a query and walks its rows as ForEachRecord does, but one at a time without keeping
// them, for lists of many thousand rows; the shared recordset is left empty. Throws as
// OpenRecordset does, and when the body runs another query. When the connection goes away
// during the walk, it is opened again once, `startOver` runs (the reader forgets the rows it
// had) and the walk starts again; when it cannot be opened again, the connection-failure
// handler takes over and it throws DatabaseUnreachable.
void WalkRecords(const QString& sql, const std::function<void(const Recordset&)>& body,
                 const std::function<void()>& startOver = {});

// Whether the database holds a table of this name (compared without regard to case). The
// catalogue is read as OpenRecordset reads a query, and throws as it does; the shared recordset
// is left empty.
bool TableExists(const QString& name);
// Whether CREATE and DROP TABLE take part in a unit of work. MariaDB commits by itself before
// and after either, so a unit that makes or drops a table does that step outside and undoes it
// by hand.
bool TableChangesJoinUnitOfWork();

// One user action that writes several rows runs in one transaction: all or nothing. A failing
// BEGIN, COMMIT or ROLLBACK throws DatabaseError and leaves itself in LastSQL.
void BeginTrans();
void CommitTrans();
void RollbackTrans();
bool InTransaction();

// Runs `work` as one unit of work and commits it when it answers true and none of its
// statements was refused. Otherwise it is rolled back, and only then is a refusal shown, so
// no lock is held while a message is on screen. Work that loses to another front desk's (a
// deadlock, a lock that did not come) is run again while the wait allowed is not used up;
// then the user is told the record is held elsewhere. A lost connection is opened again once
// and the whole unit run again from its start. Inside an outer unit it only joins that one.
bool RunInTransaction(const std::function<bool()>& work);

// Making, renaming or dropping a table commits by itself on MariaDB, so it cannot join a unit
// of work. `change` runs first; then `work` runs as one unit of work; when that fails, `undo`
// puts the table back as it was. True when `change` and `work` both ran.
bool RunAfterTableChange(const std::function<bool()>& change, const std::function<bool()>& work,
                         const std::function<void()>& undo);

} // namespace theDBworks

// A scoped unit of work: rolled back unless committed. Nested scopes join the outer one.
class DBTransaction final {
    Q_DISABLE_COPY_MOVE(DBTransaction)

public:
    DBTransaction();
    ~DBTransaction();
    // False, with everything rolled back, when a statement of the unit was refused.
    bool Commit();

private:
    int uncaught_ = 0;
    bool owner_ = false;
    bool finished_ = false;
};
