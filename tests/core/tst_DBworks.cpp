#include "core/ErrorReport.h"
#include "core/Load_frms.h"
#include "core/SqlLiteral.h"
#include "core/frmErrorReport.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QTest>

#include <functional>
#include <memory>

using TestSupport::Backend;
using TestSupport::TestDatabase;
using ExecuteOperation = std::function<bool(const QString&)>;
Q_DECLARE_METATYPE(ExecuteOperation)

namespace {
const QString kTax =
    QStringLiteral("INSERT INTO tbl_Tax(TaxName,TaxRate,TaxCat ) values('%1','%2',%3)");

// A lost connection opens the database locate tool, modal, and nothing else.
bool locateToolOpenedOnce() {
    const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
    return shown.size() == 1 && shown.at(0).kind == QLatin1String("modal") &&
           shown.at(0).text == QLatin1String("frmDBLocateTool");
}
} // namespace

// The shared connection: the execute operations, the recordset, and transactions.
class TestDBworks : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;

private slots:
    void init() {
        db = std::make_unique<TestDatabase>();
        QVERIFY2(db->SetupError().isEmpty(), qPrintable(db->SetupError()));
    }
    void cleanup() { db.reset(); }

    void executeOperationsRunTheirStatements() {
        QVERIFY(theDBworks::ExecuteInsertSQL(kTax.arg("VAT", "10", "1")));
        QCOMPARE(LastSQL, kTax.arg("VAT", "10", "1"));
        QVERIFY(theDBworks::ExecuteUpdateSQL(QStringLiteral("UPDATE tbl_Tax SET TaxRate = 12.5")));
        QVERIFY(theDBworks::ExecuteCreateSQL(QStringLiteral(
            "CREATE TABLE [room_9] ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL)")));
        QVERIFY(theDBworks::ExecuteDeleteSQL(QStringLiteral("DROP TABLE [room_9]")));
        QVERIFY(theDBworks::ExecuteDeleteSQL(QStringLiteral("DELETE from tbl_Tax WHERE ID = 1")));
        QCOMPARE(db->Count(QStringLiteral("tbl_Tax")), 0);
        QVERIFY(Dialogs::Testing::Record().isEmpty());
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
        QVERIFY(db->Run(QStringLiteral("INSERT INTO tbl_revenueStats (tDate) values(#2026-12-10#)"))
                    .isEmpty());
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
        QVERIFY(Dialogs::Testing::Record().isEmpty());
        QCOMPARE(theDBworks::ExecuteInsertUnlessKeyTaken(
                     QStringLiteral("INSERT INTO tbl_nothere (a) values(1)")),
                 InsertOutcome::Failed);
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : DB0003"));
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
    }

    void lostConnectionHandsOverInsteadOfAMessageBox() {
        theDBworks::CloseConnection();
        const QString statement = kTax.arg("VAT", "10", "1");
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
        QVERIFY(db->Run(QStringLiteral("KILL ") + id).isEmpty());
        QVERIFY(!theDBworks::ExecuteUpdateSQL(QStringLiteral("UPDATE tbl_Tax SET TaxRate = 1")));
        QVERIFY2(ErrMsg.startsWith(QStringLiteral("Error Code : DB0004\r\n")), qPrintable(ErrMsg));
        QVERIFY(locateToolOpenedOnce());
        QVERIFY(!frmErrorReport::Instance());
    }

    void failingQueryThrowsWithTheStatementAsLastSQL() {
        QVERIFY(theDBworks::ExecuteInsertSQL(kTax.arg("VAT", "10", "1")));
        theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_Tax"));
        QCOMPARE(theDBworks::DBRecordset().RecordCount(), 1);
        const QString bad = QStringLiteral("SELECT * FROM tbl_nothere");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, theDBworks::OpenRecordset(bad));
        QCOMPARE(LastSQL, bad);
        QCOMPARE(theDBworks::DBRecordset().RecordCount(), 0);
    }

    void streamedRowsAreTheOnesAListShows() {
        QVERIFY(theDBworks::ExecuteInsertSQL(kTax.arg("VAT", "10", "1")));
        QVERIFY(theDBworks::ExecuteInsertSQL(kTax.arg("", "5", "1")));
        QVERIFY(theDBworks::ExecuteInsertSQL(kTax.arg("Service", "2.5", "2")));
        theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_Tax"));
        // A row whose first column is empty is no row to show.
        const QString sql = QStringLiteral("SELECT TaxName, TaxCat FROM tbl_Tax ORDER BY ID");
        QStringList streamed;
        theDBworks::StreamRecords(sql, [&](const Recordset& row) {
            streamed << row.Text(QStringLiteral("taxname")) + row.Text(QStringLiteral("TaxCat"));
        });
        QCOMPARE(streamed, (QStringList{"VAT1", "Service2"}));
        QCOMPARE(LastSQL, sql);
        QCOMPARE(theDBworks::DBRecordset().RecordCount(), 0);
        const QString bad = QStringLiteral("SELECT * FROM tbl_nothere");
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 theDBworks::StreamRecords(bad, [](const Recordset&) {}));
        QCOMPARE(LastSQL, bad);
    }

    void recordsetGivesRowsAndFieldsByNameWithoutCase() {
        QVERIFY(theDBworks::ExecuteInsertSQL(kTax.arg("VAT", "10", "1")));
        QVERIFY(theDBworks::ExecuteInsertSQL(kTax.arg("Service", "2.5", "1")));
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
            QVERIFY(theDBworks::ExecuteInsertSQL(kTax.arg("VAT", "10", "1")));
            QVERIFY(theDBworks::ExecuteInsertSQL(kTax.arg("City", "1", "1")));
        }
        QCOMPARE(db->Count(QStringLiteral("tbl_Tax")), 0);
        {
            DBTransaction transaction;
            QVERIFY(theDBworks::ExecuteInsertSQL(kTax.arg("VAT", "10", "1")));
            QVERIFY(!theDBworks::ExecuteInsertSQL(
                QStringLiteral("INSERT INTO tbl_nothere (a) values(1)")));
        }
        QCOMPARE(db->Count(QStringLiteral("tbl_Tax")), 0);
        {
            DBTransaction transaction;
            QVERIFY(theDBworks::ExecuteInsertSQL(kTax.arg("VAT", "10", "1")));
            DBTransaction joined;
            QVERIFY(theDBworks::ExecuteInsertSQL(kTax.arg("City", "1", "1")));
            joined.Commit();
            QVERIFY(theDBworks::InTransaction());
            transaction.Commit();
        }
        QVERIFY(!theDBworks::InTransaction());
        QCOMPARE(db->Count(QStringLiteral("tbl_Tax")), 2);
    }

    // Another front desk holds the row: the server gives up waiting, the work is run again.
    void workThatLosesALockIsRunAgain() {
        if (db->Which() != Backend::MariaDB)
            return; // one SQLite writer at a time: its transactions never wait halfway
        QVERIFY(theDBworks::ExecuteInsertSQL(kTax.arg("VAT", "10", "1")));
        QVERIFY(theDBworks::ExecuteUpdateSQL(
            QStringLiteral("SET SESSION innodb_lock_wait_timeout = 1")));
        const QString otherDesk = QStringLiteral("UPDATE tbl_Tax SET TaxRate = 11");
        const QString ours = QStringLiteral("UPDATE tbl_Tax SET TaxRate = 12");
        QVERIFY(db->Run(QStringLiteral("START TRANSACTION")).isEmpty());
        QVERIFY(db->Run(otherDesk).isEmpty());
        int attempts = 0;
        QVERIFY(theDBworks::RunInTransaction([&] {
            if (++attempts == 2)
                db->Run(QStringLiteral("COMMIT"));
            return theDBworks::ExecuteUpdateSQL(ours);
        }));
        QCOMPARE(attempts, 2);
        QVERIFY(Dialogs::Testing::Record().isEmpty());
        QCOMPARE(db->Query(QStringLiteral("SELECT TaxRate FROM tbl_Tax")).Fields(0).toDouble(),
                 12.0);

        QVERIFY(db->Run(QStringLiteral("START TRANSACTION")).isEmpty());
        QVERIFY(db->Run(otherDesk).isEmpty());
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
