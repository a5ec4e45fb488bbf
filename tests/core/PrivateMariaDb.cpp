#include "tests/core/PrivateMariaDb.h"

#include <QThread>

#include <pwd.h>
#include <unistd.h>

namespace {

QString env(const char* name, const char* fallback) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? QString::fromLatin1(fallback) : value;
}

// mariadbd runs as the user that runs the tests.
QString osUser() {
    const passwd* entry = getpwuid(geteuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QStringLiteral("root");
}

// The tests connect as the user scripts/mariadb-test-server.sh makes.
QString createTestUser() {
    const QString user = env("STAYMARK_TEST_MYSQL_USER", "staymark_test");
    const QString password = env("STAYMARK_TEST_MYSQL_PASSWORD", "staymark-test-pw");
    QString sql;
    for (const char* host : {"127.0.0.1", "localhost"})
        sql += QStringLiteral("CREATE USER '%1'@'%3' IDENTIFIED BY '%2'; GRANT ALL PRIVILEGES ON "
                              "*.* TO '%1'@'%3';")
                   .arg(user, password, QLatin1String(host));
    return sql;
}

} // namespace

PrivateMariaDb::PrivateMariaDb(int port)
    : port_(port) {
    server_.setStandardOutputFile(folder_.filePath(QStringLiteral("server.out")));
    server_.setStandardErrorFile(folder_.filePath(QStringLiteral("server.out")), QIODevice::Append);
}

PrivateMariaDb::~PrivateMariaDb() {
    if (server_.state() == QProcess::NotRunning)
        return;
    server_.terminate();
    if (!server_.waitForFinished(20000))
        Kill();
}

QString PrivateMariaDb::socket() const {
    return folder_.filePath(QStringLiteral("mysqld.sock"));
}

QString PrivateMariaDb::Start() {
    if (!folder_.isValid())
        return QStringLiteral("no temporary folder for the server");
    QProcess install;
    install.start(QStringLiteral("mariadb-install-db"),
                  {QStringLiteral("--no-defaults"),
                   QStringLiteral("--datadir=") + folder_.filePath(QStringLiteral("data")),
                   QStringLiteral("--user=") + osUser(),
                   QStringLiteral("--auth-root-authentication-method=socket"),
                   QStringLiteral("--skip-test-db")});
    if (!install.waitForFinished(120000) || install.exitCode() != 0)
        return QStringLiteral("mariadb-install-db failed: ") +
               QString::fromLocal8Bit(install.readAllStandardError());
    const QString error = run();
    if (!error.isEmpty())
        return error;
    QProcess client;
    client.start(QStringLiteral("mariadb"),
                 {QStringLiteral("--no-defaults"), QStringLiteral("--socket=") + socket(),
                  QStringLiteral("-uroot"), QStringLiteral("-e"), createTestUser()});
    if (!client.waitForFinished(30000) || client.exitCode() != 0)
        return QStringLiteral("the test user was not made: ") +
               QString::fromLocal8Bit(client.readAllStandardError());
    return {};
}

void PrivateMariaDb::Kill() {
    server_.kill();
    server_.waitForFinished(20000);
}

QString PrivateMariaDb::Restart() {
    return run();
}

QString PrivateMariaDb::run() {
    server_.start(QStringLiteral("mariadbd"),
                  {QStringLiteral("--no-defaults"),
                   QStringLiteral("--datadir=") + folder_.filePath(QStringLiteral("data")),
                   QStringLiteral("--socket=") + socket(), QStringLiteral("--port=%1").arg(port_),
                   QStringLiteral("--bind-address=127.0.0.1"), QStringLiteral("--user=") + osUser(),
                   QStringLiteral("--log-error=") + folder_.filePath(QStringLiteral("error.log")),
                   QStringLiteral("--pid-file=") + folder_.filePath(QStringLiteral("mysqld.pid"))});
    if (!server_.waitForStarted(20000))
        return QStringLiteral("mariadbd did not start: ") + server_.errorString();
    for (int i = 0; i < 300; ++i) {
        if (answers())
            return {};
        if (server_.state() == QProcess::NotRunning)
            break;
        QThread::msleep(100);
    }
    return QStringLiteral("mariadbd does not answer; see ") +
           folder_.filePath(QStringLiteral("error.log"));
}

bool PrivateMariaDb::answers() {
    QProcess client;
    client.start(QStringLiteral("mariadb"),
                 {QStringLiteral("--no-defaults"), QStringLiteral("--socket=") + socket(),
                  QStringLiteral("-uroot"), QStringLiteral("-e"), QStringLiteral("SELECT 1")});
    return client.waitForFinished(10000) && client.exitCode() == 0;
}
