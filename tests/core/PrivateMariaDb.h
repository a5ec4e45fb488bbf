#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A MariaDB server of the test's own, on its own data folder and on a port the system finds
// free, so that runs side by side never meet: the test can kill it and start it again, as a
// server that goes away under a front desk.
class PrivateMariaDb final {
    Q_DISABLE_COPY_MOVE(PrivateMariaDb)

public:
    PrivateMariaDb();
    ~PrivateMariaDb();

    // Makes the data folder and the tests' user, and starts the server: the empty text, or why
    // it could not.
    QString Start();
    // Starts it and points the tests of this run at it, whatever the run asked for.
    QString StartAsTheTestServer();
    // Points the tests of this run at this port of the loopback address, where something
    // passes their connections on to this server.
    void PointTestsAt(int port) const;
    // Ends the server at once, as a crash would.
    void Kill();
    // Starts it again on the same data and port; the empty text, or why not.
    QString Restart();

    // Runs statements as the server's administrator: the empty text, or the client's complaint.
    QString RunAsAdministrator(const QString& sql);

    // The server's process, for a kill from another thread while this one waits on it.
    qint64 ProcessId() const { return server_.processId(); }

    // The port it listens on, once started.
    int Port() const { return port_; }

private:
    QString run();
    bool answers();
    QString socket() const;

    int port_ = 0;
    QTemporaryDir folder_;
    QProcess server_;
};
