#include "administration/AdminDatabasePage.h"
#include "app/Load_frms.h"
#include "core/AppPaths.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/frmDBLocateTool.h"
#include "core/theDBworks.h"
#include "core/ui/AGPopUp.h"
#include "core/ui/Dialogs.h"
#include "food_orders/frmFoodTxtView.h"
#include "reports/frmStats.h"
#include "reservations/BookingStore.h"
#include "reservations/frmCustomers.h"
#include "reservations/frmRoomList.h"
#include "tests/administration/AdminWindowFixture.h"
#include "tests/support/AdminStatements.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <iostream>
#include <string>

#include <sys/stat.h>
#include <sys/sysmacros.h>

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

void say(const QByteArray& line) {
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
}

QString databaseIn(const QString& folder) {
    return folder + QStringLiteral("/data.db");
}

// The locks held on a file as /proc/locks lists them: this process's POSIX locks, and the
// open-file-description locks, which it lists without their owner (only this process opens
// the test's file).
int locksOn(const QString& path) {
    struct stat file {};
    if (::stat(QFile::encodeName(path).constData(), &file) != 0)
        return 0;
    const QString id = QStringLiteral("%1:%2:%3")
                           .arg(major(file.st_dev), 2, 16, QLatin1Char('0'))
                           .arg(minor(file.st_dev), 2, 16, QLatin1Char('0'))
                           .arg(quint64(file.st_ino));
    const QString self = QString::number(QCoreApplication::applicationPid());
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return 0;
    int held = 0;
    // "1: POSIX  ADVISORY  READ 4242 08:01:1234 1073741824 1073741824"; waiters carry "->".
    for (const QByteArray& line : locks.readAll().split('\n')) {
        const QStringList fields = QString::fromLatin1(line).simplified().split(QLatin1Char(' '));
        if (fields.size() >= 6 && !fields.contains(QStringLiteral("->")) && fields.at(5) == id &&
            (fields.at(4) == self || fields.at(4) == QLatin1String("-1")))
            ++held;
    }
    return held;
}

// The database's locks: on the file itself and on its shared-memory index of the log.
int databaseLocks(const QString& folder) {
    return locksOn(databaseIn(folder)) + locksOn(databaseIn(folder) + QStringLiteral("-shm"));
}

// What a real file dialog showed, and the database's locks while it showed.
struct DialogSeen {
    QString title;
    QString folder;
    // data.db and its companions were listed with their types: the dialog read them.
    bool listedWithTypes = false;
    int locksWhileShown = -1;
};

// Waits until the file dialog lists the database file and its companions with their types, as
// a user sees them in the dialog's detail view.
bool waitForTypes(QFileSystemModel* model, const QString& folder) {
    // The files the dialog's filter leaves out are typed all the same; shown greyed, they can
    // be looked at.
    model->setNameFilterDisables(true);
    return QTest::qWaitFor(
        [&] {
            for (const char* suffix : {"", "-wal", "-shm"}) {
                const QString path = databaseIn(folder) + QLatin1String(suffix);
                if (!QFile::exists(path))
                    continue;
                const QModelIndex index = model->index(path);
                if (!index.isValid() || model->type(index).isEmpty())
                    return false;
            }
            return true;
        },
        15000);
}

// The file dialog on screen, known by the folder listing it holds; null while there is none.
QDialog* shownFileDialog(QFileSystemModel*& listing) {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    listing = dialog ? dialog->findChild<QFileSystemModel*>() : nullptr;
    return listing ? dialog : nullptr;
}

// Runs the user's step that opens a file dialog; while the real dialog shows, the user types
// the program's folder where it did not start there, it is looked at until it has read the
// files it lists, and cancelled.
DialogSeen seeFileDialog(const QString& folder, const std::function<void()>& open) {
    DialogSeen seen;
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QFileSystemModel* listing = nullptr;
        QDialog* dialog = shownFileDialog(listing);
        if (!dialog)
            return;
        watch.stop();
        seen.title = dialog->windowTitle();
        if (QFileInfo(listing->rootPath()) != QFileInfo(folder)) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name) {
                name->setText(folder);
                QTest::keyClick(name, Qt::Key_Return);
            }
        }
        seen.folder = listing->rootPath();
        seen.listedWithTypes = waitForTypes(listing, folder);
        seen.locksWhileShown = databaseLocks(folder);
        dialog->reject();
    });
    watch.start();
    open();
    watch.stop();
    return seen;
}

// The front desk in a process of its own: the program starts on the folder's database and says
// "open"; told "look", the receptionist chooses Export List To Excel in the customer list and
// cancels the dialog, and it says "looked" with the locks it held while the dialog showed and
// after; told "book", it books and says "booked", and then waits to be killed.
int frontDesk(const QString& folder) {
    AppPaths::SetProgramFolder(folder);
    QDir::setCurrent(folder);
    if (!Load_frms::Main())
        return 2;
    GlobalLogin::IsLoggedIn = true;
    GlobalLogin::LoggedUserName = QStringLiteral("desk");
    GlobalLogin::PrivCustomerViewEdit = 1;
    say("open");
    std::string line;
    if (!std::getline(std::cin, line) || line != "look")
        return 2;
    frmCustomers::ShowWindow();
    frmCustomers* list = LoadedInstance<frmCustomers>();
    if (!list)
        return 2;
    const DialogSeen seen = seeFileDialog(folder, [list] {
        TestSupport::control<QAction>(list->AGMyPopUp1->Menu(), "mnuExportExcel")->trigger();
    });
    say(QByteArrayLiteral("looked ") + QByteArray::number(seen.locksWhileShown) + ' ' +
        QByteArray::number(databaseLocks(folder)));
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

// Another program on the file while the desk runs (the test runs it in a process of its own):
// it reads, writes a row of its own and closes, as a backup tool or the sqlite3 shell would.
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

bool waitForLine(QProcess& process, const QByteArray& expected, QByteArray* rest = nullptr) {
    while (process.waitForReadyRead(30000) || process.canReadLine()) {
        if (!process.canReadLine())
            continue;
        const QByteArray line = process.readLine().trimmed();
        if (!line.startsWith(expected))
            return false;
        if (rest)
            *rest = line.mid(expected.size()).trimmed();
        return true;
    }
    return false;
}

// The ways the user opens a file dialog of the program.
enum class Road {
    CustomerListExport,
    RoomScheduleExport,
    RoomAdministrationExport,
    ChartSave,
    BillSave,
    DatabaseSettingsBrowse,
    LocateToolBrowse,
};

} // namespace

Q_DECLARE_METATYPE(Road)

// The embedded database file keeps SQLite's locks while the program runs, whatever else in the
// process opens and closes the file (a file dialog reading each file's type, a desktop service),
// so that another program on the file cannot take the write-ahead log away from under it.
class TestDatabaseFileLocks : public AdminWindowFixture {
    Q_OBJECT

    QString folder() const { return db->Folder(); }

    void initTest() override {
        // The program runs in its own folder, where every file dialog starts.
        workingFolder = QDir::currentPath();
        QDir::setCurrent(folder());
        Dialogs::Testing::ShowRealFileDialogs();
        VERIFY_RAN(AdminStatements::AddRoom("101", "Garden view", "Twin Bed", "80"));
    }
    void cleanupTest() override { QDir::setCurrent(workingFolder); }

    // Opens the window of the road as the user does, then the file dialog from it.
    void openDialogBy(Road road) {
        switch (road) {
        case Road::CustomerListExport: {
            triggerAction(QStringLiteral("mnuCustomerList"));
            auto* list = LoadedInstance<frmCustomers>();
            QVERIFY(list);
            TestSupport::control<QAction>(list->AGMyPopUp1->Menu(), "mnuExportExcel")->trigger();
            break;
        }
        case Road::RoomScheduleExport:
            triggerAction(QStringLiteral("mnuRoomList"));
            QVERIFY(LoadedInstance<frmRoomList>());
            QTest::mouseClick(LoadedInstance<frmRoomList>()->Command1, Qt::LeftButton);
            break;
        case Road::RoomAdministrationExport:
            QVERIFY(OpenAdmin());
            ChooseFromMenu(Rooms()->listRoomView, Rooms()->AGPopUp1, QStringLiteral("101"),
                           QStringLiteral("mnuExportToExcel"));
            break;
        case Road::ChartSave:
            triggerAction(QStringLiteral("mnuReport"));
            QVERIFY(LoadedInstance<frmStats>());
            QTest::mouseClick(LoadedInstance<frmStats>()->Command1, Qt::LeftButton);
            break;
        case Road::BillSave:
            frmFoodTxtView::ShowBill(FoodBill{});
            QVERIFY(LoadedInstance<frmFoodTxtView>());
            LoadedInstance<frmFoodTxtView>()->Button(QStringLiteral("savei"))->trigger();
            break;
        case Road::DatabaseSettingsBrowse:
            QVERIFY(OpenAdmin());
            QTest::mouseClick(LoadedInstance<frmAdminArea>()->DatabasePage->Command2,
                              Qt::LeftButton);
            break;
        case Road::LocateToolBrowse: {
            const TestSupport::ModalSteps<frmDBLocateTool> tool([](frmDBLocateTool& shown) {
                QTest::mouseClick(TestSupport::control<QPushButton>(shown, "Command1"),
                                  Qt::LeftButton);
            });
            frmDBLocateTool::ShowModal();
            QVERIFY(tool.Ran());
            break;
        }
        }
    }

    QString workingFolder;

private slots:
    void locksOutliveEveryFileDialogOnTheProgramsFolder_data() {
        QTest::addColumn<Road>("road");
        QTest::addColumn<QString>("title");
        QTest::newRow("customer list export") << Road::CustomerListExport << "Export to";
        QTest::newRow("room schedule export") << Road::RoomScheduleExport << "Export to";
        QTest::newRow("room administration export")
            << Road::RoomAdministrationExport << "Export to";
        QTest::newRow("chart save") << Road::ChartSave << "Save Chart As";
        QTest::newRow("bill save") << Road::BillSave << "Save";
        QTest::newRow("database settings browse")
            << Road::DatabaseSettingsBrowse << "Locate Database";
        QTest::newRow("locate tool browse") << Road::LocateToolBrowse << "Locate Database";
    }
    void locksOutliveEveryFileDialogOnTheProgramsFolder() {
        QFETCH(Road, road);
        QFETCH(QString, title);
        const int before = databaseLocks(folder());
        QVERIFY2(before > 0, "the program holds no lock on its database");
        const DialogSeen seen = seeFileDialog(folder(), [&] { openDialogBy(road); });
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.folder, QFileInfo(folder()).absoluteFilePath());
        QVERIFY2(seen.listedWithTypes, "the dialog never listed the database with its type");
        QCOMPARE(seen.locksWhileShown, before);
        QCOMPARE(databaseLocks(folder()), before);
    }

    // What a desktop service or a thumbnailer does inside the process: it reads the files and
    // closes them again.
    void locksOutliveAnotherReaderInTheProcess() {
        const int before = databaseLocks(folder());
        QVERIFY(before > 0);
        for (const char* suffix : {"", "-wal", "-shm"}) {
            QFile file(databaseIn(folder()) + QLatin1String(suffix));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(!file.read(64).isEmpty() || file.size() == 0);
        }
        QCOMPARE(databaseLocks(folder()), before);
    }

    // Two connections of the one process on the file: one reads while the other writes and
    // checks the log into the file; neither waits for the other.
    void twoConnectionsOfTheProcessShareTheFile() {
        const QString name = QStringLiteral("second");
        {
            QSqlDatabase second = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            second.setDatabaseName(databaseIn(folder()));
            second.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
            QVERIFY(second.open());
            QSqlQuery reading(second);
            reading.setForwardOnly(true);
            QVERIFY(reading.exec(QStringLiteral("SELECT RoomNameID FROM tbl_Rooms")));
            QVERIFY(reading.next());
            QVERIFY(theDBworks::ExecuteInsertSQL(
                QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) VALUES "
                               "('while another reads', 'admin', 'DBChanges')")));
            theDBworks::OpenRecordset(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
            QCOMPARE(theDBworks::DBRecordset().Fields(0).toInt(), 0);
            reading.finish();
            QSqlQuery count(second);
            QVERIFY(count.exec(QStringLiteral("SELECT count(*) FROM tbl_logTable WHERE LogText "
                                              "= 'while another reads'")));
            QVERIFY(count.next());
            QCOMPARE(count.value(0).toInt(), 1);
            QVERIFY(count.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")));
            QVERIFY(count.next());
            QCOMPARE(count.value(0).toInt(), 0);
            count = QSqlQuery();
            reading = QSqlQuery();
            second.close();
        }
        QSqlDatabase::removeDatabase(name);
        QVERIFY(databaseLocks(folder()) > 0);
        QVERIFY(theDBworks::ExecuteInsertSQL(
            QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) VALUES "
                           "('after the other closed', 'admin', 'DBChanges')")));
        QCOMPARE(db->Count(QStringLiteral("tbl_logTable"),
                           QStringLiteral("LogText = 'after the other closed'")),
                 1);
    }

    // The front desk opens a real file dialog on its folder; another program then reads and
    // writes the file and closes it; the desk books and is killed: the booking is in the file.
    void aBookingAfterAFileDialogSurvivesAnotherProgramAndAKill() {
        // The program here ends, so that the desk starts on the folder as the one program,
        // and the test lets go of the file.
        delete main.data();
        theDBworks::CloseConnection();
        db->CloseOwnConnection();

        QProcess desk;
        desk.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        desk.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--front-desk"), folder()});
        QVERIFY(desk.waitForStarted());
        QVERIFY(waitForLine(desk, "open"));
        desk.write("look\n");
        QByteArray locks;
        QVERIFY(waitForLine(desk, "looked", &locks));

        QProcess visitor;
        visitor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        visitor.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--visit"), databaseIn(folder())});
        QVERIFY(visitor.waitForFinished());
        QCOMPARE(visitor.exitCode(), 0);

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
        // The desk held its locks all the while.
        const QList<QByteArray> counts = locks.split(' ');
        QCOMPARE(counts.size(), 2);
        QVERIFY2(counts.at(0).toInt() > 0 && counts.at(1) == counts.at(0), locks.constData());
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--front-desk") == 0)
        return frontDesk(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], "--visit") == 0) {
        const QString error = visitFile(QString::fromLocal8Bit(argv[2]));
        std::fprintf(stderr, "%s", qUtf8Printable(error));
        return error.isEmpty() ? 0 : 1;
    }
    TestSupport::PrepareProcess();
    TestDatabaseFileLocks test;
    const int failed = QTest::qExec(&test, argc, argv);
    return TestSupport::FinishProcess() ? failed : 1;
}

#include "tst_DatabaseFileLocks.moc"
