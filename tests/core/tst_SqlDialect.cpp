#include "core/SqlDialect.h"
#include "tests/support/DataTest.h"

#include <QTest>

Q_DECLARE_METATYPE(DbBackend)

namespace {
const QString kRoomTable = QStringLiteral(
    "CREATE TABLE [room_101] ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL, cUniqueID "
    "VARCHAR(225) NOT NULL, CheckInDate DATETIME, CheckOutDate DATETIME, RoomBookedDate DATETIME, "
    "RoomNote MEMO NULL)");
}

// The text each back end receives for statements the windows write in the Access dialect.
class TestSqlDialect : public TestSupport::ProgramTest {
    Q_OBJECT

private slots:
    void translates_data() {
        QTest::addColumn<DbBackend>("backend");
        QTest::addColumn<QString>("access");
        QTest::addColumn<QString>("expected");
        const auto lite = DbBackend::SQLite;
        const auto my = DbBackend::MySQL;
        QTest::newRow("room table, SQLite")
            << lite << kRoomTable
            << QStringLiteral("CREATE TABLE \"room_101\" ( ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                              "RoomNameID INT NOT NULL, cUniqueID VARCHAR(225) COLLATE NOCASE NOT "
                              "NULL, CheckInDate DATETIME, CheckOutDate DATETIME, RoomBookedDate "
                              "DATETIME, RoomNote TEXT COLLATE NOCASE NULL)");
        QTest::newRow("room table, MySQL")
            << my << kRoomTable
            << QStringLiteral("CREATE TABLE `room_101` ( ID INT AUTO_INCREMENT PRIMARY KEY, "
                              "RoomNameID INT NOT NULL, cUniqueID VARCHAR(225) CHARACTER SET "
                              "utf8mb4 COLLATE utf8mb4_unicode_ci NOT NULL, CheckInDate DATETIME, "
                              "CheckOutDate DATETIME, RoomBookedDate DATETIME, RoomNote LONGTEXT "
                              "CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci NULL)");
        QTest::newRow("food order table, MySQL")
            << my
            << QStringLiteral("CREATE TABLE tbl_FoodOrder_91011 ( ID AUTOINCREMENT PRIMARY "
                              "KEY,FoodItem VARCHAR(225) NOT NULL, Price Currency NOT NULL)")
            << QStringLiteral("CREATE TABLE tbl_FoodOrder_91011 ( ID INT AUTO_INCREMENT PRIMARY "
                              "KEY,FoodItem VARCHAR(225) CHARACTER SET utf8mb4 COLLATE "
                              "utf8mb4_unicode_ci NOT NULL, Price DECIMAL(19,4) NOT NULL)");
        QTest::newRow("drop bracketed")
            << my << QStringLiteral("DROP TABLE [room_7]") << QStringLiteral("DROP TABLE `room_7`");
        QTest::newRow("ISO date literal")
            << lite << QStringLiteral("SELECT * FROM tbl_revenueStats WHERE tDate =#2026-12-10# ")
            << QStringLiteral("SELECT * FROM tbl_revenueStats WHERE tDate ='2026-12-10' ");
        QTest::newRow("month/day/year literal")
            << my << QStringLiteral("values(#12/9/2026# , #1/2/2027#)")
            << QStringLiteral("values('2026-12-09' , '2027-01-02')");
        QTest::newRow("date and time literal")
            << lite << QStringLiteral("WHERE d < #12/9/2026 2:05:00 PM#")
            << QStringLiteral("WHERE d < '2026-12-09 14:05:00'");
        QTest::newRow("lower-case table name, MySQL")
            << my << QStringLiteral("SELECT  SUM(TaxRate) as tTax FROM tbl_tax WHERE TaxCat = 2")
            << QStringLiteral("SELECT  SUM(TaxRate) as tTax FROM tbl_Tax WHERE TaxCat = 2");
        QTest::newRow("room table in other case, MySQL")
            << my << QStringLiteral("SELECT * FROM ROOM_a1")
            << QStringLiteral("SELECT * FROM room_a1");
        QTest::newRow("quoted text untouched")
            << my
            << QStringLiteral("INSERT INTO tbl_logTable (LogText) values('#12/9/2026# [room_1] "
                              "AUTOINCREMENT MEMO tbl_tax')")
            << QStringLiteral("INSERT INTO tbl_logTable (LogText) values('#12/9/2026# [room_1] "
                              "AUTOINCREMENT MEMO tbl_tax')");
        QTest::newRow("doubled apostrophe stays inside the text")
            << lite << QStringLiteral("values('O''Brien #1', [x])")
            << QStringLiteral("values('O''Brien #1', \"x\")");
        QTest::newRow("double-quoted Access text")
            << my << QStringLiteral("WHERE a = \"it's\"") << QStringLiteral("WHERE a = 'it''s'");
        QTest::newRow("not a date stays for the database to refuse")
            << lite << QStringLiteral("WHERE d = #tomorrow#")
            << QStringLiteral("WHERE d = #tomorrow#");
    }
    void translates() {
        QFETCH(DbBackend, backend);
        QFETCH(QString, access);
        QFETCH(QString, expected);
        QCOMPARE(SqlDialect::Translate(access, backend), expected);
    }
};

STAYMARK_DATA_TEST_MAIN(TestSqlDialect)
#include "tst_SqlDialect.moc"
