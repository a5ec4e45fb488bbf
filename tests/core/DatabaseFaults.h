#pragma once

#include "tests/support/TestEnvironment.h"

#include <QString>

#include <chrono>
#include <future>
#include <thread>

// What goes wrong around a front desk: another desk holding a lock, settings that reach no
// database, a second connection that must not wait.
namespace DatabaseFaults {

// Another front desk on the database config.ini names, on a thread and a connection of its
// own: it runs a statement inside a transaction and keeps that transaction, with its locks,
// for a while before it commits, as a desk in the middle of a booking does.
class OtherDesk final {
    Q_DISABLE_COPY_MOVE(OtherDesk)

public:
    explicit OtherDesk(TestSupport::Backend backend);
    ~OtherDesk();
    // Returns once the lock is held: the empty text, or why it could not be taken.
    QString Hold(const QString& accessStatement, std::chrono::milliseconds hold);
    // Until the desk has committed and let go.
    void Finish();

    // How a desk reaches the database config.ini names.
    struct Settings {
        TestSupport::Backend backend;
        QString path, host, database, user, password;
        int port = 0;
    };

private:
    static void run(Settings settings, QString statement, std::chrono::milliseconds hold,
                    std::promise<QString> held);

    Settings settings_;
    std::thread thread_;
};

// A query on a connection opened for it alone, with the settings in config.ini: it reads what
// is stored whatever became of the other connections.
Recordset QueryOnAFreshConnection(TestSupport::Backend backend, const QString& accessSql);

// The same on an embedded database file of the test's choosing.
Recordset QueryFile(const QString& path, const QString& accessSql);

// Stored settings that no reconnection can use: a file that is not there, a port no server
// listens on.
void BreakStoredSettings(TestSupport::Backend backend);

// The test's own connection no longer waits for locks: what it writes goes in at once or not.
QString StopWaitingForLocks(TestSupport::TestDatabase& db);

} // namespace DatabaseFaults
