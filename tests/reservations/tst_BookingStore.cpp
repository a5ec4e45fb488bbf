#include "core/AppPaths.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "reservations/BookingStore.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QProcess>
#include <QTest>

#include <memory>

namespace {

const QDate kToday(2026, 12, 10);
const QString kRoomTable = QStringLiteral(
    "CREATE TABLE [room_%1] ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL, cUniqueID "
    "VARCHAR(225) NOT NULL, CheckInDate DATETIME, CheckOutDate DATETIME, RoomBookedDate DATETIME, "
    "RoomNote MEMO NULL)");

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

class TestBookingStore : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::TestDatabase> db;

private slots:
    void init() {
        db = std::make_unique<TestSupport::TestDatabase>();
        QVERIFY2(db->SetupError().isEmpty(), qPrintable(db->SetupError()));
        QVERIFY(db->Run(kRoomTable.arg(QStringLiteral("101"))).isEmpty());
        QVERIFY(db->Run(kRoomTable.arg(QStringLiteral("102"))).isEmpty());
        GlobalLogin::LoggedUserName = QStringLiteral("O'Brien");
    }
    void cleanup() { db.reset(); }

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
