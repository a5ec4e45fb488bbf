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

// What the program shows when a statement is refused or the connection fails. This module
// opens no window itself: the program installs the handlers at start-up. Without them a
// failure only sets ErrMsg.
struct FailureHandlers {
    // The refusal's text: "Error Code : " and the code, a line break, the description.
    std::function<void(const QString& text)> statementRefused;
    // The connection itself failed; ErrMsg holds the code and the description.
    std::function<void()> connectionFailed;
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
// Reads the settings and opens the connection; throws DatabaseError when it cannot.
void OpenConnection();
void CloseConnection();
bool IsConnected();
DbBackend Backend();

// Each runs one statement that returns no rows and answers whether it ran. A statement the
// database refuses shows "Error Code : " and the operation's code with the description; a
// failure of the connection itself hands over to the database locate tool.
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
// when the query fails, with LastSQL already holding it.
void OpenRecordset(const QString& sql);
Recordset& DBRecordset();
void CloseRecordset();
// Runs a query and hands its rows that a list shows to `body` one at a time as they are read,
// keeping none, for a list that may hold very many rows. The shared recordset is released
// first and stays empty. Throws like OpenRecordset.
void StreamRecords(const QString& sql, const std::function<void(const Recordset&)>& body);
// Walks the shared recordset's rows as every reader does (Recordset's ForEachRow). The body
// must not run another query, which would replace the rows being walked: that throws.
void ForEachRecord(const std::function<void(const Recordset&)>& body);

// Whether the database holds a table of this name (compared without regard to case); leaves
// the shared recordset alone. Throws DatabaseError when the catalogue cannot be read.
bool TableExists(const QString& name);
// Whether CREATE and DROP TABLE take part in a unit of work. MariaDB commits by itself before
// and after either, so a unit that makes or drops a table does that step outside and undoes it
// by hand.
bool TableChangesJoinUnitOfWork();

// One user action that writes several rows runs in one transaction: all or nothing.
void BeginTrans();
void CommitTrans();
void RollbackTrans();
bool InTransaction();

// Runs `work` as one unit of work and commits it when it answers true. When the server gives
// up on it because another front desk's work stood in its way (a deadlock or a lock that
// never came), it is rolled back and run again; after the last attempt that failure is
// reported as its statement's failure. Inside an outer unit of work it only joins that one.
bool RunInTransaction(const std::function<bool()>& work);

} // namespace theDBworks

// A scoped unit of work: rolled back unless committed. Nested scopes join the outer one.
class DBTransaction final {
    Q_DISABLE_COPY_MOVE(DBTransaction)

public:
    DBTransaction();
    ~DBTransaction();
    void Commit();

private:
    bool owner_ = false;
    bool finished_ = false;
};
