#include "CustomerWindowsFixture.h"

#include "core/frmErrorReport.h"
#include "core/theDBworks.h"
#include "core/ui/ExtLV.h"
#include "tests/core/DatabaseFaults.h"
#include "tests/support/SheetReader.h"

#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

QStringList comboItems(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

using TestSupport::Messages;

// The room schedule driven through its controls: the room chooser, each booking joined with
// its customer, the order by check-out, the name orders, its own failure messages and the
// export.
class TestFrmRoomList : public CustomerWindowsFixture {
    Q_OBJECT

    // Stays booked from today for the nights given; check-out is today plus the nights.
    void bookStays() {
        QVERIFY(!Book(Stay("Mr.", "John", "Smith", {"101", "102"}, 5)).isEmpty());
        QVERIFY(!Book(Stay("Mrs.", "Ann", "Lee", {"102"}, 1)).isEmpty());
        QVERIFY(!Book(Stay("Dr.", "Amy", "Kay", {"101"}, 2)).isEmpty());
        QVERIFY(!Book(Stay("Miss.", "Zoe", "Park", {"101"}, 9)).isEmpty());
    }

    // Each booking as the schedule shows it: booked by, check-in, check-out.
    static QStringList rows(frmRoomList* form) {
        return TestSupport::RowsOf(form->listRoomView, 3);
    }

    static QString shortDate(int daysFromToday) {
        return kToday.addDays(daysFromToday).toString(QStringLiteral("M/d/yyyy"));
    }

private slots:
    void eachRoomListsItsBookingsByCheckOut() {
        bookStays();
        frmRoomList* form = OpenRoomSchedule();
        QVERIFY(form);
        QCOMPARE(Messages(), QStringList());
        QCOMPARE(form->windowTitle(), QStringLiteral("Room(s) Booking Schedules"));
        QCOMPARE(comboItems(form->ComboRooms), (QStringList{"101", "102", "103"}));
        QCOMPARE(form->ComboRooms->currentText(), QStringLiteral("101"));
        QVERIFY(form->Option1[0]->isChecked());
        QCOMPARE(form->Frame1->title(), QStringLiteral("Booking Details for Room :101"));
        QCOMPARE(rows(form), (QStringList{"Dr. Amy Kay|" + shortDate(0) + "|" + shortDate(2),
                                          "Mr. John Smith|" + shortDate(0) + "|" + shortDate(5),
                                          "Miss. Zoe Park|" + shortDate(0) + "|" + shortDate(9)}));
        form->ComboRooms->setCurrentIndex(1);
        QCOMPARE(form->Frame1->title(), QStringLiteral("Booking Details for Room :102"));
        QCOMPARE(rows(form), (QStringList{"Mrs. Ann Lee|" + shortDate(0) + "|" + shortDate(1),
                                          "Mr. John Smith|" + shortDate(0) + "|" + shortDate(5)}));
        form->ComboRooms->setCurrentIndex(2);
        QCOMPARE(form->Frame1->title(), QStringLiteral("Booking Details for Room :103"));
        QCOMPARE(rows(form), QStringList());
        QCOMPARE(Messages(), QStringList());
    }

    void nameViewOrdersTheNames_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("name");
        QTest::newRow("title, first, last") << 0 << "Mr. John Smith";
        QTest::newRow("last, first, title") << 1 << "Smith John Mr.";
        QTest::newRow("first, last, title") << 2 << "John Smith Mr.";
    }
    void nameViewOrdersTheNames() {
        QFETCH(int, option);
        QFETCH(QString, name);
        QVERIFY(!Book(Stay(QStringLiteral("Mr."), QStringLiteral("John"), QStringLiteral("Smith"),
                           {QStringLiteral("101")}))
                     .isEmpty());
        frmRoomList* form = OpenRoomSchedule();
        // A second option first, so that every row switches from one order to another.
        const int other = (option + 1) % 3;
        QTest::mouseClick(form->Option1[other], Qt::LeftButton, {},
                          QPoint(6, form->Option1[other]->height() / 2));
        QTest::mouseClick(form->Option1[option], Qt::LeftButton, {},
                          QPoint(6, form->Option1[option]->height() / 2));
        QVERIFY(form->Option1[option]->isChecked());
        QCOMPARE(form->listRoomView->ListItems().Count(), 1);
        QCOMPARE(form->listRoomView->ListItems().Item(1).Text(), name);
    }

    void missingRoomTableIsReportedInACriticalBox() {
        VERIFY_RAN(db->Run(QStringLiteral("DROP TABLE [room_103]")));
        frmRoomList* form = OpenRoomSchedule();
        form->ComboRooms->setCurrentIndex(2);
        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(shown[0].title, QStringLiteral("Staymark"));
        QVERIFY2(shown[0].text.startsWith(QStringLiteral("Error : 0\r\n")),
                 qPrintable(shown[0].text));
        QVERIFY2(shown[0].text.contains(QStringLiteral("room_103")), qPrintable(shown[0].text));
        QCOMPARE(form->listRoomView->ListItems().Count(), 0);
    }

    // A database that cannot be reached is told once, in the database locate tool: the
    // schedule adds no box of its own.
    void unreachableDatabaseShowsOnlyTheLocateTool_data() {
        QTest::addColumn<bool>("whileLoading");
        QTest::newRow("opening the schedule") << true;
        QTest::newRow("choosing another room") << false;
    }
    void unreachableDatabaseShowsOnlyTheLocateTool() {
        QFETCH(bool, whileLoading);
        bookStays();
        QPointer<frmRoomList> form = whileLoading ? nullptr : OpenRoomSchedule();
        QCOMPARE(Messages(), QStringList());
        DatabaseFaults::BreakStoredSettings(db->Which());
        theDBworks::CloseConnection();
        Dialogs::Testing::CloseNextModal();
        if (whileLoading)
            form = OpenRoomSchedule();
        else
            form->ComboRooms->setCurrentIndex(1);
        QVERIFY(form);
        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("frmDBLocateTool"));
        QVERIFY(!frmErrorReport::Instance());
        QCOMPARE(form->listRoomView->ListItems().Count(), 0);
    }

    void withoutRoomsNothingIsListed() {
        VERIFY_RAN(db->Run(QStringLiteral("DELETE FROM tbl_Rooms")));
        frmRoomList* form = OpenRoomSchedule();
        QCOMPARE(form->ComboRooms->count(), 0);
        QCOMPARE(form->listRoomView->ListItems().Count(), 0);
        QCOMPARE(form->Frame1->title(), QStringLiteral("Booking Details for Room :"));
        QCOMPARE(Messages(), QStringList());
    }

    void exportWritesTheSchedule() {
        bookStays();
        frmRoomList* form = OpenRoomSchedule();
        // The user cancels the first time.
        Dialogs::Testing::AnswerNextFile(QString());
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(Dialogs::Testing::Record().last().kind, QStringLiteral("save"));
        QCOMPARE(Dialogs::Testing::Record().last().initialPath, QDir::currentPath());

        QTemporaryDir folder;
        Dialogs::Testing::AnswerNextFile(folder.filePath(QStringLiteral("room 101.xlsx")));
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        const SheetReader::Sheet sheet =
            SheetReader::ReadFirstSheet(folder.filePath(QStringLiteral("room 101.xlsx")));
        QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
        QCOMPARE(sheet.rows.size(), 4);
        QCOMPARE(sheet.rows[0], (QStringList{"Bookedy By", "Check In", "Check Out"}));
        QCOMPARE(sheet.rows[1].first(), QStringLiteral("Dr. Amy Kay"));
    }
};

STAYMARK_TEST_MAIN(TestFrmRoomList)
#include "tst_frmRoomList.moc"
