#include "core/theDBworks.h"

#include "core/AppPaths.h"
#include "core/CCrypto.h"
#include "core/DBworksInternal.h"
#include "core/DatabaseErrorCodes.h"
#include "core/ErrorReport.h"
#include "core/Settings.h"
#include "core/SqlLiteral.h"
#include "core/SqliteFileLocks.h"
#include "core/SqliteLike.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <optional>

#include <sqlite3.h>

#include <unistd.h>

namespace theDBworks {

int UseSQLFlag = 0;
QString DBPath;
QString DBKey;
QString SQLServerHost;
QString SQLDatabaseName;
QString SQLLoginName;
QString SQLLoginPassword;

} // namespace theDBworks

namespace {

using theDBworks::Internal::ConnectionLost;
using theDBworks::Internal::TransactionConflict;

const QString kConnectionName = QStringLiteral("staymark");
// The statements that make, change, lock or remove a table: on a server, each needs a right
// of its own beyond reading and writing rows.
const QStringList kTableChanges = {QStringLiteral("CREATE "), QStringLiteral("DROP "),
                                   QStringLiteral("ALTER "), QStringLiteral("LOCK TABLES ")};
const QString kNotOpen = QStringLiteral("Operation is not allowed when the object is closed.");
// A booking or an order holds its locks for milliseconds; a desk that waits longer than this
// meets a desk that is stuck, and the receptionist is better told than left waiting.
constexpr int kLockWaitSeconds = 5;
constexpr int kMySqlConnectTimeoutS = 10;

DbBackend currentBackend = DbBackend::SQLite;
theDBworks::FailureHandlers failureHandlers;
bool transactionOpen = false;
bool readOnlyFile = false;
int sessionLockWaitS = kLockWaitSeconds;
std::optional<QDeadlineTimer> unitLockClock;

struct Refusal {
    QString code;
    QString description;
    QString statement;
    // The description is the program's own words, shown without the code.
    bool inWords = false;
};
std::optional<Refusal> pendingRefusal;

Recordset& currentRecordset() {
    static Recordset recordset;
    return recordset;
}

// Counts the replacements of the shared recordset, so a walk over it can tell when a query
// inside the walk took its rows away.
quint64 recordsetGeneration = 0;

void replaceRecordset(Recordset rows) {
    ++recordsetGeneration;
    currentRecordset() = std::move(rows);
}

QSqlDatabase database() {
    return QSqlDatabase::contains(kConnectionName) ? QSqlDatabase::database(kConnectionName, false)
                                                   : QSqlDatabase();
}

int nativeCode(const QSqlError& error) {
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric);
    return numeric ? code : -1;
}

int sqlitePrimary(const QSqlError& error) {
    const int code = nativeCode(error);
    return code < 0 ? -1 : code & SqliteResult::PrimaryCodeMask;
}

QString damagedFileText(const QString& path, const QString& cause) {
    return QStringLiteral("The database file '%1' is damaged and must be restored from a backup "
                          "(%2).")
        .arg(path, cause);
}

QString describe(const QSqlError& error) {
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    // A damaged page met on the way: nothing read from the file can be taken as whole.
    if (currentBackend == DbBackend::SQLite && sqlitePrimary(error) == SqliteResult::Corrupt)
        return damagedFileText(theDBworks::DBPath, text);
    return text;
}

// A failure of the connection itself, not of the statement that was sent on it. The SQLite
// driver marks every failed step as a connection error, so only its result codes tell.
bool isConnectionFailure(const QSqlError& error) {
    if (currentBackend == DbBackend::MySQL) {
        if (error.type() == QSqlError::ConnectionError)
            return true;
        // Client errors (server gone, connection lost), a killed connection, a shutdown.
        const int code = nativeCode(error);
        return (code >= MySqlError::FirstClientError && code <= MySqlError::LastClientError) ||
               code == MySqlError::ServerShutdown || code == MySqlError::ConnectionKilled ||
               code == MySqlError::ClientInteractionTimeout;
    }
    // The file itself: an I/O error, a corrupt file, one that cannot be opened or is none.
    const int primary = sqlitePrimary(error);
    return primary == SqliteResult::IoError || primary == SqliteResult::Corrupt ||
           primary == SqliteResult::CantOpen || primary == SqliteResult::NotADatabase;
}

// Another front desk's work stood in the way: a deadlock, or a lock that never came.
bool isConflict(const QSqlError& error) {
    if (currentBackend == DbBackend::MySQL) {
        const int code = nativeCode(error);
        return code == MySqlError::Deadlock || code == MySqlError::LockWaitTimeout;
    }
    const int primary = sqlitePrimary(error);
    return primary == SqliteResult::Busy || primary == SqliteResult::Locked;
}

// A unique key that another row already holds.
bool isKeyTaken(const QSqlError& error) {
    if (currentBackend == DbBackend::MySQL)
        return nativeCode(error) == MySqlError::DuplicateKey;
    const QString text = error.databaseText();
    return sqlitePrimary(error) == SqliteResult::Constraint &&
           (text.contains(QLatin1String("UNIQUE")) || text.contains(QLatin1String("PRIMARY KEY")));
}

bool isReadOnlyRefusal(const QSqlError& error) {
    return currentBackend == DbBackend::SQLite && sqlitePrimary(error) == SqliteResult::ReadOnly;
}

template <typename... Args, typename Handler> void tell(const Handler& handler, Args&&... args) {
    if (handler)
        handler(std::forward<Args>(args)...);
}

void showRefusal(const Refusal& refusal) {
    ErrMsg = QStringLiteral("Error Code : ") + refusal.code;
    tell(failureHandlers.statementRefused,
         refusal.inWords ? refusal.description : ErrMsg + kLineBreak + refusal.description);
}

// Inside a unit of work the box waits until the unit has let go of its locks; only the first
// refusal counts, the later ones follow from it.
void refuse(const Refusal& refusal) {
    if (!transactionOpen) {
        showRefusal(refusal);
        return;
    }
    if (!pendingRefusal)
        pendingRefusal = refusal;
}

// A table made, changed, locked or removed on a server whose account may not do that.
bool isTableRightsRefusal(const QSqlError& error, const QString& sql) {
    if (currentBackend != DbBackend::MySQL)
        return false;
    const int code = nativeCode(error);
    if (code != MySqlError::TableAccessDenied && code != MySqlError::DatabaseAccessDenied &&
        code != MySqlError::SpecificAccessDenied)
        return false;
    const QString statement = sql.trimmed();
    return std::any_of(kTableChanges.begin(), kTableChanges.end(), [&](const QString& verb) {
        return statement.startsWith(verb, Qt::CaseInsensitive);
    });
}

QString tableRightsText() {
    return QStringLiteral("The server account '%1' may not make, change or remove tables in the "
                          "database '%2', so nothing was saved. Ask the server's administrator to "
                          "grant this account the CREATE, DROP, ALTER and LOCK TABLES rights on "
                          "that database.")
        .arg(theDBworks::SQLLoginName, theDBworks::SQLDatabaseName);
}

void runSetup(QSqlDatabase& db, const QString& statement) {
    QSqlQuery query(db);
    if (!query.exec(statement)) {
        const QString description = describe(query.lastError());
        db.close();
        throw DatabaseError(description);
    }
}

// What the user is told when the file cannot serve as the database.
QString sqliteOpenFailure(const QSqlError& error, const QString& path) {
    switch (sqlitePrimary(error)) {
    case SqliteResult::NotADatabase:
        return QStringLiteral("The file '%1' is not an SQLite database.").arg(path);
    case SqliteResult::Corrupt:
        return describe(error);
    default:
        return QStringLiteral("The database file '%1' cannot be opened (%2).")
            .arg(path, describe(error));
    }
}

bool mayWrite(const QString& path) {
    return access(QFile::encodeName(path).constData(), W_OK) == 0;
}

// SQLite opens a file it may not write for reading only, and says so at the first write; a
// folder it may not write keeps it from making the files a write needs beside the database.
// Only the file system is asked: closing a descriptor of our own on the file would drop every
// lock SQLite holds on it.
bool fileIsReadOnly(const QString& path) {
    return !mayWrite(path) || !mayWrite(QFileInfo(path).absolutePath());
}

// Why the file cannot serve as the program's database: it is none, or it lacks the program's
// tables (an empty file, another program's database); empty when it can.
QString missingTablesCause(QSqlDatabase& db, const QString& path) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return sqliteOpenFailure(query.lastError(), path);
    QStringList missing = SqlDialect::BaseTables();
    while (query.next())
        missing.removeIf([&query](const QString& table) {
            return table.compare(query.value(0).toString(), Qt::CaseInsensitive) == 0;
        });
    if (query.lastError().isValid())
        return sqliteOpenFailure(query.lastError(), path);
    if (missing.isEmpty())
        return {};
    return QStringLiteral("The file '%1' is not a Staymark database: it lacks the table%2 %3.")
        .arg(path, missing.size() > 1 ? QStringLiteral("s") : QString(),
             missing.join(QStringLiteral(", ")));
}

void openSqlite(const QString& path) {
    // A file dialog that reads the file must not take SQLite's locks on it away.
    if (!SqliteFileLocks::Installed())
        qWarning("SQLite's locks on the database file are the process's own: a file dialog that "
                 "reads the file may drop them");
    // Opening a missing file would make an empty database; the hotel's data are elsewhere.
    if (!QFileInfo(path).isFile())
        throw DatabaseError(QStringLiteral("Could not find file '%1'.").arg(path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kLockWaitSeconds * 1000));
    if (!db.open())
        throw DatabaseError(sqliteOpenFailure(db.lastError(), path));
    // A search finds the same customers here as on the server.
    if (!SqliteLike::Install(db)) {
        db.close();
        throw DatabaseError(QStringLiteral("The database file '%1' cannot be opened (its text "
                                           "comparison was refused).")
                                .arg(path));
    }
    // The first read shows whether the file is a database at all, and the program's one; it
    // runs before anything writes to the file, which would make an empty file a database.
    const QString foreign = missingTablesCause(db, path);
    if (!foreign.isEmpty()) {
        db.close();
        throw DatabaseError(foreign);
    }
    readOnlyFile = fileIsReadOnly(path);
    if (readOnlyFile)
        return;
    // Two programs on one file wait for each other; a committed booking survives a crash.
    runSetup(db, QStringLiteral("PRAGMA journal_mode=WAL"));
    runSetup(db, QStringLiteral("PRAGMA synchronous=FULL"));
}

QString localUtcOffset() {
    const int seconds = QDateTime::currentDateTime().offsetFromUtc();
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString mySqlLockWait(int seconds) {
    // Row locks and the table locks of CREATE and DROP alike.
    return QStringLiteral("innodb_lock_wait_timeout = %1, lock_wait_timeout = %1").arg(seconds);
}

void openMySql() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), kConnectionName);
    // "host" or "host:port".
    const QString host = theDBworks::SQLServerHost.trimmed();
    const qsizetype colon = host.lastIndexOf(QLatin1Char(':'));
    bool hasPort = false;
    const int port = colon > 0 ? host.mid(colon + 1).toInt(&hasPort) : 0;
    db.setHostName(hasPort ? host.left(colon) : host);
    if (hasPort)
        db.setPort(port);
    db.setDatabaseName(theDBworks::SQLDatabaseName);
    db.setUserName(theDBworks::SQLLoginName);
    db.setPassword(theDBworks::SQLLoginPassword);
    db.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=%1").arg(kMySqlConnectTimeoutS));
    if (!db.open())
        throw DatabaseError(describe(db.lastError()));
    runSetup(db, QStringLiteral("SET NAMES utf8mb4"));
    // Quotes are the only escape in a text literal, as in the Access dialect; defaults such as
    // a log row's date and time are this front desk's local time.
    runSetup(db, QStringLiteral("SET SESSION sql_mode = 'STRICT_TRANS_TABLES,NO_BACKSLASH_ESCAPES,"
                                "NO_ENGINE_SUBSTITUTION,ERROR_FOR_DIVISION_BY_ZERO', "
                                "time_zone = '%1', %2")
                     .arg(localUtcOffset(), mySqlLockWait(kLockWaitSeconds)));
}

// Whether the file at the database's path is no longer the one the connection has open: it was
// removed, moved away or replaced by another while the program ran.
bool fileMovedAway() {
    if (currentBackend != DbBackend::SQLite)
        return false;
    QSqlDatabase db = database();
    if (!db.isOpen())
        return false;
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    auto* connection = *static_cast<sqlite3* const*>(handle.data());
    int moved = 0;
    return connection &&
           sqlite3_file_control(connection, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK &&
           moved != 0;
}

QString movedAwayText() {
    return QStringLiteral("The database file '%1' was removed, moved or replaced while Staymark "
                          "was using it, so nothing more is saved to it or read from it. Put the "
                          "file back, or choose the database file to use.")
        .arg(theDBworks::DBPath);
}

struct StatementResult {
    bool ran = false;
    bool connectionOpen = true;
    QSqlError error;
    // Set when the connection was lost and could not be opened again: why not.
    QString unreachable;
};

// Runs one statement and lets go of the connection before anyone reacts to the result: the
// database locate tool may reconnect.
StatementResult runStatement(const QString& sql) {
    QSqlDatabase db = database();
    if (!db.isOpen())
        return {false, false, {}, {}};
    QSqlQuery query(db);
    if (query.exec(SqlDialect::Translate(sql, currentBackend)))
        return {true, true, {}, {}};
    return {false, true, query.lastError(), {}};
}

bool lostConnection(const StatementResult& result) {
    return !result.connectionOpen || isConnectionFailure(result.error);
}

QString lostConnectionCause(const StatementResult& result) {
    return result.connectionOpen ? describe(result.error) : kNotOpen;
}

// Outside a unit of work a lost connection is opened again once and the statement sent again;
// inside one, the unit's owner does that for the whole unit.
StatementResult runReconnecting(const QString& sql, const QString& code) {
    StatementResult result = runStatement(sql);
    if (result.ran || !lostConnection(result))
        return result;
    if (transactionOpen)
        throw ConnectionLost(code, lostConnectionCause(result));
    QString cause;
    if (!theDBworks::Internal::Reconnect(cause))
        return {false, false, {}, cause};
    LastSQL = sql;
    return runStatement(sql);
}

// The pointer shows the wait for another desk's lock, and is the user's again before any
// message.
StatementResult runWaiting(const QString& sql, const QString& code) {
    std::optional<theDBworks::Internal::Waiting> waiting;
    if (!transactionOpen)
        waiting.emplace();
    theDBworks::Internal::FitLockWaitToClock();
    LastSQL = sql;
    return runReconnecting(sql, code);
}

theDBworks::InsertOutcome execute(const QString& sql, const QString& code, bool keyTakenIsQuiet) {
    using theDBworks::InsertOutcome;
    // A unit of work looked when it began.
    if (!transactionOpen) {
        LastSQL = sql;
        if (!theDBworks::Internal::DatabaseFileInPlace(code))
            return InsertOutcome::Failed;
    }
    const StatementResult result = runWaiting(sql, code);
    if (result.ran)
        return InsertOutcome::Ran;
    if (!result.connectionOpen) {
        theDBworks::Internal::HandOverConnectionFailure(
            code, result.unreachable.isEmpty() ? kNotOpen : result.unreachable);
        return InsertOutcome::Failed;
    }
    if (keyTakenIsQuiet && isKeyTaken(result.error))
        return InsertOutcome::KeyTaken;
    if (isConflict(result.error)) {
        if (transactionOpen)
            throw TransactionConflict(describe(result.error));
        theDBworks::Internal::ShowRecordHeldElsewhere();
        return InsertOutcome::Failed;
    }
    if (lostConnection(result)) {
        // Opened again, and lost again at once.
        theDBworks::Internal::HandOverConnectionFailure(code, describe(result.error));
        return InsertOutcome::Failed;
    }
    // The user was told when the file opened that it can only be read.
    if (readOnlyFile && isReadOnlyRefusal(result.error))
        return InsertOutcome::Failed;
    if (isTableRightsRefusal(result.error, sql))
        refuse({code, tableRightsText(), sql, true});
    else
        refuse({code, describe(result.error), sql, false});
    return InsertOutcome::Failed;
}

bool execute(const QString& sql, const QString& code) {
    return execute(sql, code, false) == theDBworks::InsertOutcome::Ran;
}

// Runs a query of rows into `query`; a lost connection is opened again once and the query sent
// again. Throws DatabaseError when it fails, with LastSQL holding it.
void runQuery(QSqlQuery& query, const QString& sql) {
    replaceRecordset(Recordset());
    LastSQL = sql;
    if (!transactionOpen && !theDBworks::Internal::DatabaseFileInPlace(QString()))
        throw DatabaseUnreachable(movedAwayText());
    for (bool reconnected = false;; reconnected = true) {
        QSqlError error;
        bool lost = true;
        QString description = kNotOpen;
        {
            // The handle on the connection goes before any reconnection replaces it.
            QSqlDatabase db = database();
            query = QSqlQuery(db);
            query.setForwardOnly(true);
            if (db.isOpen() && query.exec(SqlDialect::Translate(sql, currentBackend)))
                return;
            if (db.isOpen()) {
                error = query.lastError();
                lost = isConnectionFailure(error);
                description = describe(error);
            }
            query = QSqlQuery();
        }
        if (!lost) {
            if (isConflict(error)) {
                if (transactionOpen)
                    throw TransactionConflict(description);
                // A table lock (LOCK TABLES, a table being changed) makes even a read wait.
                theDBworks::Internal::ShowRecordHeldElsewhere();
                throw RecordHeldElsewhere(description);
            }
            throw DatabaseError(description);
        }
        if (transactionOpen)
            throw ConnectionLost(QString(), description);
        QString cause = description;
        if (reconnected || !theDBworks::Internal::Reconnect(cause)) {
            theDBworks::Internal::HandOverConnectionFailure(QString(), cause);
            throw DatabaseUnreachable(cause);
        }
        LastSQL = sql;
    }
}

// Whether a walk ended because the connection went away rather than at the last row; a
// failure of another kind throws. A server that goes away while its rows are read may leave
// the driver with what looks like a statement without rows, so the connection is asked.
bool walkCutShort(const QSqlQuery& query, QString& cause) {
    const QSqlError error = query.lastError();
    if (error.isValid() && !isConnectionFailure(error))
        throw DatabaseError(describe(error));
    if (error.isValid()) {
        cause = describe(error);
        return true;
    }
    if (query.isSelect())
        return false;
    QSqlDatabase db = database();
    QSqlQuery probe(db);
    if (db.isOpen() && probe.exec(QStringLiteral("SELECT 1")))
        return false;
    cause = db.isOpen() ? describe(probe.lastError()) : kNotOpen;
    return true;
}

// The body of a walk, which must leave the rows being walked alone.
std::function<void(const Recordset&)> walkBody(const std::function<void(const Recordset&)>& body) {
    const quint64 walked = recordsetGeneration;
    return [&body, walked](const Recordset& row) {
        body(row);
        if (recordsetGeneration != walked)
            throw StaymarkError(QStringLiteral("The rows being read were replaced by another "
                                               "query"));
    };
}

// Runs the query and hands it to `read`, which reads its rows to the end. When the rows stopped
// coming with the connection (a server gone, a damaged page of the file), the connection is
// opened again once, `startOver` runs and the query again; when that fails too, the user is
// told and it throws DatabaseUnreachable: no reader takes rows cut short for all of them.
void readEveryRow(const QString& sql, const std::function<void(QSqlQuery&)>& read,
                  const std::function<void()>& startOver = {}) {
    for (bool reconnected = false;; reconnected = true) {
        QSqlQuery query;
        runQuery(query, sql);
        if (reconnected && startOver)
            startOver();
        read(query);
        QString cause;
        if (!walkCutShort(query, cause))
            return;
        if (reconnected || !theDBworks::Internal::Reconnect(cause)) {
            theDBworks::Internal::HandOverConnectionFailure(QString(), cause);
            throw DatabaseUnreachable(cause);
        }
        LastSQL = sql;
    }
}

} // namespace

namespace theDBworks::Internal {

void SetTransactionOpen(bool open) {
    transactionOpen = open;
}

void RunControl(const QString& statement) {
    QSqlDatabase db = database();
    QSqlQuery query(db);
    if (db.isOpen() && query.exec(statement))
        return;
    LastSQL = statement;
    if (!db.isOpen())
        throw ConnectionLost(QString(), kNotOpen);
    const QSqlError error = query.lastError();
    if (isConnectionFailure(error))
        throw ConnectionLost(QString(), describe(error));
    if (isConflict(error))
        throw TransactionConflict(describe(error));
    throw DatabaseError(describe(error));
}

bool Reconnect(QString& cause) {
    try {
        theDBworks::OpenConnection();
        return true;
    } catch (const std::exception& error) {
        cause = DescriptionOf(error);
        return false;
    }
}

bool DatabaseFileInPlace(const QString& code) {
    if (!fileMovedAway())
        return true;
    HandOverConnectionFailure(code, movedAwayText());
    return false;
}

void HandOverConnectionFailure(const QString& code, const QString& cause) {
    ErrMsg = code.isEmpty() ? cause : ErrorText(code, cause);
    tell(failureHandlers.connectionFailed);
}

bool RefusalPending() {
    return pendingRefusal.has_value();
}

void ForgetPendingRefusal() {
    pendingRefusal.reset();
}

void ShowPendingRefusal() {
    if (!pendingRefusal)
        return;
    const Refusal refusal = *pendingRefusal;
    pendingRefusal.reset();
    // The rollback ran after it; the report names the statement that was refused.
    LastSQL = refusal.statement;
    showRefusal(refusal);
}

void ShowRecordHeldElsewhere() {
    tell(failureHandlers.recordHeldElsewhere);
}

void StartLockWaitClock(const QDeadlineTimer& deadline) {
    unitLockClock = deadline;
}

void StopLockWaitClock() {
    unitLockClock.reset();
}

bool FitLockWaitToClock() {
    const qint64 leftMs =
        unitLockClock ? unitLockClock->remainingTime() : qint64(kLockWaitSeconds) * 1000;
    const int wanted = int(std::max<qint64>((leftMs + 999) / 1000, 1));
    if (wanted != sessionLockWaitS) {
        // A session that cannot take the setting has gone away: its next statement tells.
        try {
            RunControl(currentBackend == DbBackend::SQLite
                           ? QStringLiteral("PRAGMA busy_timeout = %1").arg(wanted * 1000)
                           : QStringLiteral("SET SESSION ") + mySqlLockWait(wanted));
            sessionLockWaitS = wanted;
        } catch (const DatabaseError&) {
        }
    }
    return leftMs > 0;
}

Waiting::Waiting() {
    tell(failureHandlers.waiting, true);
}

Waiting::~Waiting() {
    tell(failureHandlers.waiting, false);
}

} // namespace theDBworks::Internal

namespace theDBworks {

void InstallFailureHandlers(FailureHandlers handlers) {
    failureHandlers = std::move(handlers);
}

QString DefaultDatabasePath() {
    return AppPaths::ProgramFolder() + QStringLiteral("/data.db");
}

QString DefaultDatabaseKey() {
    return QStringLiteral("513097");
}

QString ReadDBConfig() {
    const Settings::Stored stored;
    const QString db = stored.Get(Settings::DatabasePath);
    const QString key = stored.Get(Settings::DatabaseKey).hex;
    DBKey = key.isEmpty() ? DefaultDatabaseKey() : DecryptSecret(key);
    // A missing or non-numeric value means the embedded database.
    UseSQLFlag = stored.Get(Settings::UseSql);
    SQLServerHost = stored.Get(Settings::ServerHost);
    SQLDatabaseName = stored.Get(Settings::ServerDatabaseName);
    const QString user = stored.Get(Settings::ServerUserName).hex;
    if (!user.isEmpty())
        SQLLoginName = DecryptSecret(user);
    const QString password = stored.Get(Settings::ServerPassword).hex;
    if (!password.isEmpty())
        SQLLoginPassword = DecryptSecret(password);
    return db;
}

QString GetDBKey() {
    const QString key = Settings::Stored().Get(Settings::DatabaseKey).hex;
    return key.isEmpty() ? QString() : DecryptSecret(key);
}

void OpenConnection() {
    CloseConnection();
    // Settings read wrongly would open another database than the hotel's, or none.
    const QString unreadable = Settings::UnreadableSettings();
    if (!unreadable.isEmpty())
        throw DatabaseError(unreadable);
    DBPath = ReadDBConfig();
    sessionLockWaitS = kLockWaitSeconds;
    readOnlyFile = false;
    if (UseSQLFlag != 1) {
        // DBKey holds the stored password as ReadDBConfig just read it, or the default one.
        if (DBPath.isEmpty())
            DBPath = DefaultDatabasePath();
        currentBackend = DbBackend::SQLite;
        openSqlite(DBPath);
        if (readOnlyFile)
            tell(failureHandlers.databaseReadOnly, DBPath);
    } else {
        currentBackend = DbBackend::MySQL;
        openMySql();
    }
}

bool Connect() {
    QString cause;
    if (Internal::Reconnect(cause))
        return true;
    Internal::HandOverConnectionFailure(QString(), cause);
    return false;
}

void CloseConnection() {
    transactionOpen = false;
    if (!QSqlDatabase::contains(kConnectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(kConnectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(kConnectionName);
}

bool IsConnected() {
    return database().isOpen();
}

DbBackend Backend() {
    return currentBackend;
}

bool IsReadOnly() {
    return readOnlyFile && IsConnected();
}

int LockWaitSeconds() {
    return kLockWaitSeconds;
}

bool ExecuteDeleteSQL(const QString& sql) {
    return execute(sql, QStringLiteral("DB0002"));
}
bool ExecuteInsertSQL(const QString& sql) {
    return execute(sql, QStringLiteral("DB0003"));
}
bool ExecuteUpdateSQL(const QString& sql) {
    return execute(sql, QStringLiteral("DB0004"));
}
bool ExecuteCreateSQL(const QString& sql) {
    return execute(sql, QStringLiteral("DB0005"));
}

InsertOutcome ExecuteInsertUnlessKeyTaken(const QString& sql) {
    return execute(sql, QStringLiteral("DB0003"), true);
}

void OpenRecordset(const QString& sql) {
    readEveryRow(sql, [](QSqlQuery& query) { currentRecordset() = Recordset::FromQuery(query); });
}

void ForEachRecord(const std::function<void(const Recordset&)>& body) {
    ForEachRow(currentRecordset(), walkBody(body));
}

void WalkRecords(const QString& sql, const std::function<void(const Recordset&)>& body,
                 const std::function<void()>& startOver) {
    readEveryRow(
        sql, [&body](QSqlQuery& query) { Recordset::Walk(query, walkBody(body)); }, startOver);
}

bool TableExists(const QString& name) {
    const QString statement =
        currentBackend == DbBackend::SQLite
            ? QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                             "name = %1 COLLATE NOCASE")
            : QStringLiteral("SELECT table_name FROM information_schema.tables WHERE "
                             "table_schema = DATABASE() AND LOWER(table_name) = LOWER(%1)");
    // A connection lost under the catalogue takes the road of every other query.
    QSqlQuery query;
    runQuery(query, statement.arg(SqlLiteral::Text(name)));
    return query.next();
}

bool TableChangesJoinUnitOfWork() {
    return currentBackend == DbBackend::SQLite;
}

Recordset& DBRecordset() {
    return currentRecordset();
}

void CloseRecordset() {
    replaceRecordset(Recordset());
}

void BeginTrans() {
    // An immediate transaction takes the write lock at once, so two programs on one SQLite
    // file queue up instead of failing halfway.
    Internal::RunControl(currentBackend == DbBackend::SQLite ? QStringLiteral("BEGIN IMMEDIATE")
                                                             : QStringLiteral("START TRANSACTION"));
    transactionOpen = true;
    pendingRefusal.reset();
}

void CommitTrans() {
    Internal::RunControl(QStringLiteral("COMMIT"));
    transactionOpen = false;
}

void RollbackTrans() {
    transactionOpen = false;
    Internal::RunControl(QStringLiteral("ROLLBACK"));
}

bool InTransaction() {
    return transactionOpen;
}

bool RunAfterTableChange(const std::function<bool()>& change, const std::function<bool()>& work,
                         const std::function<void()>& undo) {
    if (!change())
        return false;
    bool ran = false;
    try {
        ran = RunInTransaction(work);
    } catch (...) {
        undo();
        throw;
    }
    if (!ran)
        undo();
    return ran;
}

} // namespace theDBworks
