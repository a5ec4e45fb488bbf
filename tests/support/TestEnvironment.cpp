#include "tests/support/TestEnvironment.h"

#include "core/AppPaths.h"
#include "core/CCrypto.h"
#include "core/CIniFile.h"
#include "core/Clock.h"
#include "core/ErrorReport.h"
#include "core/Errors.h"
#include "core/GlobalLogin.h"
#include "core/SqlDialect.h"
#include "core/SqlLiteral.h"
#include "core/SqlScript.h"
#include "core/theDBworks.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>

#include <utility>

#include <atomic>

namespace TestSupport {

namespace {

QString env(const char* name, const QString& fallback = {}) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

QString schemaFile(const QString& name) {
    return QStringLiteral(STAYMARK_SOURCE_DIR "/schema/") + name;
}

QString uniqueName(const QString& prefix) {
    static std::atomic<int> counter{0};
    return QStringLiteral("%1_%2_%3")
        .arg(prefix)
        .arg(QCoreApplication::applicationPid())
        .arg(++counter);
}

QString serverAddress() {
    return env("STAYMARK_TEST_MYSQL_HOST", QStringLiteral("127.0.0.1"));
}

QString serverPort() {
    return env("STAYMARK_TEST_MYSQL_PORT", QStringLiteral("33071"));
}

// A connection to the test server itself, for making and dropping test databases.
QSqlDatabase openMySql(const QString& connectionName, const QString& databaseName) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), connectionName);
    db.setHostName(serverAddress());
    db.setPort(serverPort().toInt());
    db.setUserName(ServerUser());
    db.setPassword(ServerPassword());
    db.setDatabaseName(databaseName);
    db.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=5"));
    db.open();
    return db;
}

void writeSetting(const QString& key, const QString& value) {
    WriteConfigValue(QStringLiteral("settings"), key, value);
}

DbBackend dialectOf(Backend backend) {
    return backend == Backend::MariaDB ? DbBackend::MySQL : DbBackend::SQLite;
}

QString statementOf(Write write) {
    switch (write) {
    case Write::Insert:
        return QStringLiteral("INSERT");
    case Write::Update:
        return QStringLiteral("UPDATE");
    case Write::Delete:
        return QStringLiteral("DELETE");
    }
    return {};
}

// The base tables, then each further statement; throws at the first that fails.
void loadEmbedded(QSqlDatabase& db, const QStringList& furtherStatements) {
    SqlScript::RunFile(db, schemaFile(QStringLiteral("sqlite.sql")));
    for (const QString& statement : furtherStatements) {
        QSqlQuery query(db);
        if (!query.exec(SqlDialect::Translate(statement, DbBackend::SQLite)))
            throw DatabaseError(query.lastError().text() + QStringLiteral(" (") + statement +
                                QLatin1Char(')'));
    }
}

QString refusalName(const QString& table, Write write) {
    return QStringLiteral("refuse_%1_%2").arg(statementOf(write).toLower(), table);
}

WindowHooks windowHooks;
QStringList reported;

void report(const QString& text) {
    reported.append(text);
}

// Stand in for the failure windows the program installs at start: each records its text.
void recordFailures() {
    InstallErrorReportWindow([] { report(ErrMsg); });
    theDBworks::InstallFailureHandlers({report, [] { report(ErrMsg); },
                                        [] { report(QStringLiteral("record held elsewhere")); },
                                        report, [](bool) {}});
}

} // namespace

QString ServerHost() {
    return serverAddress() + QLatin1Char(':') + serverPort();
}

QString ServerUser() {
    return env("STAYMARK_TEST_MYSQL_USER", QStringLiteral("staymark_test"));
}

QString ServerPassword() {
    return env("STAYMARK_TEST_MYSQL_PASSWORD");
}

Backend CurrentBackend() {
    return env("STAYMARK_TEST_BACKEND") == QLatin1String("mariadb") ? Backend::MariaDB
                                                                    : Backend::SQLite;
}

QString BackendName(Backend backend) {
    return backend == Backend::MariaDB ? QStringLiteral("mariadb") : QStringLiteral("sqlite");
}

void InstallWindowHooks(WindowHooks hooks) {
    windowHooks = std::move(hooks);
}

void PrepareDataProcess() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    recordFailures();
}

bool FinishProcess() {
    return windowHooks.finish ? windowHooks.finish() : true;
}

void CloseLeftWindows() {
    if (windowHooks.sweep)
        windowHooks.sweep();
}

QStringList Reported() {
    return reported;
}

QString LastShown() {
    if (windowHooks.lastShown)
        return windowHooks.lastShown();
    return reported.isEmpty() ? QString() : reported.last();
}

void ResetProgramState() {
    using namespace GlobalLogin;
    IsLoggedIn = false;
    LoggedUserName.clear();
    PrivModifySettings = PrivRoomList = PrivModifyTax = PrivCustomerViewEdit = PrivViewReport = 0;
    OrderSign.clear();
    LoginSucceeded = false;
    ErrMsg.clear();
    LastSQL.clear();
    reported.clear();
    Clock::UseSystemClock();
    if (windowHooks.reset)
        windowHooks.reset();
}

ProgramFolder::ProgramFolder() {
    AppPaths::SetProgramFolder(dir_.path());
}

ProgramFolder::~ProgramFolder() {
    AppPaths::SetProgramFolder(QString());
}

QString ProgramFolder::ConfigIni() const {
    return dir_.path() + QStringLiteral("/config.ini");
}

TestDatabase::TestDatabase(Backend backend)
    : backend_(backend) {
    ResetProgramState();
    error_ = setUp();
    if (error_.isEmpty()) {
        try {
            theDBworks::OpenConnection();
        } catch (const std::exception& e) {
            error_ = QStringLiteral("theDBworks cannot connect: ") + DescriptionOf(e);
        }
    }
}

TestDatabase::~TestDatabase() {
    theDBworks::CloseRecordset();
    theDBworks::CloseConnection();
    if (own_.isValid())
        own_.close();
    own_ = QSqlDatabase();
    if (!ownConnectionName_.isEmpty())
        QSqlDatabase::removeDatabase(ownConnectionName_);
    if (!mysqlDatabase_.isEmpty()) {
        const QString admin = uniqueName(QStringLiteral("drop"));
        {
            QSqlDatabase db = openMySql(admin, QString());
            QSqlQuery(db).exec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(mysqlDatabase_));
            db.close();
        }
        QSqlDatabase::removeDatabase(admin);
    }
    ResetProgramState();
}

QString TestDatabase::setUp() {
    if (backend_ == Backend::MariaDB)
        return setUpMariaDb();
    const QString error = MakeEmbeddedDatabase(folder_.Path() + QStringLiteral("/data.db"));
    if (error.isEmpty())
        WriteConfig();
    return error;
}

QString TestDatabase::setUpMariaDb() {
    const QString admin = uniqueName(QStringLiteral("create"));
    QString error;
    mysqlDatabase_ = uniqueName(QStringLiteral("staymark_t"));
    {
        QSqlDatabase db = openMySql(admin, QString());
        if (!db.isOpen()) {
            error = QStringLiteral("No MariaDB server answers at %1 (%2). scripts/test.sh starts "
                                   "one for the tests.")
                        .arg(ServerHost(), db.lastError().text());
            mysqlDatabase_.clear();
        } else if (!QSqlQuery(db).exec(
                       QStringLiteral("CREATE DATABASE `%1`").arg(mysqlDatabase_))) {
            error = db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(admin);
    if (!error.isEmpty())
        return error;
    const QString loader = uniqueName(QStringLiteral("load"));
    {
        QSqlDatabase db = openMySql(loader, mysqlDatabase_);
        try {
            SqlScript::RunFile(db, schemaFile(QStringLiteral("mysql.sql")));
        } catch (const std::exception& e) {
            error = DescriptionOf(e);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(loader);
    if (error.isEmpty())
        WriteConfig();
    return error;
}

void TestDatabase::WriteConfig() const {
    const QString ini = ConfigIni();
    QFile::remove(ini);
    if (backend_ == Backend::SQLite) {
        writeSetting(QStringLiteral("db"), folder_.Path() + QStringLiteral("/data.db"));
        writeSetting(QStringLiteral("UseSQL"), QStringLiteral("0"));
        return;
    }
    writeSetting(QStringLiteral("db"), QString());
    writeSetting(QStringLiteral("dbkey"), QString());
    writeSetting(QStringLiteral("UseSQL"), QStringLiteral("1"));
    writeSetting(QStringLiteral("SQLhost"), ServerHost());
    writeSetting(QStringLiteral("SQLDBname"), mysqlDatabase_);
    writeSetting(QStringLiteral("SQLUserName"), EncryptSecret(ServerUser()));
    writeSetting(QStringLiteral("SQLPassWord"), EncryptSecret(ServerPassword()));
}

void TestDatabase::CloseOwnConnection() {
    if (own_.isValid())
        own_.close();
    own_ = QSqlDatabase();
    if (!ownConnectionName_.isEmpty())
        QSqlDatabase::removeDatabase(std::exchange(ownConnectionName_, QString()));
}

QSqlDatabase& TestDatabase::ownConnection() {
    if (own_.isValid() && own_.isOpen())
        return own_;
    ownConnectionName_ = uniqueName(QStringLiteral("verify"));
    if (backend_ == Backend::MariaDB) {
        own_ = openMySql(ownConnectionName_, mysqlDatabase_);
        QSqlQuery(own_).exec(QStringLiteral("SET SESSION sql_mode = 'NO_BACKSLASH_ESCAPES'"));
    } else {
        own_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ownConnectionName_);
        own_.setDatabaseName(folder_.Path() + QStringLiteral("/data.db"));
        own_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000"));
        own_.open();
    }
    return own_;
}

Recordset TestDatabase::Query(const QString& accessSql) {
    QSqlQuery query(ownConnection());
    query.setForwardOnly(true);
    if (!query.exec(SqlDialect::Translate(accessSql, dialectOf(backend_))))
        qWarning("test query failed: %s (%s)", qUtf8Printable(accessSql),
                 qUtf8Printable(query.lastError().text()));
    return Recordset::FromQuery(query);
}

QString TestDatabase::Run(const QString& accessSql) {
    return runNative(SqlDialect::Translate(accessSql, dialectOf(backend_)));
}

QString TestDatabase::runNative(const QString& sql) {
    QSqlQuery query(ownConnection());
    if (query.exec(sql))
        return {};
    qWarning("test statement failed: %s (%s)", qUtf8Printable(sql),
             qUtf8Printable(query.lastError().text()));
    return query.lastError().text() + QStringLiteral(" (") + sql + QLatin1Char(')');
}

int TestDatabase::Count(const QString& table, const QString& where) {
    Recordset rows = Query(QStringLiteral("SELECT COUNT(*) AS n FROM ") + table +
                           (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where));
    return rows.AtEOF() ? -1 : rows.Fields(0).toInt();
}

QString TestDatabase::AddUser(const QString& name, const QString& password, const QString& flags) {
    return Run(QStringLiteral("INSERT INTO tbl_users (cusername, cpassword, cmodifysettings, "
                              "croomlist, cmodifytax, canViewReport, ccustomerviewedit) VALUES (") +
               SqlLiteral::Text(name) + QLatin1Char(',') +
               SqlLiteral::Text(GlobalLogin::EncryptPassword(password)) + QLatin1Char(',') + flags +
               QLatin1Char(')'));
}

// A trigger that signals as the server signals a statement it refuses.
QString TestDatabase::RefuseWrites(const QString& table, Write write) {
    const QString name = refusalName(table, write);
    const QString statement = statementOf(write);
    if (backend_ == Backend::SQLite)
        return runNative(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 BEGIN SELECT "
                                        "RAISE(ABORT, 'refused by the test'); END")
                             .arg(name, statement, table));
    return runNative(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW SIGNAL "
                                    "SQLSTATE '45000' SET MESSAGE_TEXT = 'refused by the test'")
                         .arg(name, statement, table));
}

QString TestDatabase::AllowWrites(const QString& table, Write write) {
    return runNative(QStringLiteral("DROP TRIGGER ") + refusalName(table, write));
}

QString MakeEmbeddedDatabase(const QString& path, const QStringList& furtherStatements) {
    const QString name = uniqueName(QStringLiteral("schema"));
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            error = db.lastError().text();
        else
            try {
                loadEmbedded(db, furtherStatements);
            } catch (const std::exception& e) {
                error = DescriptionOf(e);
            }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

QString ProbeTableStatement() {
    return QStringLiteral(
        "CREATE TABLE tbl_probe ( ID AUTOINCREMENT PRIMARY KEY, Note VARCHAR(50) NULL)");
}

QString ProbeInsertStatement(const QString& note) {
    return QStringLiteral("INSERT INTO tbl_probe (Note) values(") + SqlLiteral::Text(note) +
           QLatin1Char(')');
}

} // namespace TestSupport
