#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/SqlLiteral.h"
#include "core/UserStore.h"
#include "core/frmErrorReport.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "tests/core/DatabaseFaults.h"
#include "tests/support/AdminStatements.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/WindowChecks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>

#include <functional>

using DatabaseFaults::OtherDesk;
using TestSupport::Backend;
using TestSupport::ProbeInsertStatement;
using namespace std::chrono_literals;
using ExecuteOperation = std::function<bool(const QString&)>;
Q_DECLARE_METATYPE(ExecuteOperation)

namespace {
const QString kHeldElsewhere = QStringLiteral(
    "Another front desk is using this record, so nothing was saved. Please try again in a moment.");

// The probe row's note, as a statement of the test's own sets it.
QString noteUpdate(const QString& note) {
    return QStringLiteral("UPDATE tbl_probe SET Note = ") + SqlLiteral::Text(note);
}

int locateToolsOpened() {
    return TestSupport::TimesOpenedModal(QStringLiteral("frmDBLocateTool"));
}

enum class Loss { ClosedByTheProgram, KilledByTheServer };
} // namespace
Q_DECLARE_METATYPE(Loss)
Q_DECLARE_METATYPE(std::function<void()>)

// The shared connection: the execute operations, the recordset, and transactions.
class TestDBworks : public TestSupport::DatabaseTest {
    Q_OBJECT

    void initTest() override { VERIFY_RAN(db->Run(TestSupport::ProbeTableStatement())); }

    QString storedNote() {
        return db->Query(QStringLiteral("SELECT Note FROM tbl_probe")).Text(QStringLiteral("Note"));
    }

private slots:
    void executeOperationsRunTheirStatements() {
        QVERIFY(theDBworks::ExecuteInsertSQL(ProbeInsertStatement("first")));
        QCOMPARE(LastSQL, ProbeInsertStatement("first"));
        QVERIFY(theDBworks::ExecuteUpdateSQL(noteUpdate("x")));
        QVERIFY(theDBworks::ExecuteCreateSQL(QStringLiteral(
            "CREATE TABLE [room_9] ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL)")));
        QVERIFY(theDBworks::ExecuteDeleteSQL(QStringLiteral("DROP TABLE [room_9]")));
        QVERIFY(theDBworks::ExecuteDeleteSQL(QStringLiteral("DELETE from tbl_probe WHERE ID = 1")));
        QCOMPARE(db->Count(QStringLiteral("tbl_probe")), 0);
        VERIFY_NOTHING_SHOWN();
    }

    void refusedStatementShowsItsCodeAndDescription_data() {
        QTest::addColumn<ExecuteOperation>("operation");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("statement");
        QTest::newRow("insert into a missing table")
            << ExecuteOperation(theDBworks::ExecuteInsertSQL) << "DB0003"
            << "INSERT INTO tbl_nothere (a) values(1)";
        QTest::newRow("second revenue row of a day")
            << ExecuteOperation(theDBworks::ExecuteInsertSQL) << "DB0003"
            << "INSERT INTO tbl_revenueStats (tDate, tRevenue) values(#2026-12-10#, 1)";
        QTest::newRow("update with a syntax error")
            << ExecuteOperation(theDBworks::ExecuteUpdateSQL) << "DB0004"
            << "UPDATE tbl_Tax SET WHERE";
        QTest::newRow("drop of a missing table")
            << ExecuteOperation(theDBworks::ExecuteDeleteSQL) << "DB0002"
            << "DROP TABLE [room_404]";
        QTest::newRow("create of an existing table")
            << ExecuteOperation(theDBworks::ExecuteCreateSQL) << "DB0005"
            << "CREATE TABLE tbl_Tax ( ID AUTOINCREMENT PRIMARY KEY)";
    }
    void refusedStatementShowsItsCodeAndDescription() {
        QFETCH(ExecuteOperation, operation);
        QFETCH(QString, code);
        QFETCH(QString, statement);
        VERIFY_RAN(
            db->Run(QStringLiteral("INSERT INTO tbl_revenueStats (tDate) values(#2026-12-10#)")));
        QVERIFY(!operation(statement));
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : ") + code);
        QCOMPARE(LastSQL, statement);
        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).icon, Dialogs::Icon::None);
        QCOMPARE(shown.at(0).title, QStringLiteral("Staymark"));
        QVERIFY(shown.at(0).text.startsWith(ErrMsg + QStringLiteral("\r\n")));
        QVERIFY(shown.at(0).text.size() > ErrMsg.size() + 2);
        QVERIFY(!frmErrorReport::Instance());
    }

    void insertMeetingATakenKeyIsQuiet() {
        using theDBworks::InsertOutcome;
        const QString row = QStringLiteral(
            "INSERT INTO tbl_revenueStats (tDate, tRevenue) values(#2026-12-10#, 5)");
        QCOMPARE(theDBworks::ExecuteInsertUnlessKeyTaken(row), InsertOutcome::Ran);
        QCOMPARE(theDBworks::ExecuteInsertUnlessKeyTaken(row), InsertOutcome::KeyTaken);
        VERIFY_NOTHING_SHOWN();
        QCOMPARE(theDBworks::ExecuteInsertUnlessKeyTaken(
                     QStringLiteral("INSERT INTO tbl_nothere (a) values(1)")),
                 InsertOutcome::Failed);
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : DB0003"));
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
    }

    void failingQueryThrowsWithTheStatementAsLastSQL() {
        VERIFY_RAN(AdminStatements::AddTax("VAT", "10", 1));
        theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_Tax"));
        QCOMPARE(theDBworks::DBRecordset().RecordCount(), 1);
        const QString bad = QStringLiteral("SELECT * FROM tbl_nothere");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, theDBworks::OpenRecordset(bad));
        QCOMPARE(LastSQL, bad);
        QCOMPARE(theDBworks::DBRecordset().RecordCount(), 0);
    }

    void walkedRowsAreTheOnesAListShows() {
        VERIFY_RAN(AdminStatements::AddTax("VAT", "10", 1));
        VERIFY_RAN(AdminStatements::AddTax("", "5", 1));
        VERIFY_RAN(AdminStatements::AddTax("Service", "2.5", 2));
        theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_Tax"));
        // A row whose first column is empty is no row to show.
        const QString sql = QStringLiteral("SELECT TaxName, TaxCat FROM tbl_Tax ORDER BY ID");
        QStringList walked;
        theDBworks::WalkRecords(sql, [&](const Recordset& row) {
            walked << row.Text(QStringLiteral("taxname")) + row.Text(QStringLiteral("TaxCat"));
        });
        QCOMPARE(walked, (QStringList{"VAT1", "Service2"}));
        QCOMPARE(LastSQL, sql);
        QCOMPARE(theDBworks::DBRecordset().RecordCount(), 0);
        const QString bad = QStringLiteral("SELECT * FROM tbl_nothere");
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 theDBworks::WalkRecords(bad, [](const Recordset&) {}));
        QCOMPARE(LastSQL, bad);
    }

    void recordsetGivesRowsAndFieldsByNameWithoutCase() {
        VERIFY_RAN(AdminStatements::AddTax("VAT", "10", 1));
        VERIFY_RAN(AdminStatements::AddTax("Service", "2.5", 1));
        theDBworks::OpenRecordset(
            QStringLiteral("SELECT * FROM tbl_tax WHERE TaxCat=1 ORDER BY ID"));
        Recordset& rows = theDBworks::DBRecordset();
        QCOMPARE(rows.RecordCount(), 2);
        rows.MoveFirst();
        QCOMPARE(rows.Text(QStringLiteral("taxName")), QStringLiteral("VAT"));
        QCOMPARE(rows.Fields(QStringLiteral("TAXRATE")).toDouble(), 10.0);
        QVERIFY(!rows.FirstColumnEmpty());
        rows.MoveNext();
        QCOMPARE(rows.Text(QStringLiteral("TaxName")), QStringLiteral("Service"));
        QCOMPARE(rows.Fields(QStringLiteral("taxrate")).toDouble(), 2.5);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, rows.Fields(QStringLiteral("nothere")));
        rows.MoveNext();
        QVERIFY(rows.AtEOF());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, rows.Fields(QStringLiteral("TaxName")));
        theDBworks::CloseRecordset();
        QVERIFY(theDBworks::DBRecordset().AtEOF());
    }

    void noUserExistsUntilTheFirstAccount() {
        QVERIFY(UserStore::NoUserExists());
        VERIFY_RAN(db->AddUser(QStringLiteral("admin"), QStringLiteral("pw"),
                               QStringLiteral("0,0,0,0,0")));
        QVERIFY(!UserStore::NoUserExists());
    }

    void transactionKeepsAllOrNothing() {
        {
            DBTransaction transaction;
            QVERIFY(theDBworks::ExecuteInsertSQL(ProbeInsertStatement("first")));
            QVERIFY(theDBworks::ExecuteInsertSQL(ProbeInsertStatement("second")));
        }
        QCOMPARE(db->Count(QStringLiteral("tbl_probe")), 0);
        {
            DBTransaction transaction;
            QVERIFY(theDBworks::ExecuteInsertSQL(ProbeInsertStatement("first")));
            QVERIFY(!theDBworks::ExecuteInsertSQL(
                QStringLiteral("INSERT INTO tbl_nothere (a) values(1)")));
        }
        QCOMPARE(db->Count(QStringLiteral("tbl_probe")), 0);
        {
            DBTransaction transaction;
            QVERIFY(theDBworks::ExecuteInsertSQL(ProbeInsertStatement("first")));
            DBTransaction joined;
            QVERIFY(theDBworks::ExecuteInsertSQL(ProbeInsertStatement("second")));
            QVERIFY(joined.Commit());
            QVERIFY(theDBworks::InTransaction());
            QVERIFY(transaction.Commit());
        }
        QVERIFY(!theDBworks::InTransaction());
        QCOMPARE(db->Count(QStringLiteral("tbl_probe")), 2);
    }

    void lostConnectionIsOpenedAgainWithoutAWord_data() {
        QTest::addColumn<Loss>("loss");
        QTest::newRow("closed by the program") << Loss::ClosedByTheProgram;
        if (TestSupport::CurrentBackend() == Backend::MariaDB)
            QTest::newRow("killed by the server") << Loss::KilledByTheServer;
    }
    void lostConnectionIsOpenedAgainWithoutAWord() {
        QFETCH(Loss, loss);
        const auto loseTheConnection = [&] {
            if (loss == Loss::ClosedByTheProgram) {
                theDBworks::CloseConnection();
                return;
            }
            theDBworks::OpenRecordset(QStringLiteral("SELECT CONNECTION_ID() AS id"));
            const QString id = theDBworks::DBRecordset().Text(QStringLiteral("id"));
            VERIFY_RAN(db->Run(QStringLiteral("KILL ") + id));
        };
        loseTheConnection();
        QVERIFY(theDBworks::ExecuteInsertSQL(ProbeInsertStatement("first")));
        loseTheConnection();
        theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_probe"));
        QCOMPARE(theDBworks::DBRecordset().RecordCount(), 1);
        loseTheConnection();
        QVERIFY(theDBworks::RunInTransaction(
            [] { return theDBworks::ExecuteInsertSQL(ProbeInsertStatement("second")); }));
        QCOMPARE(db->Count(QStringLiteral("tbl_probe")), 2);
        VERIFY_NOTHING_SHOWN();
    }

    // Only a reconnection that fails hands over to the locate tool, with its cause.
    void connectionThatCannotBeOpenedAgainHandsOver() {
        DatabaseFaults::BreakStoredSettings(db->Which());
        theDBworks::CloseConnection();
        const QString cause = db->Which() == Backend::SQLite ? QStringLiteral("Could not find file")
                                                             : QStringLiteral("Can't connect to");
        const QString statement = ProbeInsertStatement("lost");
        Dialogs::Testing::CloseNextModal();
        QVERIFY(!theDBworks::ExecuteInsertSQL(statement));
        QVERIFY2(ErrMsg.startsWith(QStringLiteral("Error Code : DB0003\r\n") + cause),
                 qPrintable(ErrMsg));
        QCOMPARE(LastSQL, statement);
        QCOMPARE(locateToolsOpened(), 1);

        // A query's handler ends quietly: the tool has told the user already.
        Dialogs::Testing::CloseNextModal();
        Guarded(QStringLiteral("GL0001"),
                [] { theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_probe")); });
        QVERIFY2(ErrMsg.startsWith(cause), qPrintable(ErrMsg));
        QCOMPARE(locateToolsOpened(), 2);

        Dialogs::Testing::CloseNextModal();
        QVERIFY(
            !theDBworks::RunInTransaction([&] { return theDBworks::ExecuteInsertSQL(statement); }));
        QCOMPARE(locateToolsOpened(), 3);
        QCOMPARE(Dialogs::Testing::Record().size(), 3);
        QVERIFY(!frmErrorReport::Instance());
    }

    void failedTransactionStatementIsTheLastSQL_data() {
        QTest::addColumn<std::function<void()>>("operation");
        QTest::addColumn<QString>("statement");
        QTest::newRow("begin") << std::function<void()>(theDBworks::BeginTrans)
                               << (TestSupport::CurrentBackend() == Backend::SQLite
                                       ? "BEGIN IMMEDIATE"
                                       : "START TRANSACTION");
        QTest::newRow("commit") << std::function<void()>(theDBworks::CommitTrans) << "COMMIT";
        QTest::newRow("rollback") << std::function<void()>(theDBworks::RollbackTrans) << "ROLLBACK";
    }
    void failedTransactionStatementIsTheLastSQL() {
        QFETCH(std::function<void()>, operation);
        QFETCH(QString, statement);
        theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_probe"));
        theDBworks::CloseConnection();
        Guarded(QStringLiteral("BOK004"), operation);
        QCOMPARE(LastSQL, statement);
        QVERIFY(frmErrorReport::Instance());
        QVERIFY(frmErrorReport::Instance()->txtError->toPlainText().endsWith(
            QStringLiteral("-----SQL QUERY WAS----\n") + statement));
    }

    // The box waits until the unit has let go of its locks: meanwhile another desk writes.
    void refusalInsideAUnitIsShownAfterTheRollback_data() {
        QTest::addColumn<bool>("workGoesOn");
        QTest::newRow("the work stops at the refusal") << false;
        QTest::newRow("the work goes on and answers true") << true;
    }
    void refusalInsideAUnitIsShownAfterTheRollback() {
        QFETCH(bool, workGoesOn);
        QVERIFY(theDBworks::ExecuteInsertSQL(ProbeInsertStatement("first")));
        VERIFY_RAN(DatabaseFaults::StopWaitingForLocks(*db));
        const QString refused = QStringLiteral("INSERT INTO tbl_nothere (a) values(1)");
        QString otherDesk = QStringLiteral("not run");
        Dialogs::Testing::DuringNextMessage([&] {
            QVERIFY(!theDBworks::InTransaction());
            QCOMPARE(QApplication::overrideCursor(), nullptr);
            otherDesk = db->Run(noteUpdate("other desk"));
        });
        QVERIFY(!theDBworks::RunInTransaction([&] {
            if (!theDBworks::ExecuteUpdateSQL(noteUpdate("ours")))
                return false;
            const bool ran = theDBworks::ExecuteInsertSQL(refused);
            return workGoesOn || ran;
        }));
        QCOMPARE(otherDesk, QString());
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
        QVERIFY(Dialogs::Testing::Record().at(0).text.startsWith(
            QStringLiteral("Error Code : DB0003\r\n")));
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : DB0003"));
        QCOMPARE(LastSQL, refused);
        QCOMPARE(storedNote(), QStringLiteral("other desk"));
    }

    // The session's wait is cut short here, so the first attempt loses the lock for certain.
    void workThatLosesALockIsRunAgainWithinTheBound() {
        QVERIFY(theDBworks::ExecuteInsertSQL(ProbeInsertStatement("first")));
        QVERIFY(theDBworks::ExecuteUpdateSQL(
            db->Which() == Backend::SQLite
                ? QStringLiteral("PRAGMA busy_timeout = 1000")
                : QStringLiteral("SET SESSION innodb_lock_wait_timeout = 1")));
        OtherDesk desk(db->Which());
        const QString held = desk.Hold(noteUpdate("other desk"), 1500ms);
        QVERIFY2(held.isEmpty(), qPrintable(held));
        bool waitingShown = false;
        QVERIFY(theDBworks::RunInTransaction([&] {
            waitingShown = QApplication::overrideCursor() &&
                           QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            return theDBworks::ExecuteUpdateSQL(noteUpdate("ours"));
        }));
        desk.Finish();
        QVERIFY(waitingShown);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        VERIFY_NOTHING_SHOWN();
        QCOMPARE(storedNote(), QStringLiteral("ours"));
    }

    void lockHeldLongerThanTheBoundIsToldOnce_data() {
        QTest::addColumn<bool>("inAUnit");
        QTest::newRow("a unit of work") << true;
        QTest::newRow("a statement of its own") << false;
    }
    void lockHeldLongerThanTheBoundIsToldOnce() {
        QFETCH(bool, inAUnit);
        QVERIFY(theDBworks::ExecuteInsertSQL(ProbeInsertStatement("first")));
        const int bound = theDBworks::LockWaitSeconds();
        QVERIFY(bound >= 1 && bound <= 10);
        OtherDesk desk(db->Which());
        const QString held = desk.Hold(noteUpdate("other desk"), (bound + 3) * 1000ms);
        QVERIFY2(held.isEmpty(), qPrintable(held));
        const QString ours = noteUpdate("ours");
        QElapsedTimer answered;
        answered.start();
        Dialogs::Testing::DuringNextMessage(
            [] { QCOMPARE(QApplication::overrideCursor(), nullptr); });
        QVERIFY(inAUnit ? !theDBworks::RunInTransaction(
                              [&] { return theDBworks::ExecuteUpdateSQL(ours); })
                        : !theDBworks::ExecuteUpdateSQL(ours));
        QVERIFY2(answered.elapsed() < bound * 1000 + 1500,
                 qPrintable(QString::number(answered.elapsed())));
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
        QCOMPARE(Dialogs::Testing::Record().at(0).text, kHeldElsewhere);
        QCOMPARE(Dialogs::Testing::Record().at(0).icon, Dialogs::Icon::Information);
        QVERIFY(!theDBworks::InTransaction());
        desk.Finish();
        QCOMPARE(storedNote(), QStringLiteral("other desk"));
        QVERIFY(theDBworks::ExecuteUpdateSQL(ours));
    }

    void textIsStoredAndReadBackExactly_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("apostrophe") << "O'Brien's room";
        QTest::newRow("backslash") << "C:\\hotel\\n\\'x";
        QTest::newRow("non-ASCII letters") << "Zoë Ångström, Ærøskøbing, 東京";
        QTest::newRow("Access syntax inside text") << "#12/9/2026# [room_1] AUTOINCREMENT MEMO ;--";
    }
    void textIsStoredAndReadBackExactly() {
        QFETCH(QString, text);
        QVERIFY(GlobalLogin::WriteLog(text, QStringLiteral("Bookings"), QStringLiteral("u")));
        theDBworks::OpenRecordset(
            QStringLiteral("SELECT LogText FROM tbl_logTable WHERE LogText = ") +
            SqlLiteral::Text(text));
        QCOMPARE(theDBworks::DBRecordset().RecordCount(), 1);
        QCOMPARE(theDBworks::DBRecordset().Text(QStringLiteral("LogText")), text);
    }
};

STAYMARK_TEST_MAIN(TestDBworks)
#include "tst_DBworks.moc"
