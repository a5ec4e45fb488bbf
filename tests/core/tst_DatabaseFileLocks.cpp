#include "core/AppPaths.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "reservations/BookingStore.h"
#include "tests/support/AdminStatements.h"
#include "tests/support/ProgramTest.h"

#include <QApplication>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

const QDate kToday(2026, 12, 10);
const QString kVisitorNote = QStringLiteral("written by another program");

BookingRecord aBooking() {
    BookingRecord b;
    b.title = QStringLiteral("Ms.");
    b.firstName = QStringLiteral("Ann");
    b.lastName = QStringLiteral("Lee");
    b.address = QStringLiteral("N/A");
    b.phone = QStringLiteral("0");
    b.adults = 1;
    b.arrival = kToday;
    b.departure = kToday.addDays(1);
    b.days = 1;
    b.roomRate = Currency::FromUnits(800000);
    b.grandTotal = Currency::FromUnits(800000);
    b.due = Currency::FromUnits(800000);
    b.paymentMethod = QStringLiteral("Cash");
    b.paymentDetails = QStringLiteral("Cash");
    b.roomIds = QStringList{QStringLiteral("101")};
    b.roomPrices = QStringList{QStringLiteral("$80.00")};
    b.status = QStringLiteral("Confirmed");
    return b;
}

void say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// The front desk in a process of its own: it starts on the program folder's database, says
// "open", books when told "book", says "booked", and then waits to be killed.
int frontDesk(const QString& folder) {
    AppPaths::SetProgramFolder(folder);
    Dialogs::Testing::Enable();
    GlobalLogin::LoggedUserName = QStringLiteral("desk");
    theDBworks::OpenConnection();
    say("open");
    std::string line;
    if (!std::getline(std::cin, line) || line != "book")
        return 2;
    BookingRecord booking = aBooking();
    if (!BookingStore::SaveBooking(booking, kToday)) {
        std::fprintf(stderr, "booking failed: %s\n", qUtf8Printable(ErrMsg));
        return 1;
    }
    say("booked");
    std::getline(std::cin, line);
    return 0;
}

// Another program on the file while the desk runs: it reads, writes a row of its own and
// closes, as a backup tool or the sqlite3 shell would.
QString visitFile(const QString& path) {
    const QString name = QStringLiteral("visitor");
    QString error;
    {
        QSqlDatabase visitor = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        visitor.setDatabaseName(path);
        visitor.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000"));
        QSqlQuery query(visitor);
        if (!visitor.open() || !query.exec(QStringLiteral("SELECT count(*) FROM tbl_customers")) ||
            !query.exec(QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) "
                                       "VALUES ('%1', 'other', 'DBChanges')")
                            .arg(kVisitorNote)))
            error = query.lastError().text() + visitor.lastError().text();
        query = QSqlQuery();
        visitor.close();
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

bool waitForLine(QProcess& process, const QByteArray& expected) {
    while (process.waitForReadyRead(30000) || process.canReadLine()) {
        if (process.canReadLine())
            return process.readLine().trimmed() == expected;
    }
    return false;
}

} // namespace

// The embedded database file keeps SQLite's locks while the program runs, so that another
// program opening it cannot take the write-ahead log away from under the program.
class TestDatabaseFileLocks : public TestSupport::DatabaseTest {
    Q_OBJECT

private slots:
    void aBookingSurvivesAnotherProgramAndAKill() {
        VERIFY_RAN(AdminStatements::AddRoom("101", "Garden view", "Twin Bed", "80"));
        // The file is in WAL mode now; this process lets go of it, as a program that was
        // closed does.
        theDBworks::CloseConnection();

        QProcess desk;
        desk.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        desk.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--front-desk"), db->Folder()});
        QVERIFY(desk.waitForStarted());
        QVERIFY(waitForLine(desk, "open"));

        VERIFY_RAN(visitFile(db->Folder() + QStringLiteral("/data.db")));

        desk.write("book\n");
        QVERIFY(waitForLine(desk, "booked"));
        desk.kill();
        QVERIFY(desk.waitForFinished());

        QCOMPARE(db->Count(QStringLiteral("tbl_customers"), QStringLiteral("cFirstName = 'Ann'")),
                 1);
        QCOMPARE(db->Count(QStringLiteral("room_101")), 1);
        QCOMPARE(db->Count(QStringLiteral("tbl_logTable"),
                           QStringLiteral("LogText = '%1'").arg(kVisitorNote)),
                 1);
    }
};

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], "--front-desk") == 0) {
        QCoreApplication app(argc, argv);
        return frontDesk(QString::fromLocal8Bit(argv[2]));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestSupport::PrepareProcess();
    TestDatabaseFileLocks test;
    const int failed = QTest::qExec(&test, argc, argv);
    return TestSupport::FinishProcess() ? failed : 1;
}

#include "tst_DatabaseFileLocks.moc"
