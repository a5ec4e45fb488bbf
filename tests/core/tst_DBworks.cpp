#include "core/ErrorReport.h"
#include "core/Load_frms.h"
#include "core/SqlLiteral.h"
#include "core/frmErrorReport.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "tests/support/AdminStatements.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/WindowChecks.h"

#include <QApplication>
#include <QTest>

#include <functional>

using TestSupport::Backend;
using TestSupport::ProbeInsertStatement;
using ExecuteOperation = std::function<bool(const QString&)>;
Q_DECLARE_METATYPE(ExecuteOperation)

namespace {
// A lost connection opens the database locate tool, modal, and nothing else.
bool locateToolOpenedOnce() {
    return Dialogs::Testing::Record().size() == 1 &&
           TestSupport::TimesOpenedModal(QStringLiteral("frmDBLocateTool")) == 1;
}
} // namespace

// The shared connection: the execute operations, the recordset, and transactions.
class TestDBworks : public TestSupport::DatabaseTest {
    Q_OBJECT

    void initTest() override { VERIFY_RAN(db->Run(TestSupport::ProbeTableStatement())); }

private slots:
    void executeOperationsRunTheirStatements() {
        QVERIFY(theDBworks::ExecuteInsertSQL(ProbeInsertStatement("first")));
        QCOMPARE(LastSQL, ProbeInsertStatement("first"));
        QVERIFY(theDBworks::ExecuteUpdateSQL(QStringLiteral("UPDATE tbl_probe SET Note = 'x'")));
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

    void lostConnectionHandsOverInsteadOfAMessageBox() {
        theDBworks::CloseConnection();
        const QString statement = ProbeInsertStatement("lost");
        QVERIFY(!theDBworks::ExecuteInsertSQL(statement));
        QVERIFY(ErrMsg.startsWith(QStringLiteral("Error Code : DB0003\r\n")));
        QCOMPARE(LastSQL, statement);
        QVERIFY(locateToolOpenedOnce());
        QVERIFY(!frmErrorReport::Instance());
    }

    void serverGoneHandsOver() {
        if (db->Which() != Backend::MariaDB)
            return; // an embedded file cannot go away mid-run
        theDBworks::OpenRecordset(QStringLiteral("SELECT CONNECTION_ID() AS id"));
        const QString id = theDBworks::DBRecordset().Text(QStringLiteral("id"));
        VERIFY_RAN(db->Run(QStringLiteral("KILL ") + id));
        QVERIFY(!theDBworks::ExecuteUpdateSQL(QStringLiteral("UPDATE tbl_Tax SET TaxRate = 1")));
        QVERIFY2(ErrMsg.startsWith(QStringLiteral("Error Code : DB0004\r\n")), qPrintable(ErrMsg));
        QVERIFY(locateToolOpenedOnce());
        QVERIFY(!frmErrorReport::Instance());
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
        QVERIFY(Load_frms::NoUserExists());
        QVERIFY(theDBworks::ExecuteInsertSQL(
            QStringLiteral("INSERT INTO tbl_users (cusername, cpassword) VALUES('admin','AB')")));
        QVERIFY(!Load_frms::NoUserExists());
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
            joined.Commit();
            QVERIFY(theDBworks::InTransaction());
            transaction.Commit();
        }
        QVERIFY(!theDBworks::InTransaction());
        QCOMPARE(db->Count(QStringLiteral("tbl_probe")), 2);
    }

    // Another front desk holds the row: the server gives up waiting, the work is run again.
    void workThatLosesALockIsRunAgain() {
        if (db->Which() != Backend::MariaDB)
            return; // one SQLite writer at a time: its transactions never wait halfway
        VERIFY_RAN(AdminStatements::AddTax("VAT", "10", 1));
        QVERIFY(theDBworks::ExecuteUpdateSQL(
            QStringLiteral("SET SESSION innodb_lock_wait_timeout = 1")));
        const QString otherDesk = QStringLiteral("UPDATE tbl_Tax SET TaxRate = 11");
        const QString ours = QStringLiteral("UPDATE tbl_Tax SET TaxRate = 12");
        VERIFY_RAN(db->Run(QStringLiteral("START TRANSACTION")));
        VERIFY_RAN(db->Run(otherDesk));
        int attempts = 0;
        QVERIFY(theDBworks::RunInTransaction([&] {
            if (++attempts == 2)
                db->Run(QStringLiteral("COMMIT"));
            return theDBworks::ExecuteUpdateSQL(ours);
        }));
        QCOMPARE(attempts, 2);
        VERIFY_NOTHING_SHOWN();
        QCOMPARE(db->Query(QStringLiteral("SELECT TaxRate FROM tbl_Tax")).Fields(0).toDouble(),
                 12.0);

        VERIFY_RAN(db->Run(QStringLiteral("START TRANSACTION")));
        VERIFY_RAN(db->Run(otherDesk));
        attempts = 0;
        QVERIFY(!theDBworks::RunInTransaction([&] {
            ++attempts;
            return theDBworks::ExecuteUpdateSQL(ours);
        }));
        QVERIFY(attempts > 1);
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : DB0004"));
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
        QVERIFY(!theDBworks::InTransaction());
        db->Run(QStringLiteral("ROLLBACK"));
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
        QVERIFY(theDBworks::ExecuteInsertSQL(
            QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values(") +
            SqlLiteral::Text(text) + QStringLiteral(", 'u', 'Bookings')")));
        theDBworks::OpenRecordset(
            QStringLiteral("SELECT LogText FROM tbl_logTable WHERE LogText = ") +
            SqlLiteral::Text(text));
        QCOMPARE(theDBworks::DBRecordset().RecordCount(), 1);
        QCOMPARE(theDBworks::DBRecordset().Text(QStringLiteral("LogText")), text);
    }
};

STAYMARK_TEST_MAIN(TestDBworks)
#include "tst_DBworks.moc"
