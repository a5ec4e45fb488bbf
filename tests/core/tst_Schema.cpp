#include "core/theDBworks.h"
#include "tests/support/AdminStatements.h"
#include "tests/support/DataTest.h"

#include <QTest>

namespace {

const QStringList kCustomerColumns{"ID",
                                   "cTitle",
                                   "cFirstName",
                                   "cLastName",
                                   "cAddress",
                                   "cPhone",
                                   "cNoOfAdults",
                                   "cNoOfMinors",
                                   "cCheckInDate",
                                   "cCheckOutDate",
                                   "cNoOfDays",
                                   "cRoomsRate",
                                   "cTax",
                                   "cGrandTotal",
                                   "cAdvancePaid",
                                   "cDue",
                                   "cPaymentMethod",
                                   "cPaymentMethodDetails",
                                   "cRoomNameID",
                                   "cRoomNamePrice",
                                   "cAdditionalNote",
                                   "cUniqueNo",
                                   "cStatus"};

QStringList lower(QStringList names) {
    for (QString& name : names)
        name = name.toLower();
    return names;
}

} // namespace

// The base tables that come with the program, and the defaults the database fills.
class TestSchema : public TestSupport::DatabaseTest {
    Q_OBJECT

private slots:
    void tablesHaveTheirColumnsInOrder_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("customers") << "tbl_customers" << kCustomerColumns;
        QTest::newRow("history in the same order") << "tbl_customers_history" << kCustomerColumns;
        QTest::newRow("revenue") << "tbl_revenueStats"
                                 << QStringList{"tDate",           "tRevenue",
                                                "tBookingRevenue", "tFoodDrinkRevenue",
                                                "tBookings",       "tFoodOrders"};
        QTest::newRow("log") << "tbl_logTable"
                             << QStringList{"ID", "LogText", "LoggedUser", "LogKey", "LogDateLine"};
        QTest::newRow("rooms") << "tbl_Rooms"
                               << QStringList{"RoomID", "RoomNameID", "Description", "RoomType",
                                              "RoomPrice"};
        QTest::newRow("tax") << "tbl_Tax" << QStringList{"ID", "TaxName", "TaxRate", "TaxCat"};
        QTest::newRow("users")
            << "tbl_users"
            << QStringList{"ID",        "cusername",  "cpassword",     "cmodifysettings",
                           "croomlist", "cmodifytax", "canViewReport", "ccustomerviewedit",
                           "cusertype"};
        QTest::newRow("food categories") << "tbl_foodCat" << QStringList{"ID", "catName"};
        QTest::newRow("food items")
            << "tbl_FoodItem" << QStringList{"ID", "ItemName", "ItemPrice", "ItemNote", "ItemCat"};
        QTest::newRow("hotel") << "tbl_HotelInfo"
                               << QStringList{"ID",         "HotelName",    "HotelPhoneNo",
                                              "HotelFaxNo", "HotelAddress", "AddOrderSign"};
        QTest::newRow("food orders") << "tbl_FoodOrders" << QStringList{"ID",
                                                                        "OrderNo",
                                                                        "FoodOrderID",
                                                                        "CustomerTitle",
                                                                        "CustomerFName",
                                                                        "CustomreLName",
                                                                        "TotalPrice",
                                                                        "Status",
                                                                        "Dateline"};
    }
    void tablesHaveTheirColumnsInOrder() {
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM ") + table);
        QCOMPARE(lower(theDBworks::DBRecordset().ColumnNames()), lower(columns));
    }

    void hotelInformationRowExists() {
        theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_HotelInfo WHERE ID=1"));
        QCOMPARE(theDBworks::DBRecordset().RecordCount(), 1);
        QCOMPARE(theDBworks::DBRecordset().Fields(QStringLiteral("AddOrderSign")).toInt(), 0);
    }

    void revenueRowGetsTodayAndZeros() {
        QVERIFY(theDBworks::ExecuteInsertSQL(
            QStringLiteral("INSERT INTO tbl_revenueStats (tRevenue,tBookingRevenue, tBookings) "
                           "values(225,225,1)")));
        theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_revenueStats"));
        const Recordset& row = theDBworks::DBRecordset();
        QCOMPARE(row.Date(QStringLiteral("tDate")), QDate::currentDate());
        QCOMPARE(row.Money(QStringLiteral("tFoodDrinkRevenue")), Currency());
        QCOMPARE(row.Fields(QStringLiteral("tFoodOrders")).toInt(), 0);
        QCOMPARE(row.Money(QStringLiteral("tRevenue")), Currency::FromUnits(2250000));
        // A date-only default: the lookup by today's date literal finds the row.
        QCOMPARE(
            db->Count(
                QStringLiteral("tbl_revenueStats"),
                QStringLiteral("tDate = #%1#").arg(QDate::currentDate().toString(Qt::ISODate))),
            1);
    }

    void oneRevenueRowPerDay() {
        const QString row =
            QStringLiteral("INSERT INTO tbl_revenueStats (tDate) values(#2026-12-10#)");
        VERIFY_RAN(db->Run(row));
        QVERIFY(!db->Run(row).isEmpty());
        QCOMPARE(db->Count(QStringLiteral("tbl_revenueStats")), 1);
    }

    void logRowGetsTheLocalDateAndTime() {
        const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
        QVERIFY(theDBworks::ExecuteInsertSQL(
            QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) "
                           "values('x','admin','LoginLogout')")));
        theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_logTable"));
        const QDateTime stamped = theDBworks::DBRecordset().DateTime(QStringLiteral("LogDateLine"));
        QVERIFY2(stamped >= before && stamped <= QDateTime::currentDateTime().addSecs(2),
                 qPrintable(stamped.toString(Qt::ISODate)));
        QVERIFY(theDBworks::DBRecordset().Fields(QStringLiteral("ID")).toInt() > 0);
    }

    void accountsAreOrdinaryUnlessMadeMaster() {
        QVERIFY(theDBworks::ExecuteInsertSQL(
            QStringLiteral("INSERT INTO tbl_users (cusername, cpassword) VALUES('clerk','AB')")));
        theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_users"));
        const Recordset& user = theDBworks::DBRecordset();
        QVERIFY(user.Fields(QStringLiteral("cusertype")).toInt() != 1);
        QCOMPARE(user.Fields(QStringLiteral("cmodifysettings")).toInt(), 0);
    }

    void historyAcceptsTheCopiedId() {
        const QString copy =
            QStringLiteral("INSERT INTO tbl_customers_history (ID, cFirstName) VALUES (42, 'Ann')");
        VERIFY_RAN(db->Run(copy));
        VERIFY_RAN(db->Run(copy));
        QCOMPARE(db->Count(QStringLiteral("tbl_customers_history"), QStringLiteral("ID = 42")), 2);
    }

    void textComparesWithoutCase() {
        VERIFY_RAN(db->Run(
            QStringLiteral("INSERT INTO tbl_users (cusername, cpassword) VALUES('Admin','AB')")));
        QCOMPARE(db->Count(QStringLiteral("tbl_users"), QStringLiteral("cusername = 'admin'")), 1);
        QCOMPARE(db->Count(QStringLiteral("tbl_users"), QStringLiteral("cusername LIKE 'ADMIN'")),
                 1);
        VERIFY_RAN(AdminStatements::AddRoom("5", "Garden view", "Twin Bed", "80"));
        VERIFY_RAN(db->Run(
            QStringLiteral("INSERT INTO room_5 (RoomNameID, cUniqueID) VALUES (5, 'JsABCDEF')")));
        QCOMPARE(db->Count(QStringLiteral("room_5"), QStringLiteral("cUniqueID = 'jsabcdef'")), 1);
    }
};

STAYMARK_DATA_TEST_MAIN(TestSchema)
#include "tst_Schema.moc"
