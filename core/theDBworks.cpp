#include "core/theDBworks.h"

#include "core/AppPaths.h"
#include "core/CIniFile.h"
#include "core/ErrorReport.h"
#include "core/SqlLiteral.h"
#include "core/ui/CCrypto.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <memory>

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

const QString kConnectionName = QStringLiteral("staymark");
const QString kNotOpen = QStringLiteral("Operation is not allowed when the object is closed.");
constexpr int kSqliteBusyTimeoutMs = 15000;
constexpr int kMySqlConnectTimeoutS = 10;

DbBackend currentBackend = DbBackend::SQLite;
theDBworks::FailureHandlers failureHandlers;
bool transactionOpen = false;

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

QString readSetting(const QString& key) {
    return ReadConfigValue(QStringLiteral("settings"), key);
}

QSqlDatabase database() {
    return QSqlDatabase::contains(kConnectionName) ? QSqlDatabase::database(kConnectionName, false)
                                                   : QSqlDatabase();
}

QString describe(const QSqlError& error) {
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

// A failure of the connection itself, not of the statement that was sent on it. The SQLite
// driver marks every failed step as a connection error, so only its result codes tell.
bool isConnectionFailure(const QSqlError& error) {
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric);
    if (currentBackend == DbBackend::MySQL) {
        if (error.type() == QSqlError::ConnectionError)
            return true;
        // Client errors (server gone, connection lost), a killed connection, a shutdown.
        return numeric &&
               ((code >= 2000 && code < 3000) || code == 1053 || code == 1927 || code == 4031);
    }
    // The file itself: an I/O error, a corrupt file, one that cannot be opened or is none.
    const int primary = code & 0xff;
    return numeric && (primary == 10 || primary == 11 || primary == 14 || primary == 26);
}

// The user can point the program at the database again; while the tool is open, a further
// failure only updates the error text.
void handOverConnectionFailure(const QString& code, const QString& description) {
    ErrMsg = ErrorText(code, description);
    if (failureHandlers.connectionFailed)
        failureHandlers.connectionFailed();
}

void runSetup(QSqlDatabase& db, const QString& statement) {
    QSqlQuery query(db);
    if (!query.exec(statement)) {
        const QString description = describe(query.lastError());
        db.close();
        throw DatabaseError(description);
    }
}

void openSqlite(const QString& path) {
    // Opening a missing file would make an empty database; the hotel's data are elsewhere.
    if (!QFileInfo(path).isFile())
        throw DatabaseError(QStringLiteral("Could not find file '%1'.").arg(path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kSqliteBusyTimeoutMs));
    if (!db.open())
        throw DatabaseError(describe(db.lastError()));
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
    // Quotes are the only escape in a text literal, as in the Access dialect.
    runSetup(db, QStringLiteral("SET SESSION sql_mode = 'STRICT_TRANS_TABLES,NO_BACKSLASH_ESCAPES,"
                                "NO_ENGINE_SUBSTITUTION,ERROR_FOR_DIVISION_BY_ZERO'"));
    // Defaults such as a log row's date and time are this front desk's local time.
    runSetup(db, QStringLiteral("SET time_zone = '%1'").arg(localUtcOffset()));
}

// A unique key that another row already holds.
bool isKeyTaken(const QSqlError& error) {
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric);
    if (currentBackend == DbBackend::MySQL)
        return numeric && code == 1062;
    const QString text = error.databaseText();
    return numeric && (code & 0xff) == 19 &&
           (text.contains(QLatin1String("UNIQUE")) || text.contains(QLatin1String("PRIMARY KEY")));
}

constexpr int kConflictAttempts = 4;

// Work that lost to another front desk's: a deadlock, or a lock that was waited for in vain.
// Raised only inside a unit of work, whose owner runs it again.
class TransactionConflict final : public DatabaseError {
public:
    TransactionConflict(QString code, const QString& description)
        : DatabaseError(description)
        , code_(std::move(code)) {}
    const QString& Code() const { return code_; }

private:
    QString code_;
};

bool isConflict(const QSqlError& error) {
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric);
    if (!numeric)
        return false;
    if (currentBackend == DbBackend::MySQL)
        return code == 1213 || code == 1205;
    return (code & 0xff) == 5 || (code & 0xff) == 6;
}

void showRefusal(const QString& code, const QString& description) {
    ErrMsg = QStringLiteral("Error Code : ") + code;
    if (failureHandlers.statementRefused)
        failureHandlers.statementRefused(ErrMsg + kLineBreak + description);
}

struct StatementResult {
    bool ran = false;
    bool connectionOpen = true;
    QSqlError error;
};

// Runs one statement and lets go of the connection before anyone reacts to the result: the
// database locate tool may reconnect.
StatementResult runStatement(const QString& sql) {
    QSqlDatabase db = database();
    if (!db.isOpen())
        return {false, false, {}};
    QSqlQuery query(db);
    if (query.exec(SqlDialect::Translate(sql, currentBackend)))
        return {true, true, {}};
    return {false, true, query.lastError()};
}

theDBworks::InsertOutcome execute(const QString& sql, const QString& code, bool keyTakenIsQuiet) {
    using theDBworks::InsertOutcome;
    LastSQL = sql;
    const StatementResult result = runStatement(sql);
    if (result.ran)
        return InsertOutcome::Ran;
    if (!result.connectionOpen) {
        handOverConnectionFailure(code, kNotOpen);
        return InsertOutcome::Failed;
    }
    if (keyTakenIsQuiet && isKeyTaken(result.error))
        return InsertOutcome::KeyTaken;
    if (transactionOpen && isConflict(result.error))
        throw TransactionConflict(code, describe(result.error));
    if (isConnectionFailure(result.error)) {
        handOverConnectionFailure(code, describe(result.error));
        return InsertOutcome::Failed;
    }
    showRefusal(code, describe(result.error));
    return InsertOutcome::Failed;
}

bool execute(const QString& sql, const QString& code) {
    return execute(sql, code, false) == theDBworks::InsertOutcome::Ran;
}

void runControl(const QString& statement) {
    QSqlDatabase db = database();
    if (!db.isOpen())
        throw DatabaseError(kNotOpen);
    QSqlQuery query(db);
    if (!query.exec(statement))
        throw DatabaseError(describe(query.lastError()));
}

// A query's first step: the shared recordset released, the statement recorded and run.
QSqlQuery runQuery(const QString& sql) {
    replaceRecordset(Recordset());
    LastSQL = sql;
    QSqlDatabase db = database();
    if (!db.isOpen())
        throw DatabaseError(kNotOpen);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(SqlDialect::Translate(sql, currentBackend)))
        throw DatabaseError(describe(query.lastError()));
    return query;
}

} // namespace

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
    const QString db = readSetting(QStringLiteral("db"));
    const QString key = readSetting(QStringLiteral("dbkey"));
    DBKey = key.isEmpty() ? DefaultDatabaseKey() : DecryptSecret(key);
    // A missing or non-numeric value means the embedded database.
    UseSQLFlag = readSetting(QStringLiteral("useSQL")).trimmed().toInt();
    SQLServerHost = readSetting(QStringLiteral("SQLhost"));
    SQLDatabaseName = readSetting(QStringLiteral("SQLDBname"));
    const QString user = readSetting(QStringLiteral("SQLUserName"));
    if (!user.isEmpty())
        SQLLoginName = DecryptSecret(user);
    const QString password = readSetting(QStringLiteral("SQLPassWord"));
    if (!password.isEmpty())
        SQLLoginPassword = DecryptSecret(password);
    return db;
}

QString GetDBKey() {
    const QString key = readSetting(QStringLiteral("dbkey"));
    return key.isEmpty() ? QString() : DecryptSecret(key);
}

void OpenConnection() {
    DBPath = ReadDBConfig();
    CloseConnection();
    if (UseSQLFlag != 1) {
        const QString key = GetDBKey();
        DBKey = key.isEmpty() ? DefaultDatabaseKey() : key;
        if (DBPath.isEmpty())
            DBPath = DefaultDatabasePath();
        currentBackend = DbBackend::SQLite;
        openSqlite(DBPath);
    } else {
        currentBackend = DbBackend::MySQL;
        openMySql();
    }
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
    QSqlQuery query = runQuery(sql);
    currentRecordset() = Recordset::FromQuery(query);
}

void StreamRecords(const QString& sql, const std::function<void(const Recordset&)>& body) {
    QSqlQuery query = runQuery(sql);
    Recordset::Stream(query, body);
}

void ForEachRecord(const std::function<void(const Recordset&)>& body) {
    const quint64 walked = recordsetGeneration;
    ForEachRow(currentRecordset(), [&](const Recordset& row) {
        body(row);
        if (recordsetGeneration != walked)
            throw StaymarkError(QStringLiteral("The rows being read were replaced by another "
                                               "query"));
    });
}

bool TableExists(const QString& name) {
    QSqlDatabase db = database();
    if (!db.isOpen())
        throw DatabaseError(kNotOpen);
    QSqlQuery query(db);
    const QString statement =
        currentBackend == DbBackend::SQLite
            ? QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                             "name = %1 COLLATE NOCASE")
            : QStringLiteral("SELECT table_name FROM information_schema.tables WHERE "
                             "table_schema = DATABASE() AND LOWER(table_name) = LOWER(%1)");
    if (!query.exec(statement.arg(SqlLiteral::Text(name))))
        throw DatabaseError(describe(query.lastError()));
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
    runControl(currentBackend == DbBackend::SQLite ? QStringLiteral("BEGIN IMMEDIATE")
                                                   : QStringLiteral("START TRANSACTION"));
    transactionOpen = true;
}

void CommitTrans() {
    runControl(QStringLiteral("COMMIT"));
    transactionOpen = false;
}

void RollbackTrans() {
    transactionOpen = false;
    runControl(QStringLiteral("ROLLBACK"));
}

bool InTransaction() {
    return transactionOpen;
}

bool RunInTransaction(const std::function<bool()>& work) {
    if (transactionOpen)
        return work();
    for (int attempt = 1;; ++attempt) {
        try {
            DBTransaction transaction;
            if (!work())
                return false;
            transaction.Commit();
            return true;
        } catch (const TransactionConflict& conflict) {
            if (attempt == kConflictAttempts) {
                showRefusal(conflict.Code(), conflict.Description());
                return false;
            }
        }
    }
}

} // namespace theDBworks

DBTransaction::DBTransaction() {
    if (theDBworks::InTransaction())
        return;
    theDBworks::BeginTrans();
    owner_ = true;
}

DBTransaction::~DBTransaction() {
    if (owner_ && !finished_)
        IgnoreErrors([] { theDBworks::RollbackTrans(); });
}

void DBTransaction::Commit() {
    if (!owner_ || finished_)
        return;
    theDBworks::CommitTrans();
    finished_ = true;
}
