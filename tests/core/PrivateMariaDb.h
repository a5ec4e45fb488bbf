#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A MariaDB server of the test's own, on its own data folder and port, that the test can kill
// and start again, as a server that goes away under a front desk.
class PrivateMariaDb final {
    Q_DISABLE_COPY_MOVE(PrivateMariaDb)

public:
    explicit PrivateMariaDb(int port);
    ~PrivateMariaDb();

    // Makes the data folder and the tests' user, and starts the server: the empty text, or why
    // it could not.
    QString Start();
    // Ends the server at once, as a crash would.
    void Kill();
    // Starts it again on the same data; the empty text, or why not.
    QString Restart();

    int Port() const { return port_; }

private:
    QString run();
    bool answers();
    QString socket() const;

    int port_;
    QTemporaryDir folder_;
    QProcess server_;
};
