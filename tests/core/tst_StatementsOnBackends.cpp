#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "tests/support/AdminStatements.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/WindowChecks.h"

#include <QApplication>
#include <QTest>

namespace {

const QString kCustomer = QStringLiteral(
    "INSERT INTO tbl_customers (cTitle,cFirstName,cLastName,cAddress,cPhone, cNoOfAdults, "
    "cNoOfMinors, cCheckInDate, cCheckOutDate, cNoOfDays, cRoomsRate, cTax, cGrandTotal, "
    "cAdvancePaid, cDue, cPaymentMethod, cPaymentMethodDetails, cRoomNameID, cRoomNamePrice, "
    "cAdditionalNote, cUniqueNo, cStatus) values ('Mr.','John','Smith','N/A','0',1,0,#12/10/2026# "
    ", #12/12/2026#,2,160,0,160,0,160,'Cash','Cash','7','$80.00','','JSABCDEF','Confirmed')");

enum Kind { Insert, Update, Delete, Create, Query };

bool runStatement(Kind kind, const QString& sql) {
    switch (kind) {
    case Insert:
        return theDBworks::ExecuteInsertSQL(sql);
    case Update:
        return theDBworks::ExecuteUpdateSQL(sql);
    case Delete:
        return theDBworks::ExecuteDeleteSQL(sql);
    case Create:
        return theDBworks::ExecuteCreateSQL(sql);
    case Query:
        theDBworks::OpenRecordset(sql);
        return true;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Kind)

// Statements the windows send, written in the Access dialect, run for real on each back end.
class TestStatementsOnBackends : public TestSupport::DatabaseTest {
    Q_OBJECT

    // The first value of the check's first row as text; dates as ISO dates.
    QString firstValue(const QString& check) {
        Recordset rows = db->Query(check);
        if (rows.AtEOF())
            return QStringLiteral("<no row>");
        const QVariant value = rows.Fields(0);
        if (value.typeId() == QMetaType::QDateTime || value.typeId() == QMetaType::QDate)
            return value.toDate().toString(Qt::ISODate);
        const QString text = value.toString();
        return QDate::fromString(text.left(10), Qt::ISODate).isValid() ? text.left(10) : text;
    }

    // The statement ran on the back end, without a message, and the check reads what it wrote.
    void runAndCheck(Kind kind, const QString& statement, const QString& check,
                     const QString& expected) {
        QVERIFY(runStatement(kind, statement));
        VERIFY_NOTHING_SHOWN();
        QCOMPARE(firstValue(check), expected);
    }

private slots:
    void statementsWork_data() {
        QTest::addColumn<QStringList>("rooms");
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("expected");

        const QString roomRow = QStringLiteral(
            "INSERT INTO room_7 (RoomNameID, cUniqueID,CheckInDate,CheckOutDate,RoomBookedDate) "
            "values ('7','JSABCDEF',#2026-12-10#,#12/12/2026#,#2026-12-10#)");
        const QStringList room7{QStringLiteral("7")};

        QTest::newRow("booking row with ISO and month/day/year dates")
            << room7 << QStringList() << Insert << roomRow
            << QStringLiteral("SELECT CheckOutDate FROM room_7 WHERE RoomNameID = 7")
            << QStringLiteral("2026-12-12");
        QTest::newRow("drop a bracketed room table")
            << room7 << QStringList{roomRow} << Delete << QStringLiteral("DROP TABLE [room_7]")
            << QStringLiteral("SELECT COUNT(*) FROM tbl_Rooms") << QStringLiteral("1");
        QTest::newRow("create a food-order table")
            << QStringList() << QStringList() << Create
            << QStringLiteral("CREATE TABLE tbl_FoodOrder_91011 ( ID AUTOINCREMENT PRIMARY "
                              "KEY,FoodItem VARCHAR(225) NOT NULL, Price Currency NOT NULL)")
            << QStringLiteral("SELECT COUNT(*) FROM tbl_FoodOrder_91011") << QStringLiteral("0");
        QTest::newRow("customer row with dates")
            << QStringList() << QStringList() << Insert << kCustomer
            << QStringLiteral("SELECT cCheckOutDate FROM tbl_customers WHERE cUniqueNo='JSABCDEF'")
            << QStringLiteral("2026-12-12");
        QTest::newRow("copy to the history with SELECT *")
            << QStringList() << QStringList{kCustomer} << Query
            << QStringLiteral(
                   "INSERT INTO tbl_customers_history SELECT * FROM tbl_customers WHERE ID = 1")
            << QStringLiteral("SELECT ID FROM tbl_customers_history WHERE cUniqueNo = 'JSABCDEF'")
            << QStringLiteral("1");
        QTest::newRow("left join with aliases")
            << QStringList() << QStringList{kCustomer} << Query
            << QStringLiteral("SELECT * FROM tbl_customers as customertbl LEFT JOIN tbl_FoodOrders "
                              "as foodtbl ON  customertbl.cUniqueNo = foodtbl.OrderNo  WHERE "
                              "cUniqueNo = 'JSABCDEF'")
            << QStringLiteral("SELECT COUNT(*) FROM tbl_customers") << QStringLiteral("1");
        QTest::newRow("revenue insert naming its own columns")
            << QStringList() << QStringList() << Insert
            << QStringLiteral("INSERT INTO tbl_revenueStats (tRevenue,tBookingRevenue, tBookings) "
                              "values(160,160,1)")
            << QStringLiteral("SELECT tFoodOrders FROM tbl_revenueStats") << QStringLiteral("0");
        QTest::newRow("revenue update by date literal")
            << QStringList()
            << QStringList{QStringLiteral("INSERT INTO tbl_revenueStats (tDate, tRevenue, "
                                          "tBookingRevenue, tBookings) values(#2026-12-10#,1,1,1)")}
            << Update
            << QStringLiteral("UPDATE tbl_revenueStats SET tRevenue = tRevenue + 99.5,"
                              "tBookingRevenue=tBookingRevenue + 99.5, tBookings = tBookings + 1 "
                              "WHERE tDate = #12/10/2026#")
            << QStringLiteral("SELECT tBookings FROM tbl_revenueStats WHERE tDate =#2026-12-10# ")
            << QStringLiteral("2");
        QTest::newRow("LIKE with two blanks, any letter case")
            << QStringList() << QStringList{kCustomer} << Query
            << QStringLiteral("SELECT * FROM tbl_customers WHERE cUniqueNo LIKE  'jsabcdef' OR "
                              "cFirstName LIKE  'nobody' OR cLastName LIKE  'nobody'")
            << QStringLiteral("SELECT cFirstName FROM tbl_customers WHERE cLastName = 'SMITH'")
            << QStringLiteral("John");
        QTest::newRow("Access syntax inside quoted text is left alone")
            << QStringList() << QStringList() << Insert
            << QStringLiteral(
                   "INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values('#1/2/2020# "
                   "[room_1] AUTOINCREMENT','admin','Bookings')")
            << QStringLiteral("SELECT LogText FROM tbl_logTable")
            << QStringLiteral("#1/2/2020# [room_1] AUTOINCREMENT");
    }
    void statementsWork() {
        QFETCH(QStringList, rooms);
        QFETCH(QStringList, setup);
        QFETCH(Kind, kind);
        QFETCH(QString, statement);
        QFETCH(QString, check);
        QFETCH(QString, expected);
        for (const QString& room : rooms)
            VERIFY_RAN(AdminStatements::AddRoom(room, "Sea view", "Twin Bed", "80"));
        for (const QString& step : setup)
            QVERIFY2(runStatement(step.startsWith(QLatin1String("CREATE")) ? Create : Insert, step),
                     qPrintable(step));
        runAndCheck(kind, statement, check, expected);
    }

    void roomTableIsMadeWithItsBrackets() {
        VERIFY_RAN(AdminStatements::AddRoom("7", "Sea view", "Twin Bed", "80"));
        VERIFY_NOTHING_SHOWN();
        QCOMPARE(firstValue(QStringLiteral("SELECT COUNT(*) FROM room_7")), QStringLiteral("0"));
    }

    void taxesAreSummedFromTheLowerCaseTable() {
        VERIFY_RAN(AdminStatements::AddTax("Food", "5", 2));
        VERIFY_RAN(AdminStatements::AddTax("Bar", "2.5", 2));
        runAndCheck(Query,
                    QStringLiteral("SELECT  SUM(TaxRate) as tTax FROM tbl_tax WHERE TaxCat = 2"),
                    QStringLiteral("SELECT SUM(TaxRate) FROM tbl_tax WHERE TaxCat = 2"),
                    QStringLiteral("7.5"));
    }

    void droppedRoomTableIsGone() {
        VERIFY_RAN(AdminStatements::AddRoom("7", "Sea view", "Twin Bed", "80"));
        QVERIFY(theDBworks::ExecuteDeleteSQL(QStringLiteral("DROP TABLE [room_7]")));
        QVERIFY(!db->Run(QStringLiteral("SELECT * FROM room_7")).isEmpty());
    }
};

STAYMARK_TEST_MAIN(TestStatementsOnBackends)
#include "tst_StatementsOnBackends.moc"
