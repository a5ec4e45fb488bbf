#include "tests/core/DatabaseFaults.h"

#include "core/AppPaths.h"
#include "core/CCrypto.h"
#include "core/CIniFile.h"
#include "core/ErrorReport.h"
#include "core/SqlDialect.h"
#include "core/theDBworks.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <cstdio>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace DatabaseFaults {

namespace {

// The desk's first argument, and its first line once it has connected.
const char kDeskArgument[] = "--desk";
const char kStarted[] = "started\n";

QString setting(const QString& key) {
    return ReadConfigValue(QStringLiteral("settings"), key);
}

void setSetting(const QString& key, const QString& value) {
    WriteConfigValue(QStringLiteral("settings"), key, value);
}

QString connectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("other_desk_%1").arg(++counter);
}

OtherDesk::Settings storedSettings(TestSupport::Backend backend) {
    OtherDesk::Settings settings;
    settings.backend = backend;
    settings.path = setting(QStringLiteral("db"));
    const QString host = setting(QStringLiteral("SQLhost"));
    settings.host = host.section(QLatin1Char(':'), 0, 0);
    settings.port = host.section(QLatin1Char(':'), 1).toInt();
    settings.database = setting(QStringLiteral("SQLDBname"));
    settings.user = DecryptSecret(setting(QStringLiteral("SQLUserName")));
    settings.password = DecryptSecret(setting(QStringLiteral("SQLPassWord")));
    return settings;
}

QSqlDatabase openDesk(const OtherDesk::Settings& settings, const QString& name) {
    const bool sqlite = settings.backend == TestSupport::Backend::SQLite;
    QSqlDatabase db = QSqlDatabase::addDatabase(
        sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QMYSQL"), name);
    if (sqlite) {
        db.setDatabaseName(settings.path);
    } else {
        db.setHostName(settings.host);
        db.setPort(settings.port);
        db.setDatabaseName(settings.database);
        db.setUserName(settings.user);
        db.setPassword(settings.password);
    }
    db.open();
    return db;
}

DbBackend dialectOf(TestSupport::Backend backend) {
    return backend == TestSupport::Backend::SQLite ? DbBackend::SQLite : DbBackend::MySQL;
}

} // namespace

OtherDesk::OtherDesk(TestSupport::Backend backend)
    : settings_(storedSettings(backend)) {}

OtherDesk::~OtherDesk() {
    Finish();
}

QString OtherDesk::Hold(const QString& accessStatement, std::chrono::milliseconds hold) {
    std::promise<QString> held;
    std::future<QString> answer = held.get_future();
    thread_ = std::thread(&OtherDesk::run, settings_, accessStatement, hold, std::move(held));
    return answer.get();
}

void OtherDesk::Finish() {
    if (thread_.joinable())
        thread_.join();
}

void OtherDesk::run(Settings settings, QString statement, std::chrono::milliseconds hold,
                    std::promise<QString> held) {
    const QString name = connectionName();
    {
        const bool sqlite = settings.backend == TestSupport::Backend::SQLite;
        QSqlDatabase db = openDesk(settings, name);
        QSqlQuery query(db);
        const DbBackend dialect = dialectOf(settings.backend);
        if (!db.isOpen() ||
            !query.exec(sqlite ? QStringLiteral("BEGIN IMMEDIATE")
                               : QStringLiteral("START TRANSACTION")) ||
            !query.exec(SqlDialect::Translate(statement, dialect))) {
            held.set_value(QStringLiteral("the other desk cannot take the lock: ") +
                           (db.isOpen() ? query.lastError().text() : db.lastError().text()));
        } else {
            held.set_value(QString());
            std::this_thread::sleep_for(hold);
            query.exec(QStringLiteral("COMMIT"));
        }
        query = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

DeskProcess::DeskProcess(const QStringList& work)
    : work_(work) {}

DeskProcess::~DeskProcess() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished();
    }
}

QString DeskProcess::Start() {
    process_.start(QCoreApplication::applicationFilePath(),
                   QStringList{QString::fromLatin1(kDeskArgument), AppPaths::ProgramFolder()} +
                       work_);
    if (!process_.waitForStarted(10000))
        return QStringLiteral("the other desk did not start: ") + process_.errorString();
    while (!process_.canReadLine())
        if (!process_.waitForReadyRead(30000))
            return QStringLiteral("the other desk did not connect: ") +
                   QString::fromLocal8Bit(process_.readAllStandardError());
    process_.readLine();
    return {};
}

QString DeskProcess::Finish() {
    if (!process_.waitForFinished(120000))
        return QStringLiteral("the other desk did not end");
    const QString errors = QString::fromLocal8Bit(process_.readAllStandardError());
    if (process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0)
        return {};
    return errors.isEmpty() ? QStringLiteral("the other desk failed") : errors;
}

int RunAsDesk(int argc, char* argv[], const std::function<int(const QStringList&)>& work) {
    if (argc < 3 || qstrcmp(argv[1], kDeskArgument) != 0)
        return -1;
    QCoreApplication app(argc, argv);
    TestSupport::PrepareDataProcess();
    AppPaths::SetProgramFolder(QString::fromLocal8Bit(argv[2]));
    if (!theDBworks::Connect()) {
        fprintf(stderr, "the other desk cannot connect: %s\n", qUtf8Printable(ErrMsg));
        return 1;
    }
    fputs(kStarted, stdout);
    fflush(stdout);
    const int done = work(app.arguments().mid(3));
    for (const QString& shown : TestSupport::Reported())
        fprintf(stderr, "%s\n", qUtf8Printable(shown));
    return done;
}

namespace {

Recordset queryOnAFreshConnection(const OtherDesk::Settings& settings, const QString& accessSql) {
    const QString name = connectionName();
    Recordset rows;
    {
        QSqlDatabase db = openDesk(settings, name);
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (query.exec(SqlDialect::Translate(accessSql, dialectOf(settings.backend))))
            rows = Recordset::FromQuery(query);
        else
            qWarning("fresh query failed: %s (%s)", qUtf8Printable(accessSql),
                     qUtf8Printable(query.lastError().text()));
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

} // namespace

Recordset QueryOnAFreshConnection(TestSupport::Backend backend, const QString& accessSql) {
    return queryOnAFreshConnection(storedSettings(backend), accessSql);
}

Recordset QueryFile(const QString& path, const QString& accessSql) {
    OtherDesk::Settings settings{TestSupport::Backend::SQLite, path, {}, {}, {}, {}, 0};
    return queryOnAFreshConnection(settings, accessSql);
}

QString AllowWrites(const QString& path, bool allowed) {
    if (geteuid() != 0)
        return QFile::setPermissions(path, allowed ? QFile::ReadOwner | QFile::WriteOwner
                                                   : QFile::ReadOwner)
                   ? QString()
                   : QStringLiteral("chmod failed");
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY);
    int flags = 0;
    const bool done = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                      (flags = allowed ? flags & ~FS_IMMUTABLE_FL : flags | FS_IMMUTABLE_FL,
                       ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
    if (fd >= 0)
        close(fd);
    return done ? QString() : QStringLiteral("the file cannot be made read-only on this machine");
}

void BreakStoredSettings(TestSupport::Backend backend) {
    if (backend == TestSupport::Backend::SQLite)
        setSetting(QStringLiteral("db"), AppPaths::ProgramFolder() + QStringLiteral("/gone.db"));
    else
        setSetting(QStringLiteral("SQLhost"), QStringLiteral("127.0.0.1:1"));
}

QString StopWaitingForLocks(TestSupport::TestDatabase& db) {
    return db.Run(db.Which() == TestSupport::Backend::SQLite
                      ? QStringLiteral("PRAGMA busy_timeout = 0")
                      : QStringLiteral("SET SESSION innodb_lock_wait_timeout = 0"));
}

} // namespace DatabaseFaults
