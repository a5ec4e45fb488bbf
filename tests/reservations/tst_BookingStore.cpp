#include "core/AppPaths.h"
#include "core/ErrorReport.h"
#include "core/Errors.h"
#include "core/GlobalLogin.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "reservations/BookingStore.h"
#include "reservations/CustomerNumber.h"
#include "reservations/CustomerStore.h"
#include "tests/support/AdminStatements.h"
#include "tests/support/ProgramTest.h"

#include <QApplication>
#include <QProcess>
#include <QTest>

namespace {

const QDate kToday(2026, 12, 10);

BookingRecord aBooking(const QStringList& rooms = {QStringLiteral("101")}) {
    BookingRecord b;
    b.title = QStringLiteral("Mr.");
    b.firstName = QStringLiteral("John");
    b.lastName = QStringLiteral("Smith");
    b.address = QStringLiteral("N/A");
    b.phone = QStringLiteral("0");
    b.adults = 2;
    b.arrival = kToday;
    b.departure = kToday.addDays(2);
    b.days = 2;
    b.roomRate = Currency::FromUnits(1600000);
    b.grandTotal = Currency::FromUnits(1600000);
    b.due = Currency::FromUnits(1600000);
    b.paymentMethod = QStringLiteral("Cash");
    b.paymentDetails = QStringLiteral("Cash");
    b.roomIds = rooms;
    for (int i = 0; i < rooms.size(); ++i)
        b.roomPrices << QStringLiteral("$80.00");
    b.status = QStringLiteral("Confirmed");
    return b;
}

// A second front desk: books `count` times against the database of the given program folder.
int bookFromAnotherDesk(const QString& folder, int count) {
    AppPaths::SetProgramFolder(folder);
    Dialogs::Testing::Enable();
    theDBworks::OpenConnection();
    GlobalLogin::LoggedUserName = QStringLiteral("desk");
    for (int i = 0; i < count; ++i) {
        BookingRecord booking = aBooking();
        if (!BookingStore::SaveBooking(booking, kToday)) {
            const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
            fprintf(stderr, "booking %d failed: %s\n", i,
                    qUtf8Printable(shown.isEmpty() ? ErrMsg : shown.last().text));
            return 1;
        }
    }
    return 0;
}

} // namespace

// The booking's rows, written in one unit of work, and the customer numbers they are filed
// under.
class TestBookingStore : public TestSupport::DatabaseTest {
    Q_OBJECT

    void initTest() override {
        VERIFY_RAN(AdminStatements::AddRoom("101", "Garden view", "Twin Bed", "80"));
        VERIFY_RAN(AdminStatements::AddRoom("102", "Suite", "Double Bed", "1500"));
        GlobalLogin::LoggedUserName = QStringLiteral("O'Brien");
    }

private slots:
    void failingStatementLeavesNothingOfTheBooking() {
        BookingRecord booking = aBooking({QStringLiteral("101"), QStringLiteral("999")});
        QVERIFY(!BookingStore::SaveBooking(booking, kToday));
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : DB0003"));
        QCOMPARE(db->Count(QStringLiteral("tbl_customers")), 0);
        QCOMPARE(db->Count(QStringLiteral("room_101")), 0);
        QCOMPARE(db->Count(QStringLiteral("tbl_revenueStats")), 0);
        QCOMPARE(db->Count(QStringLiteral("tbl_logTable")), 0);
        QVERIFY(!theDBworks::InTransaction());
    }

    // Moving a booking to history: only a room table that is not there counts as holding
    // nothing; a room table that cannot be read, or a room text that is no number, fails the
    // whole removal.
    void removalToHistoryChecksEachRoomTable_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("storedRoom");
        QTest::addColumn<bool>("removed");
        QTest::newRow("room removed") << "DROP TABLE room_101"
                                      << "101" << true;
        QTest::newRow("room table unreadable")
            << "ALTER TABLE room_101 RENAME COLUMN cUniqueID TO cUniqueNo"
            << "101" << false;
        QTest::newRow("room text no number") << ""
                                             << "101] WHERE 1=1; --" << false;
    }
    void removalToHistoryChecksEachRoomTable() {
        QFETCH(QString, change);
        QFETCH(QString, storedRoom);
        QFETCH(bool, removed);
        BookingRecord booking = aBooking();
        QVERIFY(BookingStore::SaveBooking(booking, kToday));
        const qint64 id = db->Query(QStringLiteral("SELECT ID FROM tbl_customers"))
                              .Fields(QStringLiteral("ID"))
                              .toLongLong();
        if (!change.isEmpty())
            VERIFY_RAN(db->Run(change));
        bool threw = false;
        try {
            CustomerStore::RemoveBooking(id, booking.uniqueNo, {storedRoom});
        } catch (const StaymarkError&) {
            threw = true;
        }
        QCOMPARE(threw, !removed);
        QCOMPARE(db->Count(QStringLiteral("tbl_customers_history")), removed ? 1 : 0);
        QCOMPARE(db->Count(QStringLiteral("tbl_customers")), removed ? 0 : 1);
        if (!removed && change.isEmpty())
            QCOMPARE(db->Count(QStringLiteral("room_101")), 1);
        QVERIFY(!theDBworks::InTransaction());
    }

    void logRowLosesApostrophesAsStored() {
        BookingRecord booking = aBooking();
        booking.lastName = QStringLiteral("O'Neil");
        QVERIFY(BookingStore::SaveBooking(booking, kToday));
        Recordset log = db->Query(QStringLiteral("SELECT * FROM tbl_logTable"));
        QCOMPARE(log.Text(QStringLiteral("LogText")),
                 QStringLiteral("New Booking of Customer : John ONeil"));
        QCOMPARE(log.Text(QStringLiteral("LoggedUser")), QStringLiteral("OBrien"));
        QCOMPARE(log.Text(QStringLiteral("LogKey")), QStringLiteral("Bookings"));
    }

    // The initials are whole characters, also those outside the Basic Multilingual Plane.
    void customerNumberBeginsWithWholeCharacters_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("initials");
        QTest::newRow("emoji first name") << "\U0001F600nna"
                                          << "Lee"
                                          << "\U0001F600L";
        QTest::newRow("rare CJK letters") << "\U0002000Bwen"
                                          << "\U00020089li"
                                          << "\U0002000B\U00020089";
        QTest::newRow("accented letters") << "\u00C9lodie"
                                          << "\u00D8st"
                                          << "\u00C9\u00D8";
    }
    void customerNumberBeginsWithWholeCharacters() {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, initials);
        BookingRecord booking = aBooking();
        booking.firstName = first;
        booking.lastName = last;
        QVERIFY(BookingStore::SaveBooking(booking, kToday));
        Recordset customer = db->Query(QStringLiteral("SELECT * FROM tbl_customers"));
        const QString number = customer.Text(QStringLiteral("cUniqueNo"));
        QCOMPARE(number, booking.uniqueNo);
        QCOMPARE(number.left(initials.size()), initials);
        QCOMPARE(number.size(), initials.size() + 6);
        QCOMPARE(customer.Text(QStringLiteral("cFirstName")), first);
        Recordset room = db->Query(QStringLiteral("SELECT * FROM room_101"));
        QCOMPARE(room.Text(QStringLiteral("cUniqueID")), number);
    }

    void customerNumberKeepsTheInitialsAndAvoidsStoredNumbers() {
        VERIFY_RAN(
            db->Run(QStringLiteral("INSERT INTO tbl_customers (cUniqueNo) VALUES ('OsAAAAAA')")));
        VERIFY_RAN(db->Run(QStringLiteral(
            "INSERT INTO tbl_customers_history (ID, cUniqueNo) VALUES (9, 'OsBBBBBB')")));
        VERIFY_RAN(
            db->Run(QStringLiteral("INSERT INTO tbl_FoodOrders (OrderNo) VALUES ('OsCCCCCC')")));
        QStringList draws{QStringLiteral("AAAAAA"), QStringLiteral("BBBBBB"),
                          QStringLiteral("CCCCCC"), QStringLiteral("DDDDDD")};
        const QString number = CustomerNumber::NewNumber(
            QStringLiteral("'O'Neil"), QStringLiteral("smith"), [&] { return draws.takeFirst(); });
        QCOMPARE(number, QStringLiteral("OsDDDDDD"));
        QVERIFY_THROWS_EXCEPTION(StaymarkError, CustomerNumber::NewNumber(QStringLiteral("''"),
                                                                          QStringLiteral("Smith")));
    }

    // Two front desks booking at the same moment: one revenue row, every amount counted.
    void twoDesksAtOnceShareOneRevenueRow() {
        const int perDesk = 25;
        QProcess first;
        QProcess second;
        const QStringList args{QStringLiteral("--book"), db->Folder(), QString::number(perDesk)};
        first.start(QCoreApplication::applicationFilePath(), args);
        second.start(QCoreApplication::applicationFilePath(), args);
        QVERIFY(first.waitForFinished(120000));
        QVERIFY(second.waitForFinished(120000));
        QVERIFY2(first.exitCode() == 0, first.readAllStandardError().constData());
        QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());
        QCOMPARE(db->Count(QStringLiteral("tbl_revenueStats")), 1);
        Recordset day = db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"));
        QCOMPARE(day.Fields(QStringLiteral("tBookings")).toInt(), 2 * perDesk);
        QCOMPARE(day.Money(QStringLiteral("tRevenue")),
                 Currency::FromUnits(1600000) * (2 * perDesk));
        QCOMPARE(day.Money(QStringLiteral("tBookingRevenue")),
                 Currency::FromUnits(1600000) * (2 * perDesk));
        QCOMPARE(db->Count(QStringLiteral("tbl_customers")), 2 * perDesk);
        QCOMPARE(db->Count(QStringLiteral("room_101")), 2 * perDesk);
    }
};

int main(int argc, char* argv[]) {
    if (argc == 4 && qstrcmp(argv[1], "--book") == 0) {
        QCoreApplication app(argc, argv);
        return bookFromAnotherDesk(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestSupport::PrepareProcess();
    TestBookingStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_BookingStore.moc"
