#pragma once

#include "tests/support/TestEnvironment.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
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

// Another front desk in a process of its own: this test program started again as a desk (see
// STAYMARK_TEST_MAIN_WITH_DESK) on the database of this test's program folder, running the
// program's own code there.
class DeskProcess final {
    Q_DISABLE_COPY_MOVE(DeskProcess)

public:
    // `work` is handed to the desk's work routine.
    explicit DeskProcess(const QStringList& work);
    ~DeskProcess();
    // Starts the desk and returns once it has connected and begun its work: the empty text, or
    // why it could not.
    QString Start();
    // Until the desk has ended: the empty text, or what it reported as it failed.
    QString Finish();

private:
    QStringList work_;
    QProcess process_;
};

// The desk's side: when this process was started as a desk, connects to the database of the
// folder it was given and returns what `work` returns (0 for work done, and what the data layer
// showed went to stderr); otherwise -1.
int RunAsDesk(int argc, char* argv[], const std::function<int(const QStringList&)>& work);

// A query on a connection opened for it alone, with the settings in config.ini: it reads what
// is stored whatever became of the other connections.
Recordset QueryOnAFreshConnection(TestSupport::Backend backend, const QString& accessSql);

// The same on an embedded database file of the test's choosing.
Recordset QueryFile(const QString& path, const QString& accessSql);

// Stored settings that no reconnection can use: a file that is not there, a port no server
// listens on.
void BreakStoredSettings(TestSupport::Backend backend);

// Whether a file may be written, also for root, whom permissions do not stop: the file is made
// immutable then. The empty text, or why it could not be done.
QString AllowWrites(const QString& path, bool allowed);

// The test's own connection no longer waits for locks: what it writes goes in at once or not.
QString StopWaitingForLocks(TestSupport::TestDatabase& db);

} // namespace DatabaseFaults

// A Qt Test main whose program serves as another front desk too (DatabaseFaults::DeskProcess),
// doing `deskWork` there.
#define STAYMARK_TEST_MAIN_WITH_DESK(TestClass, deskWork)                                          \
    int main(int argc, char* argv[]) {                                                             \
        const int desk = DatabaseFaults::RunAsDesk(argc, argv, deskWork);                          \
        return desk >= 0 ? desk : TestSupport::RunTestMain<TestClass>(argc, argv);                 \
    }
