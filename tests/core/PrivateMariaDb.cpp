#include "tests/core/PrivateMariaDb.h"

#include "tests/support/TestEnvironment.h"

#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// mariadbd runs as the user that runs the tests.
QString osUser() {
    const passwd* entry = getpwuid(geteuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QStringLiteral("root");
}

// A port on the loopback address that nothing listens on now, as the system hands it out; 0
// when it hands out none.
int freePort() {
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    if (probe < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    close(probe);
    return port;
}

// The account the tests sign in with, as the shared test server has it.
QString createTestUser() {
    const QString user = TestSupport::ServerUser();
    const QString password = TestSupport::ServerPassword();
    QString sql;
    for (const char* host : {"127.0.0.1", "localhost"})
        sql += QStringLiteral("CREATE USER '%1'@'%3' IDENTIFIED BY '%2'; GRANT ALL PRIVILEGES ON "
                              "*.* TO '%1'@'%3';")
                   .arg(user, password, QLatin1String(host));
    return sql;
}

} // namespace

PrivateMariaDb::PrivateMariaDb() {
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
    port_ = freePort();
    if (port_ == 0)
        return QStringLiteral("no free port for the server");
    QProcess install;
    install.start(QStringLiteral("mariadb-install-db"),
                  {QStringLiteral("--no-defaults"),
                   QStringLiteral("--datadir=") + folder_.filePath(QStringLiteral("data")),
                   QStringLiteral("--user=") + osUser(),
                   // A starting server sweeps the temporary tables it finds in its folder for
                   // them: each server has a folder of its own, or it would sweep another's.
                   QStringLiteral("--tmpdir=") + folder_.path(),
                   QStringLiteral("--auth-root-authentication-method=socket"),
                   QStringLiteral("--skip-test-db")});
    if (!install.waitForFinished(120000) || install.exitCode() != 0)
        return QStringLiteral("mariadb-install-db failed: ") +
               QString::fromLocal8Bit(install.readAllStandardError());
    // The port was free when asked; a client may take it before the server binds it.
    QString error = run();
    for (int retry = 0; !error.isEmpty() && server_.state() == QProcess::NotRunning && retry < 3;
         ++retry) {
        port_ = freePort();
        error = run();
    }
    if (!error.isEmpty())
        return error;
    error = RunAsAdministrator(createTestUser());
    return error.isEmpty() ? QString() : QStringLiteral("the test user was not made: ") + error;
}

QString PrivateMariaDb::RunAsAdministrator(const QString& sql) {
    QProcess client;
    client.start(QStringLiteral("mariadb"),
                 {QStringLiteral("--no-defaults"), QStringLiteral("--socket=") + socket(),
                  QStringLiteral("-uroot"), QStringLiteral("-e"), sql});
    if (!client.waitForFinished(30000) || client.exitCode() != 0)
        return QString::fromLocal8Bit(client.readAllStandardError());
    return {};
}

QString PrivateMariaDb::StartAsTheTestServer() {
    const QString error = Start();
    if (!error.isEmpty())
        return error;
    PointTestsAt(port_);
    return {};
}

void PrivateMariaDb::PointTestsAt(int port) const {
    qputenv("STAYMARK_TEST_BACKEND", "mariadb");
    qputenv("STAYMARK_TEST_MYSQL_HOST", "127.0.0.1");
    qputenv("STAYMARK_TEST_MYSQL_PORT", QByteArray::number(port));
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
                   QStringLiteral("--tmpdir=") + folder_.path(),
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
