#include "core/ErrorReport.h"
#include "core/frmDBLocateTool.h"
#include "core/frmErrorReport.h"
#include "core/theDBworks.h"
#include "reservations/frmCustomers.h"
#include "tests/core/DatabaseFaults.h"
#include "tests/reservations/BookingWindowFixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QRandomGenerator>

#include <utility>

using DatabaseFaults::OtherDesk;
using TestSupport::Backend;
using TestSupport::Write;
using namespace std::chrono_literals;

namespace {

const QString kHeldElsewhere = QStringLiteral(
    "Another front desk is using this record, so nothing was saved. Please try again in a moment.");
const QString kDay = QStringLiteral("#2026-12-10#");

enum class Breakage {
    MissingFile,
    RandomBytes,
    EmptyFile,
    ForeignDatabase,
    OverlongPath,
    NoServer,
    Utf16Settings
};

QList<Dialogs::Shown> shownSince(qsizetype first) {
    return Dialogs::Testing::Record().mid(first);
}

} // namespace

Q_DECLARE_METATYPE(Breakage)

// The front desk when the database fails it: a file that cannot be opened, one that can only
// be read, another desk that holds the record, a refusal in the middle of a booking.
class TestDatabaseFaults : public BookingWindowFixture {
    Q_OBJECT

    QString readOnlyFile;

    QString dataFile() const { return db->Folder() + QStringLiteral("/data.db"); }

    // The program ends, to start again on the database as the test leaves it.
    void quitProgram() {
        delete main.data();
        theDBworks::CloseConnection();
    }

    void startMainWindowAgain() {
        main = new mainFrm();
        main->show();
    }

    frmBooking* bookingFor(const QString& first, const QString& last) {
        frmBooking* form = LoadedInstance<frmBooking>();
        form->txtFName->setText(first);
        form->txtLName->setText(last);
        form->comboStatus->setCurrentText(QStringLiteral("Confirmed"));
        AddRoom(form, QStringLiteral("101"));
        return form;
    }

    void cleanupTest() override {
        if (!readOnlyFile.isEmpty())
            VERIFY_RAN(DatabaseFaults::AllowWrites(std::exchange(readOnlyFile, QString()), true));
    }

private slots:
    void databaseThatCannotBeOpenedLeadsToTheLocateTool_data() {
        QTest::addColumn<Breakage>("breakage");
        QTest::addColumn<QString>("cause");
        if (TestSupport::CurrentBackend() == Backend::SQLite) {
            QTest::newRow("missing file") << Breakage::MissingFile << "Could not find file '%1'.";
            QTest::newRow("random bytes")
                << Breakage::RandomBytes << "The file '%1' is not an SQLite database.";
            QTest::newRow("empty file")
                << Breakage::EmptyFile
                << "The file '%1' is not a Staymark database: it lacks the tables tbl_customers, "
                   "tbl_customers_history, tbl_revenueStats, tbl_logTable, tbl_Rooms, tbl_Tax, "
                   "tbl_users, tbl_foodCat, tbl_FoodItem, tbl_HotelInfo, tbl_FoodOrders.";
            QTest::newRow("another program's database")
                << Breakage::ForeignDatabase
                << "The file '%1' is not a Staymark database: it lacks the tables "
                   "tbl_customers_history, "
                   "tbl_revenueStats,";
            QTest::newRow("a path of 1 MB in config.ini")
                << Breakage::OverlongPath
                << "Staymark cannot read the key db of section [settings] in '<config>': its "
                   "value holds 1048576 characters, more than any path or name has.";
        } else {
            QTest::newRow("no server answers") << Breakage::NoServer << "Can't connect to";
            QTest::newRow("config.ini saved as UTF-16")
                << Breakage::Utf16Settings
                << "Staymark cannot read the key db of section [settings] in '<config>': the file "
                   "was saved as UTF-16 text";
        }
    }
    void databaseThatCannotBeOpenedLeadsToTheLocateTool() {
        QFETCH(Breakage, breakage);
        QFETCH(QString, cause);
        // A file's cause names the file.
        if (cause.contains(QLatin1String("%1")))
            cause = cause.arg(dataFile());
        cause.replace(QStringLiteral("<config>"), db->ConfigIni());
        quitProgram();
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(dataFile() + QLatin1String(suffix));
        if (breakage == Breakage::RandomBytes) {
            QFile file(dataFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            QByteArray bytes(8192, '\0');
            QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(bytes.data()),
                                          bytes.size() / 4);
            file.write(bytes);
        }
        if (breakage == Breakage::EmptyFile)
            QVERIFY(QFile(dataFile()).open(QIODevice::WriteOnly));
        // Another program's file, one of whose tables has a name of ours.
        if (breakage == Breakage::ForeignDatabase)
            for (const char* table : {"notes", "tbl_customers"})
                DatabaseFaults::QueryFile(
                    dataFile(),
                    QStringLiteral("CREATE TABLE %1 (ID INTEGER)").arg(QLatin1String(table)));
        if (breakage == Breakage::NoServer)
            DatabaseFaults::BreakStoredSettings(Backend::MariaDB);
        if (breakage == Breakage::OverlongPath || breakage == Breakage::Utf16Settings) {
            // The embedded file is there, but the settings name another database.
            VERIFY_RAN(TestSupport::MakeEmbeddedDatabase(dataFile()));
            QFile ini(db->ConfigIni());
            QVERIFY(ini.open(QIODevice::ReadOnly));
            const QString settings = QString::fromUtf8(ini.readAll());
            ini.close();
            QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
            if (breakage == Breakage::OverlongPath)
                ini.write("[settings]\ndb=" + QByteArray(1 << 20, 'a') + '\n');
            else
                ini.write(QByteArray("\xff\xfe") +
                          QByteArray(reinterpret_cast<const char*>(settings.utf16()),
                                     settings.size() * 2));
        }
        QString explained;
        bool loginOpen = true;
        const TestSupport::ModalSteps<frmDBLocateTool> tool([&](frmDBLocateTool& shown) {
            explained = TestSupport::control<QPlainTextEdit>(shown, "Text2")->toPlainText();
            loginOpen = LoadedInstance<frmLogInOut>() != nullptr;
            shown.reject();
        });
        startMainWindowAgain();
        QVERIFY(tool.Ran());
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
        QCOMPARE(Dialogs::Testing::Record().at(0).text, QStringLiteral("frmDBLocateTool"));
        QVERIFY2(explained.startsWith(cause), qPrintable(explained));
        QVERIFY(!loginOpen);

        // The login window meets the same cause, in the tool again, not a closed connection.
        Dialogs::Testing::CloseNextModal();
        triggerAction(QStringLiteral("mnuLoginLogOut"));
        QCOMPARE(Dialogs::Testing::Record().size(), 2);
        QVERIFY2(ErrMsg.startsWith(cause), qPrintable(ErrMsg));
        QVERIFY(!frmErrorReport::Instance());
        // Nothing was written into a file that is not the program's.
        if (breakage == Breakage::EmptyFile)
            QCOMPARE(QFileInfo(dataFile()).size(), 0);
    }

    void readOnlyFileIsToldOnceAtStart() {
        if (db->Which() != Backend::SQLite)
            return; // a server has no file of its own to open
        quitProgram();
        VERIFY_RAN(db->Run(QStringLiteral("PRAGMA journal_mode=DELETE")));
        const QString cannot = DatabaseFaults::AllowWrites(dataFile(), false);
        QVERIFY2(cannot.isEmpty(), qPrintable(cannot));
        readOnlyFile = dataFile();
        startMainWindowAgain();
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
        QCOMPARE(Dialogs::Testing::Record().at(0).text,
                 QStringLiteral("The database file '%1' can only be read: Staymark shows its "
                                "records but cannot save any change. Ask your administrator to "
                                "let this computer write to the file and its folder.")
                     .arg(dataFile()));

        LogIn();
        QVERIFY(GlobalLogin::IsLoggedIn);
        QVERIFY(OpenBooking());
        frmBooking* form = bookingFor(QStringLiteral("Ann"), QStringLiteral("Lee"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        for (const Dialogs::Shown& shown : shownSince(1))
            QVERIFY2(!shown.text.startsWith(QStringLiteral("Error Code")) &&
                         shown.title != QLatin1String("Customer Added"),
                     qPrintable(shown.text));
        QCOMPARE(db->Count(QStringLiteral("tbl_customers")), 0);
        QCOMPARE(form->txtFName->text(), QStringLiteral("Ann"));
    }

    // Another desk is in the middle of its own booking and holds the day's revenue row.
    void bookingMeetingAHeldRecordIsToldWithinTheBound() {
        LogIn();
        QVERIFY(OpenBooking());
        QTest::mouseClick(bookingFor(QStringLiteral("Bo"), QStringLiteral("Li"))->Command5,
                          Qt::LeftButton);
        QCOMPARE(db->Count(QStringLiteral("tbl_customers")), 1);
        const int bound = theDBworks::LockWaitSeconds();
        OtherDesk desk(db->Which());
        const QString held = desk.Hold(
            QStringLiteral("UPDATE tbl_revenueStats SET tBookings = tBookings WHERE tDate = ") +
                kDay,
            (bound + 3) * 1000ms);
        QVERIFY2(held.isEmpty(), qPrintable(held));

        frmBooking* form = bookingFor(QStringLiteral("Ann"), QStringLiteral("Lee"));
        const qsizetype before = Dialogs::Testing::Record().size();
        QElapsedTimer answered;
        answered.start();
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QVERIFY2(answered.elapsed() < bound * 1000 + 1500,
                 qPrintable(QString::number(answered.elapsed())));
        const QList<Dialogs::Shown> told = shownSince(before);
        QCOMPARE(told.size(), 1);
        QCOMPARE(told.at(0).text, kHeldElsewhere);
        QCOMPARE(db->Count(QStringLiteral("tbl_customers")), 1);
        QCOMPARE(form->txtFName->text(), QStringLiteral("Ann"));
        QCOMPARE(form->ListView2->ListItems().Count(), 1);
        QVERIFY(form->Command5->isEnabled());

        desk.Finish();
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(Dialogs::Testing::Record().last().title, QStringLiteral("Customer Added"));
        QCOMPARE(db->Count(QStringLiteral("tbl_customers")), 2);
        QCOMPARE(
            db->Query(QStringLiteral("SELECT tBookings FROM tbl_revenueStats")).Fields(0).toInt(),
            2);
    }

    // The log row is refused after the day's revenue row was written in the same unit: while
    // the box is open, another desk writes that row without waiting.
    void noLockIsHeldWhileTheRefusalIsOnScreen() {
        LogIn();
        QVERIFY(OpenBooking());
        VERIFY_RAN(db->RefuseWrites(QStringLiteral("tbl_logTable"), Write::Insert));
        VERIFY_RAN(DatabaseFaults::StopWaitingForLocks(*db));
        QString otherDesk = QStringLiteral("not run");
        Dialogs::Testing::DuringNextMessage([&] {
            otherDesk =
                db->Run(QStringLiteral("INSERT INTO tbl_revenueStats (tDate, tRevenue) values(") +
                        kDay + QStringLiteral(", 7)"));
        });
        const qsizetype before = Dialogs::Testing::Record().size();
        frmBooking* form = bookingFor(QStringLiteral("Ann"), QStringLiteral("Lee"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        const QList<Dialogs::Shown> told = shownSince(before);
        QCOMPARE(told.size(), 1);
        QVERIFY(told.at(0).text.startsWith(QStringLiteral("Error Code : DB0003\r\n")));
        QCOMPARE(otherDesk, QString());
        QCOMPARE(db->Count(QStringLiteral("tbl_customers")), 0);
        QCOMPARE(db->Count(QStringLiteral("room_101")), 0);
        Recordset day = db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"));
        QCOMPARE(day.RecordCount(), 1);
        QCOMPARE(day.Money(QStringLiteral("tRevenue")).ToPlainText(), QStringLiteral("7"));
        QCOMPARE(day.Fields(QStringLiteral("tBookings")).toInt(), 0);
    }

    // A page of the file overwritten with random bytes, as a failing disk leaves it: the customer
    // list is whole, or the user is told the file is damaged, never shown a part of it as all.
    void aDamagedPageIsNamedNeverShownAsAPartOfTheList_data() {
        QTest::addColumn<bool>("lastPage");
        QTest::newRow("second page") << false;
        QTest::newRow("last page") << true;
    }
    void aDamagedPageIsNamedNeverShownAsAPartOfTheList() {
        QFETCH(bool, lastPage);
        if (db->Which() != Backend::SQLite)
            return; // a server keeps its pages itself
        constexpr int kBookings = 31;
        const QString address(300, QLatin1Char('a'));
        for (int i = 0; i < kBookings; ++i)
            VERIFY_RAN(db->Run(QStringLiteral("INSERT INTO tbl_customers (cTitle, cFirstName, "
                                              "cLastName, cUniqueNo, cStatus, cAddress) VALUES "
                                              "('Mr.', 'John', 'Smith%1', 'JS%1', 'Confirmed', "
                                              "'%2')")
                                   .arg(i)
                                   .arg(address)));
        quitProgram();
        VERIFY_RAN(db->Run(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")));
        db->CloseOwnConnection();
        {
            QFile file(dataFile());
            QVERIFY(file.open(QIODevice::ReadWrite));
            const QByteArray header = file.read(100);
            const int pageSize = (uchar(header.at(16)) << 8) | uchar(header.at(17));
            const qint64 pages = file.size() / pageSize;
            QVERIFY(pages > 3);
            QByteArray noise(pageSize, '\0');
            QRandomGenerator(11).fillRange(reinterpret_cast<quint32*>(noise.data()),
                                           noise.size() / 4);
            QVERIFY(file.seek((lastPage ? pages - 1 : 1) * pageSize));
            QCOMPARE(file.write(noise), qint64(noise.size()));
        }
        startMainWindowAgain();
        GlobalLogin::IsLoggedIn = true;
        GlobalLogin::PrivCustomerViewEdit = 1;
        QString explained;
        const TestSupport::ModalSteps<frmDBLocateTool> tool([&](frmDBLocateTool& shown) {
            explained = TestSupport::control<QPlainTextEdit>(shown, "Text2")->toPlainText();
            shown.reject();
        });
        triggerAction(QStringLiteral("mnuCustomerList"));
        frmCustomers* list = LoadedInstance<frmCustomers>();
        QVERIFY(list);
        const int shown = list->customerList->ListItems().Count();
        QVERIFY2(
            tool.Ran() || shown == kBookings,
            qPrintable(
                QStringLiteral("%1 of %2 bookings and nothing said").arg(shown).arg(kBookings)));
        if (tool.Ran())
            QVERIFY2(explained.startsWith(QStringLiteral("The database file '%1' is damaged and "
                                                         "must be restored from a backup")
                                              .arg(dataFile())),
                     qPrintable(explained));
        else
            Dialogs::Testing::Reset();
        // A reader that keeps all the rows of its query meets the page the same way.
        Dialogs::Testing::CloseNextModal();
        QVERIFY_THROWS_EXCEPTION(DatabaseUnreachable,
                                 theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM "
                                                                          "tbl_customers")));
        QVERIFY2(
            ErrMsg.startsWith(QStringLiteral("The database file '%1' is damaged").arg(dataFile())),
            qPrintable(ErrMsg));
    }

    // data.db taken away while the program runs, between two bookings: the second is refused
    // in the locate tool, and nothing of it is stored anywhere.
    void aFileTakenAwayBetweenTwoSavesTakesNoMore_data() {
        QTest::addColumn<QString>("takenAway");
        QTest::newRow("removed") << "removed";
        QTest::newRow("moved") << "moved";
        QTest::newRow("replaced by a copy") << "replaced";
    }
    void aFileTakenAwayBetweenTwoSavesTakesNoMore() {
        QFETCH(QString, takenAway);
        if (db->Which() != Backend::SQLite)
            return; // a server has no file of its own to lose
        LogIn();
        QVERIFY(OpenBooking());
        QTest::mouseClick(bookingFor(QStringLiteral("Bo"), QStringLiteral("Li"))->Command5,
                          Qt::LeftButton);
        QCOMPARE(TestSupport::LastMessage(), QStringLiteral("Customer details has been added to "
                                                            "the Record"));
        db->CloseOwnConnection();
        const QString elsewhere = db->Folder() + QStringLiteral("/elsewhere.db");
        QVERIFY(QFile::copy(dataFile(), elsewhere));
        QVERIFY(QFile::remove(dataFile()));
        if (takenAway == QLatin1String("replaced"))
            QVERIFY(QFile::copy(elsewhere, dataFile()));

        QString explained;
        const TestSupport::ModalSteps<frmDBLocateTool> tool([&](frmDBLocateTool& shown) {
            explained = TestSupport::control<QPlainTextEdit>(shown, "Text2")->toPlainText();
            shown.reject();
        });
        const qsizetype before = Dialogs::Testing::Record().size();
        frmBooking* form = bookingFor(QStringLiteral("Ann"), QStringLiteral("Lee"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QVERIFY(tool.Ran());
        const QList<Dialogs::Shown> told = shownSince(before);
        QCOMPARE(told.size(), 1);
        QVERIFY2(explained.startsWith(QStringLiteral("The database file '%1' was removed, moved "
                                                     "or replaced while Staymark was using it")
                                          .arg(dataFile())),
                 qPrintable(explained));
        QCOMPARE(form->txtFName->text(), QStringLiteral("Ann"));
        QCOMPARE(QFile::exists(dataFile()), takenAway == QLatin1String("replaced"));
        const QString ann = QStringLiteral("SELECT * FROM tbl_customers WHERE cFirstName = 'Ann'");
        for (const QString& path : {elsewhere, dataFile()})
            if (QFile::exists(path))
                QCOMPARE(DatabaseFaults::QueryFile(path, ann).RecordCount(), 0);
    }
};

STAYMARK_TEST_MAIN(TestDatabaseFaults)
#include "tst_DatabaseFaults.moc"
