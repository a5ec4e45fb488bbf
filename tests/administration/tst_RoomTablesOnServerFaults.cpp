#include "core/CIniFile.h"
#include "core/frmErrorReport.h"
#include "core/theDBworks.h"
#include "tests/administration/AdminWindowFixture.h"
#include "tests/core/DatabaseFaults.h"
#include "tests/core/PrivateMariaDb.h"
#include "tests/core/StatementTrap.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <csignal>
#include <memory>
#include <thread>

using TestSupport::Backend;
using TestSupport::Messages;

namespace {

QStringList storedOnTheServer(const QString& accessSql) {
    QStringList values;
    Recordset rows = DatabaseFaults::QueryOnAFreshConnection(Backend::MariaDB, accessSql);
    ForEachRow(rows, [&](const Recordset& row) { values << row.Fields(0).toString(); });
    return values;
}

QStringList roomTables() {
    QStringList tables = storedOnTheServer(
        QStringLiteral("SELECT table_name FROM information_schema.tables WHERE table_schema = "
                       "DATABASE() AND table_name LIKE 'room!_%' ESCAPE '!'"));
    tables.sort();
    return tables;
}

// Kills the server, as a crash would, once `table` has appeared: the action under test has made
// its table change and waits in its unit of work for the other desk's lock.
class KillWhenTableAppears final {
    Q_DISABLE_COPY_MOVE(KillWhenTableAppears)

public:
    KillWhenTableAppears(QString table, DatabaseFaults::OtherDesk::Settings settings)
        : thread_(&KillWhenTableAppears::run, std::move(table), std::move(settings)) {}
    ~KillWhenTableAppears() { thread_.join(); }

private:
    static void run(QString table, DatabaseFaults::OtherDesk::Settings settings) {
        const QString name = QStringLiteral("server_killer");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
            db.setHostName(settings.host);
            db.setPort(settings.port);
            db.setDatabaseName(settings.database);
            db.setUserName(settings.user);
            db.setPassword(settings.password);
            if (db.open()) {
                QSqlQuery query(db);
                for (int i = 0; i < 200; ++i) {
                    query.exec(QStringLiteral("SELECT 1 FROM information_schema.tables WHERE "
                                              "table_schema = DATABASE() AND table_name = '%1'")
                                   .arg(table));
                    if (query.next())
                        break;
                    std::this_thread::sleep_for(std::chrono::milliseconds(25));
                }
                query.exec(QStringLiteral("SELECT @@pid_file"));
                QFile pidFile(query.next() ? query.value(0).toString() : QString());
                if (pidFile.open(QIODevice::ReadOnly)) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(300));
                    ::kill(pid_t(pidFile.readAll().trimmed().toLongLong()), SIGKILL);
                }
                query = QSqlQuery();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

    std::thread thread_;
};

} // namespace

// Room table changes on a MariaDB server that goes away in the middle of them and comes back:
// the next try of the same action finishes the change and leaves no stray table.
class TestRoomTablesOnServerFaults : public AdminWindowFixture {
    Q_OBJECT

    std::unique_ptr<PrivateMariaDb> server;
    std::unique_ptr<StatementTrap> trap;

    DatabaseFaults::OtherDesk::Settings serverSettings() const {
        DatabaseFaults::OtherDesk::Settings settings;
        settings.backend = Backend::MariaDB;
        settings.host = QStringLiteral("127.0.0.1");
        settings.port = server->Port();
        settings.database =
            ReadConfigValue(QStringLiteral("settings"), QStringLiteral("SQLDBname"));
        settings.user = TestSupport::ServerUser();
        settings.password = TestSupport::ServerPassword();
        return settings;
    }

    // Runs the action while another desk holds the log table, kills the server once the
    // action's table change shows, and brings the server back. The locate tool that the lost
    // server opens is closed as a user would close it; `shown` is all the user met before it.
    void killInTheMiddle(const QString& table, const std::function<void()>& action,
                         const QStringList& shown = {}) {
        DatabaseFaults::OtherDesk desk(Backend::MariaDB);
        VERIFY_RAN(desk.Hold(QStringLiteral("LOCK TABLES tbl_logTable WRITE"),
                             std::chrono::milliseconds(3000)));
        const qsizetype before = Dialogs::Testing::Record().size();
        Dialogs::Testing::CloseNextModal();
        {
            const KillWhenTableAppears killer(table, serverSettings());
            action();
        }
        server->Kill();
        desk.Finish();
        // One failure, one window: the locate tool and nothing beside it.
        QCOMPARE(Messages().mid(before), shown + QStringList{"frmDBLocateTool"});
        const QString error = server->Restart();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        Dialogs::Testing::Reset();
    }

private slots:
    // Every test of this class runs on the server it starts here, whatever the run asks for.
    void initTestCase() {
        server = std::make_unique<PrivateMariaDb>();
        const QString error = server->Start();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        trap = std::make_unique<StatementTrap>(*server);
    }
    void cleanupTestCase() {
        trap.reset();
        server.reset();
    }

    void anAdditionCutShortIsFinishedByTheNextTry() {
        OpenAdmin();
        killInTheMiddle(QStringLiteral("room_104"),
                        [] { AddRoomOnPage("104", "Garden", "Twin Bed", "80"); });
        QCOMPARE(roomTables(), QStringList{"room_104"});
        QVERIFY(storedOnTheServer("SELECT RoomNameID FROM tbl_Rooms").isEmpty());

        AddRoomOnPage("104", "Garden", "Twin Bed", "80");
        QCOMPARE(Messages(), QStringList{"Room 104 Added on the Room List!"});
        QCOMPARE(storedOnTheServer("SELECT RoomNameID FROM tbl_Rooms"), QStringList{"104"});
        QCOMPARE(roomTables(), QStringList{"room_104"});
        QCOMPARE(storedOnTheServer("SELECT LogText FROM tbl_logTable WHERE LogKey = "
                                   "'RoomAddedRemove'"),
                 QStringList{"Added Room -104"});
        QVERIFY(!frmErrorReport::Instance());
    }

    void aRemovalCutShortIsFinishedByTheNextTry() {
        VERIFY_RAN(AddRooms({{"103", "Garden", "Twin Bed", "80"}}));
        OpenAdmin();
        const QString roomKey = storedOnTheServer("SELECT RoomID FROM tbl_Rooms").value(0);
        killInTheMiddle(QStringLiteral("room_103_removed_") + roomKey,
                        [] {
                            Dialogs::Testing::AnswerNextQuestion(true);
                            ChooseFromMenu(Rooms()->listRoomView, Rooms()->AGPopUp1, "103",
                                           "mnuRemoveRoom");
                        },
                        {"Remove Selected Room! Are you Sure?"});
        QCOMPARE(storedOnTheServer("SELECT RoomNameID FROM tbl_Rooms"), QStringList{"103"});

        Dialogs::Testing::AnswerNextQuestion(true);
        ChooseFromMenu(Rooms()->listRoomView, Rooms()->AGPopUp1, "103", "mnuRemoveRoom");
        QCOMPARE(Messages(),
                 (QStringList{"Remove Selected Room! Are you Sure?", "Room 103 Removed!"}));
        QVERIFY(storedOnTheServer("SELECT RoomNameID FROM tbl_Rooms").isEmpty());
        QCOMPARE(roomTables(), QStringList{});
        QCOMPARE(Rooms()->listRoomView->ListItems().Count(), 0);
        QVERIFY(!frmErrorReport::Instance());
    }

    // The server dies at a step of a removal that waits for nothing. The room is said to be
    // removed once its row has gone, and the next start finishes the table either way.
    void aRemovalCutShortIsFinishedAtTheNextStart_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("rooms");
        QTest::addColumn<QStringList>("tables");
        const QString question = QStringLiteral("Remove Selected Room! Are you Sure?");
        QTest::newRow("deleting the room's row")
            << "DELETE from tbl_Rooms" << QStringList{question, "frmDBLocateTool"}
            << QStringList{"103"} << QStringList{"room_103"};
        QTest::newRow("dropping the table set aside")
            << "DROP TABLE `room_103_removed_"
            << QStringList{question, "frmDBLocateTool", "Room 103 Removed!"} << QStringList{}
            << QStringList{};
    }
    void aRemovalCutShortIsFinishedAtTheNextStart() {
        QFETCH(QString, statement);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, rooms);
        QFETCH(QStringList, tables);
        VERIFY_RAN(AddRooms({{"103", "Garden", "Twin Bed", "80"}}));
        OpenAdmin();
        trap->KillServerAt(statement);
        Dialogs::Testing::CloseNextModal();
        Dialogs::Testing::AnswerNextQuestion(true);
        ChooseFromMenu(Rooms()->listRoomView, Rooms()->AGPopUp1, "103", "mnuRemoveRoom");
        QVERIFY(trap->Sprung());
        QCOMPARE(Messages(), shown);
        QVERIFY(!frmErrorReport::Instance());
        server->Kill();
        const QString error = server->Restart();
        QVERIFY2(error.isEmpty(), qPrintable(error));

        StartAgain();
        QCOMPARE(Messages(), shown);
        QCOMPARE(storedOnTheServer("SELECT RoomNameID FROM tbl_Rooms"), rooms);
        QCOMPARE(roomTables(), tables);
    }

    // A table lock stops even a read; the desk is told as for a row lock.
    void aTableLockedAtAnotherDeskIsReportedAsARecordInUse() {
        OpenAdmin();
        DatabaseFaults::OtherDesk desk(Backend::MariaDB);
        VERIFY_RAN(
            desk.Hold(QStringLiteral("LOCK TABLES tbl_Rooms WRITE"),
                      std::chrono::milliseconds(theDBworks::LockWaitSeconds() * 1000 + 2000)));
        AddRoomOnPage("104", "Garden", "Twin Bed", "80");
        desk.Finish();
        QCOMPARE(Messages(), QStringList{"Another front desk is using this record, so nothing was "
                                         "saved. Please try again in a moment."});
        QVERIFY(!frmErrorReport::Instance());
        QVERIFY(storedOnTheServer("SELECT RoomNameID FROM tbl_Rooms").isEmpty());
        QCOMPARE(roomTables(), QStringList{});
    }
};

STAYMARK_TEST_MAIN(TestRoomTablesOnServerFaults)
#include "tst_RoomTablesOnServerFaults.moc"
