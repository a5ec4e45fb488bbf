#include "administration/RoomStore.h"
#include "administration/frmRoomAdminFloat.h"
#include "core/Currency.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "tests/administration/AdminWindowFixture.h"
#include "tests/core/DatabaseFaults.h"
#include "tests/support/AmountSteps.h"
#include "tests/support/DrawnText.h"
#include "tests/support/ListLayouts.h"
#include "tests/support/ShownCell.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QToolTip>

using TestSupport::Messages;
using TestSupport::ModalSteps;
using TestSupport::Write;

namespace {

// Another administrator adds the rooms first, first + 1, ... as the rooms page adds them, and
// stops at a room that is neither added nor found added by this desk.
int addRoomsAtAnotherDesk(const QStringList& work) {
    GlobalLogin::LoggedUserName = QStringLiteral("desk");
    const int first = work.value(0).toInt();
    for (int id = first; id < first + work.value(1).toInt(); ++id) {
        const RoomStore::Result added =
            RoomStore::AddRoom(QString::number(id), QStringLiteral("Desk"),
                               QStringLiteral("Twin Bed"), Currency::FromText("90", QLocale::c()));
        if (added.outcome == RoomStore::Result::Outcome::Failed)
            return 1;
    }
    return 0;
}

} // namespace

// The rooms page driven through its controls: adding with its checks and balloons, the stored
// forms, the booking tables, the log rows, removal and the list's menu.
class TestAdminRooms : public AdminWindowFixture {
    Q_OBJECT

    // Each room as "identifier|description|type|tariff", the tariff as plain decimal text.
    QStringList storedRooms() const {
        QStringList rooms =
            StoredRows(*db, QStringLiteral("SELECT * FROM tbl_Rooms ORDER BY RoomID"),
                       {"RoomNameID", "Description", "RoomType", "RoomPrice"});
        for (QString& room : rooms) {
            const QString tariff = room.section('|', 3);
            room = room.section('|', 0, 2) + '|' +
                   Currency::FromText(tariff, QLocale::c()).ToPlainText();
        }
        return rooms;
    }

    // Two rooms, 101 with one booking in its table.
    QString twoRoomsOneBooked() const {
        const QString error =
            AddRooms({{"101", "Garden", "Twin Bed", "80"}, {"102", "Suite", "Double Bed", "150"}});
        return error.isEmpty() ? BookRoom("101") : error;
    }

private slots:
    void addStoresTheRoomWithItsBookingTable_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("listed");
        QTest::newRow("plain") << "101"
                               << "Garden view"
                               << "Twin Bed"
                               << "1500"
                               << "101|Garden view|Twin Bed|1500"
                               << "101|Garden view|Twin Bed|$1,500.00";
        QTest::newRow("blanks around the identifier") << " 101 "
                                                      << "Garden view"
                                                      << "Twin Bed"
                                                      << "80"
                                                      << "101|Garden view|Twin Bed|80"
                                                      << "101|Garden view|Twin Bed|$80.00";
        QTest::newRow("description left at its placeholder") << "7"
                                                             << "Description"
                                                             << "Single Bed"
                                                             << "60"
                                                             << "7||Single Bed|60"
                                                             << "7||Single Bed|$60.00";
        QTest::newRow("apostrophes in description and type")
            << "102"
            << "Chef's room"
            << "King's Bed"
            << "$1,250.55"
            << "102|Chef!*!s room|King!*!s Bed|1250.55"
            << "102|Chef's room|King's Bed|$1,250.55";
    }
    void addStoresTheRoomWithItsBookingTable() {
        QFETCH(QString, id);
        QFETCH(QString, description);
        QFETCH(QString, type);
        QFETCH(QString, price);
        QFETCH(QString, stored);
        QFETCH(QString, listed);
        OpenAdmin();
        AdminRoomsPage* page = Rooms();
        AddRoomOnPage(id, description, type, price);

        QCOMPARE(storedRooms(), QStringList{stored});
        const QString roomId = stored.section('|', 0, 0);
        QVERIFY(TableExists("room_" + roomId));
        QCOMPARE(LogRows(), QStringList{"Added Room -" + id + "|admin|RoomAddedRemove"});
        QCOMPARE(Messages(), QStringList{"Room " + id + " Added on the Room List!"});
        QCOMPARE(Dialogs::Testing::Record().first().icon, Dialogs::Icon::Information);
        QCOMPARE(Dialogs::Testing::Record().first().title, QStringLiteral("Staymark"));
        QCOMPARE(RowsOf(page->listRoomView, 4), QStringList{listed});
        // The boxes keep what was typed, and the next room can be added.
        QCOMPARE(page->txtRoomID->text(), id);
        QVERIFY(page->cmdAddRoom->isEnabled());
        QVERIFY(!ShownBalloon().shown);
    }

    // However wide the amount, the tariff column shows it whole.
    void theTariffIsShownWhole() {
        OpenAdmin();
        AddRoomOnPage("101", "Garden", "Twin Bed", "1500");
        AddRoomOnPage("102", "Hall", "Twin Bed", "922337203685477");
        ExtLV* list = Rooms()->listRoomView;
        QCOMPARE(TestSupport::ShownCellText(list, 1, 3), QStringLiteral("$1,500.00"));
        QCOMPARE(TestSupport::ShownCellText(list, 2, 3), QStringLiteral("$922,337,203,685,477.00"));
        QCOMPARE(TestSupport::ShownCellText(list, 2, 0), QStringLiteral("102"));
    }

    // With a larger desktop font the page's list is narrower than its columns, and the tariff
    // stands at its right edge.
    void aFigureCutByTheListsEdgeShowsItIsCutAndTellsItWhole() {
        const QFont usual = QApplication::font();
        QFont larger = usual;
        larger.setPointSizeF(usual.pointSizeF() * 1.5);
        QApplication::setFont(larger);
        const auto restore = qScopeGuard([usual] { QApplication::setFont(usual); });
        OpenAdmin();
        AddRoomOnPage("101", "Garden", "Twin Bed", "1500");
        ExtLV* list = Rooms()->listRoomView;
        QVERIFY(QTest::qWaitForWindowExposed(list));
        QApplication::processEvents();
        const int edge = list->viewport()->width();
        const QModelIndex tariff = list->model()->index(0, 3);
        // Scrolled sideways until the tariff's first few pixels show at the edge.
        list->horizontalScrollBar()->setValue(list->visualRect(tariff).left() - edge + 40);
        QVERIFY2(list->visualRect(tariff).left() < edge && list->visualRect(tariff).right() > edge,
                 "the tariff stands at the list's edge");
        bool drawn = false;
        for (const TestSupport::DrawnText& text : TestSupport::TextRecorder::Of(list->viewport())) {
            if (!text.text.startsWith(QLatin1Char('$')))
                continue;
            drawn = true;
            QVERIFY2(text.text.endsWith(QChar(0x2026)) || text.place.right() <= edge,
                     qPrintable(text.text + QStringLiteral(" drawn past the list's edge")));
        }
        QVERIFY(drawn);
        const QPoint shown =
            list->visualRect(tariff).intersected(list->viewport()->rect()).center();
        QHelpEvent tip(QEvent::ToolTip, shown, list->viewport()->mapToGlobal(shown));
        QApplication::sendEvent(list->viewport(), &tip);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("$1,500.00"));
    }

    void theTariffIsStoredAlikeInEveryLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        OpenAdmin();
        AddRoomOnPage("101", "Garten", "Twin Bed", "1.500,50");
        const QStringList listed = RowsOf(Rooms()->listRoomView, 4);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(storedRooms(), QStringList{"101|Garten|Twin Bed|1500.5"});
        QCOMPARE(listed,
                 QStringList{"101|Garten|Twin Bed|" +
                             QLocale(QLocale::German, QLocale::Germany).toCurrencyString(1500.5)});
    }

    void refusedInputGetsItsBalloonAndStoresNothing_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString idText = QStringLiteral("Please Enter Room ID!");
        const QString priceText = QStringLiteral("Please Enter Tariff as Numeric Characters!");
        const QString wholeText = QStringLiteral("Please Enter Room ID as Numeric Characters!");
        QTest::newRow("placeholder") << "Room ID"
                                     << "80"
                                     << "txtRoomID"
                                     << "Please enter Room ID" << idText;
        QTest::newRow("empty, tariff checked after it") << ""
                                                        << "abc"
                                                        << "txtRoomID"
                                                        << "Please enter Room ID" << idText;
        QTest::newRow("letters") << "10A"
                                 << "80"
                                 << "txtRoomID"
                                 << "Invalid Room ID" << wholeText;
        QTest::newRow("decimal") << "1.5"
                                 << "80"
                                 << "txtRoomID"
                                 << "Invalid Room ID" << wholeText;
        QTest::newRow("negative") << "-3"
                                  << "80"
                                  << "txtRoomID"
                                  << "Invalid Room ID" << wholeText;
        QTest::newRow("beyond the booking tables' integers") << "2147483648"
                                                             << "80"
                                                             << "txtRoomID"
                                                             << "Invalid Room ID" << wholeText;
        QTest::newRow("tariff not a number") << "101"
                                             << "abc"
                                             << "txtRoomPrice"
                                             << "Invalid Tariff" << priceText;
        QTest::newRow("tariff below zero") << "101"
                                           << "-5"
                                           << "txtRoomPrice"
                                           << "Invalid Tariff"
                                           << "Please Enter Tariff of 0 or more!";
        QTest::newRow("tariff empty") << "101"
                                      << ""
                                      << "txtRoomPrice"
                                      << "Please enter Numeric values in the Box" << priceText;
    }
    void refusedInputGetsItsBalloonAndStoresNothing() {
        QFETCH(QString, id);
        QFETCH(QString, price);
        QFETCH(QString, target);
        QFETCH(QString, title);
        QFETCH(QString, text);
        OpenAdmin();
        AdminRoomsPage* page = Rooms();
        page->txtRoomDesc->setFocus();
        AddRoomOnPage(id, "Garden", "Twin Bed", price);
        const TestSupport::Balloon balloon = ShownBalloon();
        QVERIFY(balloon.shown);
        QCOMPARE(balloon.title, title);
        QCOMPARE(balloon.text, text);
        QCOMPARE(balloon.icon, int(CBalloonToolTip::ErrorIcon));
        QCOMPARE(balloon.TargetName(), target);
        // The balloon leaves the focus where it was.
        QVERIFY(QApplication::focusWidget() != balloon.target.data());
        QVERIFY(page->cmdAddRoom->isEnabled());
        QCOMPARE(db->Count("tbl_Rooms"), 0);
        QVERIFY(LogRows().isEmpty());
        VERIFY_NOTHING_SHOWN();
    }

    // The tariff box keeps the last room's tariff: a click into it selects that amount, so what
    // is typed or pasted is the next room's tariff; a text that is not one amount gets the
    // balloon and adds nothing.
    void theNextTariffIsTheAmountEntered_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored"); // the second room's row; empty when refused
        QTest::newRow("typed over the tariff") << "type"
                                               << "95"
                                               << "102|Hall|Twin Bed|95";
        QTest::newRow("pasted over the tariff") << "paste"
                                                << "$1,250.50"
                                                << "102|Hall|Twin Bed|1250.5";
        QTest::newRow("pasted with digits grouped apart") << "paste"
                                                          << "9,5" << QString();
        QTest::newRow("pasted with a line break") << "paste"
                                                  << "95\n100" << QString();
        QTest::newRow("pasted with an emoji")
            << "paste" << QStringLiteral("95\U0001F4B6") << QString();
    }
    void theNextTariffIsTheAmountEntered() {
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(QString, stored);
        OpenAdmin();
        QApplication::setActiveWindow(main);
        AdminRoomsPage* page = Rooms();
        AddRoomOnPage("101", "Garden", "Twin Bed", "80");
        page->txtRoomID->setText("102");
        page->txtRoomDesc->setText("Hall");
        TestSupport::ChangeAmount(page->txtRoomPrice, how, text);
        QTest::mouseClick(page->cmdAddRoom, Qt::LeftButton);
        const TestSupport::Balloon balloon = ShownBalloon();
        QCOMPARE(balloon.shown, stored.isEmpty());
        QStringList rooms{"101|Garden|Twin Bed|80"};
        QStringList shown{"Room 101 Added on the Room List!"};
        if (stored.isEmpty()) {
            QCOMPARE(balloon.title, QStringLiteral("Invalid Tariff"));
            QCOMPARE(balloon.TargetName(), QStringLiteral("txtRoomPrice"));
        } else {
            rooms << stored;
            shown << "Room 102 Added on the Room List!";
        }
        QCOMPARE(storedRooms(), rooms);
        QCOMPARE(Messages(), shown);
    }

    void aTakenIdentifierWaitsForAChange() {
        VERIFY_RAN(AdminStatements::AddRoom("101", "Garden", "Twin Bed", "80"));
        OpenAdmin();
        AdminRoomsPage* page = Rooms();
        // Checked in its stored form, blanks and all.
        AddRoomOnPage(" 101 ", "Another", "Twin Bed", "90");
        const TestSupport::Balloon balloon = ShownBalloon();
        QVERIFY(balloon.shown);
        QCOMPARE(balloon.title, QStringLiteral("Room Already Exist!"));
        QCOMPARE(balloon.text, QStringLiteral("Please Enter Room ID!"));
        QCOMPARE(balloon.target.data(), page->txtRoomID);
        QVERIFY(!page->cmdAddRoom->isEnabled());
        QCOMPARE(storedRooms().size(), 1);
        // Any of the four fields enables it again.
        page->comboRoomType->setCurrentIndex(2);
        QVERIFY(page->cmdAddRoom->isEnabled());
    }

    void addingIsAllOrNothing_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("code");
        QTest::newRow("room row refused") << "tbl_Rooms"
                                          << "DB0003";
        QTest::newRow("log row refused") << "tbl_logTable"
                                         << "DB0003";
        QTest::newRow("booking table already there") << ""
                                                     << "DB0005";
    }
    void addingIsAllOrNothing() {
        QFETCH(QString, table);
        QFETCH(QString, code);
        if (table.isEmpty())
            VERIFY_RAN(db->Run("CREATE TABLE room_101 (ID INT, Kept INT)"));
        else
            VERIFY_RAN(db->RefuseWrites(table, Write::Insert));
        OpenAdmin();
        AddRoomOnPage("101", "Garden", "Twin Bed", "80");
        QCOMPARE(db->Count("tbl_Rooms"), 0);
        QVERIFY(LogRows().isEmpty());
        // A table that was there before stays; one made for the room goes again.
        QCOMPARE(TableExists("room_101"), table.isEmpty());
        if (table.isEmpty())
            VERIFY_RAN(db->Run("SELECT Kept FROM room_101"));
        const QStringList messages = Messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith("Error Code : " + code + "\r\n"),
                 qPrintable(messages.first()));
        QVERIFY(Rooms()->cmdAddRoom->isEnabled());
        QCOMPARE(Rooms()->listRoomView->ListItems().Count(), 0);
    }

    void anEmptyBookingTableThatNoRoomNamesIsTakenOver() {
        // As an addition that could not finish after making the table leaves it.
        QVERIFY(RoomStore::CreateBookingTable("104"));
        OpenAdmin();
        AddRoomOnPage("104", "Garden", "Twin Bed", "80");
        QCOMPARE(Messages(), QStringList{"Room 104 Added on the Room List!"});
        QCOMPARE(storedRooms(), QStringList{"104|Garden|Twin Bed|80"});
        QCOMPARE(db->Count("room_104"), 0);
        QCOMPARE(LogRows(), QStringList{"Added Room -104|admin|RoomAddedRemove"});
    }

    void theDeskThatLosesTheSameRoomGetsTheBalloon() {
        // Another desk has made the table and is storing the room's row.
        QVERIFY(RoomStore::CreateBookingTable("104"));
        OpenAdmin();
        DatabaseFaults::OtherDesk desk(db->Which());
        VERIFY_RAN(desk.Hold(QStringLiteral("INSERT INTO tbl_Rooms (RoomNameID, Description, "
                                            "RoomType, RoomPrice) VALUES ('104', 'Other', "
                                            "'Twin Bed', '90')"),
                             std::chrono::milliseconds(1500)));
        AddRoomOnPage("104", "Garden", "Twin Bed", "80");
        desk.Finish();
        const TestSupport::Balloon balloon = ShownBalloon();
        QVERIFY(balloon.shown);
        QCOMPARE(balloon.title, QStringLiteral("Room Already Exist!"));
        QCOMPARE(balloon.target.data(), Rooms()->txtRoomID);
        QVERIFY(!Rooms()->cmdAddRoom->isEnabled());
        VERIFY_NOTHING_SHOWN();
        QCOMPARE(storedRooms(), QStringList{"104|Other|Twin Bed|90"});
        QVERIFY(TableExists("room_104"));
        QVERIFY(LogRows().isEmpty());
    }

    // Two administrators add the same rooms at the same moment: each room is added once, with
    // its table and its log row, and the desk that loses a room meets the page's balloon.
    void twoDesksAddingTheSameRoomsAtOnce() {
        const int first = 201;
        const int count = 40;
        OpenAdmin();
        AdminRoomsPage* page = Rooms();
        DatabaseFaults::DeskProcess desk({QString::number(first), QString::number(count)});
        VERIFY_RAN(desk.Start());
        QStringList addedHere;
        for (int id = first; id < first + count; ++id) {
            const QString roomId = QString::number(id);
            const qsizetype before = Messages().size();
            QTest::mouseClick(page->txtRoomID, Qt::LeftButton);
            AddRoomOnPage(roomId, "Front", "Twin Bed", "80");
            const QStringList shown = Messages().mid(before);
            if (shown == QStringList{"Room " + roomId + " Added on the Room List!"}) {
                addedHere << roomId;
                continue;
            }
            const TestSupport::Balloon balloon = ShownBalloon();
            QVERIFY2(shown.isEmpty() && balloon.shown &&
                         balloon.title == QLatin1String("Room Already Exist!"),
                     qPrintable(roomId + ": " + shown.join(" / ")));
        }
        VERIFY_RAN(desk.Finish());
        QVERIFY(!frmErrorReport::Instance());

        QStringList rooms;
        QStringList logTexts;
        for (int id = first; id < first + count; ++id) {
            rooms << QString::number(id);
            logTexts << "Added Room -" + QString::number(id);
            QVERIFY(TableExists("room_" + QString::number(id)));
        }
        QStringList stored = StoredRows(*db, "SELECT RoomNameID FROM tbl_Rooms", {"RoomNameID"});
        stored.sort();
        QCOMPARE(stored, rooms);
        QCOMPARE(StoredRows(*db,
                            "SELECT RoomNameID FROM tbl_Rooms WHERE Description = 'Front' "
                            "ORDER BY RoomNameID",
                            {"RoomNameID"}),
                 addedHere);
        QStringList logged = StoredRows(
            *db, "SELECT LogText FROM tbl_logTable WHERE LogKey = 'RoomAddedRemove'", {"LogText"});
        logged.sort();
        QCOMPARE(logged, logTexts);
    }

    // What a removal cut short leaves is finished when the program starts: a booking table set
    // aside comes back to its room, and goes with a room that is gone; nothing else is touched.
    void removalsCutShortAreFinishedAtTheNextStart() {
        VERIFY_RAN(
            AddRooms({{"101", "Garden", "Twin Bed", "80"}, {"102", "Suite", "Double Bed", "150"}}));
        const QStringList keys =
            StoredRows(*db, "SELECT RoomID FROM tbl_Rooms ORDER BY RoomID", {"RoomID"});
        // 101's removal stopped before its row went, 102's after.
        VERIFY_RAN(db->Run("ALTER TABLE [room_101] RENAME TO [room_101_removed_" + keys[0] + "]"));
        VERIFY_RAN(db->Run("ALTER TABLE [room_102] RENAME TO [room_102_removed_" + keys[1] + "]"));
        VERIFY_RAN(db->Run("DELETE FROM tbl_Rooms WHERE RoomID = " + keys[1]));
        // No removal's: one that holds a booking, one named otherwise.
        VERIFY_RAN(db->Run("CREATE TABLE room_103_removed_77 (ID INT)"));
        VERIFY_RAN(db->Run("INSERT INTO room_103_removed_77 (ID) VALUES (1)"));
        VERIFY_RAN(db->Run("CREATE TABLE room_104_removed_x (ID INT)"));

        StartAgain();

        for (const QString& gone : {"room_101_removed_" + keys[0], "room_102_removed_" + keys[1]})
            QVERIFY2(!TableExists(gone), qPrintable(gone));
        for (const char* kept : {"room_101", "room_103_removed_77", "room_104_removed_x"})
            QVERIFY2(TableExists(kept), kept);
        QCOMPARE(db->Count("room_101"), 0);
        QCOMPARE(storedRooms(), QStringList{"101|Garden|Twin Bed|80"});
        VERIFY_NOTHING_SHOWN();
    }

    void removeTakesAnEmptyRoomWithItsTableAndLogsIt() {
        VERIFY_RAN(twoRoomsOneBooked());
        OpenAdmin();
        AdminRoomsPage* page = Rooms();
        ClickRow(page->listRoomView, "102", Qt::LeftButton);
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(page->cmdRemoveRoom, Qt::LeftButton);

        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].kind, QStringLiteral("question"));
        QCOMPARE(shown[0].text, QStringLiteral("Remove Selected Room! Are you Sure?"));
        QCOMPARE(shown[0].title, QStringLiteral("Remove Room"));
        QCOMPARE(shown[1].text, QStringLiteral("Room 102 Removed!"));
        QCOMPARE(storedRooms(), QStringList{"101|Garden|Twin Bed|80"});
        QVERIFY(!TableExists("room_102"));
        QVERIFY(!TableExists("room_102_removed_2"));
        QCOMPARE(db->Count("room_101"), 1);
        QCOMPARE(LogRows(), QStringList{"Removed Room 102|admin|RoomAddedRemove"});
        QCOMPARE(RowsOf(page->listRoomView, 1), QStringList{"101"});
        // The removed room's table name is free again.
        AddRoomOnPage("102", "New", "Twin Bed", "70");
        QVERIFY(TableExists("room_102"));
        QCOMPARE(db->Count("room_102"), 0);
    }

    // With a column put in front of the others every cell stands one place on: the menu still
    // removes the room of the row chosen, and only that.
    void removalTakesTheChosenRoomWhereverItsCellsStand() {
        VERIFY_RAN(twoRoomsOneBooked());
        OpenAdmin();
        AdminRoomsPage* page = Rooms();
        TestSupport::PutColumnInFront(page->listRoomView, QStringLiteral("Floor"));
        Dialogs::Testing::AnswerNextQuestion(true);
        ChooseFromMenu(page->listRoomView, page->AGPopUp1,
                       int(RowsOf(page->listRoomView, 2).indexOf(QStringLiteral("|102"))) + 1,
                       QStringLiteral("mnuRemoveRoom"));
        QCOMPARE(TestSupport::LastMessage(), QStringLiteral("Room 102 Removed!"));
        QCOMPARE(storedRooms(), QStringList{"101|Garden|Twin Bed|80"});
        QVERIFY(!TableExists("room_102"));
    }

    // Removing a room drops its table: one that holds bookings stays, even when another desk
    // books it while the removal runs.
    void aBookedRoomIsNotRemoved_data() {
        QTest::addColumn<QString>("room");
        QTest::addColumn<bool>("bookedMeanwhile");
        QTest::addColumn<int>("bookings");
        QTest::addColumn<QString>("message");
        QTest::newRow("booked") << "101" << false << 1
                                << "Room 101 is not removed: 1 booking holds it.";
        QTest::newRow("booked at another desk meanwhile")
            << "102" << true << 1 << "Room 102 is not removed: 1 booking holds it.";
        QTest::newRow("booked, and again meanwhile")
            << "101" << true << 2 << "Room 101 is not removed: 2 bookings hold it.";
    }
    void aBookedRoomIsNotRemoved() {
        QFETCH(QString, room);
        QFETCH(bool, bookedMeanwhile);
        QFETCH(int, bookings);
        QFETCH(QString, message);
        VERIFY_RAN(twoRoomsOneBooked());
        OpenAdmin();
        DatabaseFaults::OtherDesk desk(db->Which());
        if (bookedMeanwhile)
            VERIFY_RAN(desk.Hold(QStringLiteral("INSERT INTO room_%1 (RoomNameID, cUniqueID) "
                                                "VALUES (%1, 'ABXYZWVU')")
                                     .arg(room),
                                 std::chrono::milliseconds(1500)));
        Dialogs::Testing::AnswerNextQuestion(true);
        ChooseFromMenu(Rooms()->listRoomView, Rooms()->AGPopUp1, room, "mnuRemoveRoom");
        desk.Finish();
        QCOMPARE(Messages(), (QStringList{"Remove Selected Room! Are you Sure?", message}));
        QCOMPARE(storedRooms().size(), 2);
        QCOMPARE(db->Count("room_" + room), bookings);
        QVERIFY(LogRows().isEmpty());
        QVERIFY(!frmErrorReport::Instance());
        QCOMPARE(Rooms()->listRoomView->ListItems().Count(), 2);
    }

    void removalIsAllOrNothing_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<Write>("write");
        QTest::addColumn<bool>("answer");
        QTest::newRow("answered No") << "" << Write::Delete << false;
        QTest::newRow("room row refused") << "tbl_Rooms" << Write::Delete << true;
        QTest::newRow("log row refused") << "tbl_logTable" << Write::Insert << true;
    }
    void removalIsAllOrNothing() {
        QFETCH(QString, table);
        QFETCH(Write, write);
        QFETCH(bool, answer);
        VERIFY_RAN(twoRoomsOneBooked());
        if (!table.isEmpty())
            VERIFY_RAN(db->RefuseWrites(table, write));
        OpenAdmin();
        AdminRoomsPage* page = Rooms();
        Dialogs::Testing::AnswerNextQuestion(answer);
        ChooseFromMenu(page->listRoomView, page->AGPopUp1, "102", "mnuRemoveRoom");
        QCOMPARE(storedRooms().size(), 2);
        QVERIFY(TableExists("room_102"));
        QVERIFY(!TableExists("room_102_removed_2"));
        QVERIFY(LogRows().isEmpty());
        const QStringList messages = Messages();
        QCOMPARE(messages.first(), QStringLiteral("Remove Selected Room! Are you Sure?"));
        QCOMPARE(messages.size(), answer ? 2 : 1);
        if (answer)
            QVERIFY2(messages.last().startsWith("Error Code : DB000"), qPrintable(messages.last()));
        QCOMPARE(page->listRoomView->ListItems().Count(), 2);
    }

    void aRoomWhoseTableIsMissingIsReportedAndStays() {
        VERIFY_RAN(twoRoomsOneBooked());
        VERIFY_RAN(db->Run("DROP TABLE room_102"));
        OpenAdmin();
        Dialogs::Testing::AnswerNextQuestion(true);
        ChooseFromMenu(Rooms()->listRoomView, Rooms()->AGPopUp1, "102", "mnuRemoveRoom");
        QCOMPARE(storedRooms().size(), 2);
        QVERIFY(LogRows().isEmpty());
        QVERIFY(Messages().last().startsWith("Error Code : DB0002\r\n"));
    }

    void removingWithoutASelectionIsReported() {
        VERIFY_RAN(twoRoomsOneBooked());
        OpenAdmin();
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(Rooms()->cmdRemoveRoom, Qt::LeftButton);
        QCOMPARE(Messages(), QStringList{"Remove Selected Room! Are you Sure?"});
        const QString report = ReportShown();
        QVERIFY2(report.startsWith("Error Code : ADM0003\nObject variable or With block variable "
                                   "not set"),
                 qPrintable(report));
        QCOMPARE(storedRooms().size(), 2);
    }

    void theIdentifierBoxDropsQuotesSemicolonsAndQuestionMarks() {
        OpenAdmin();
        QLineEdit* box = Rooms()->txtRoomID;
        box->clear();
        box->setFocus();
        QTest::keyClicks(box, "1'0;1?");
        // Each key first takes out what the keys before it typed.
        QCOMPARE(box->text(), QStringLiteral("101?"));
        QTest::keyClick(box, Qt::Key_Home);
        QCOMPARE(box->text(), QStringLiteral("101"));
        QTest::keyClick(box, Qt::Key_Right);
        QTest::keyClicks(box, "?5");
        QCOMPARE(box->text(), QStringLiteral("1501"));
        QCOMPARE(box->cursorPosition(), 2);
    }

    void aClickTakesThePlaceholderAndAPressTheBalloon_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("balloonGoes");
        QTest::newRow("identifier placeholder") << "txtRoomID"
                                                << "Room ID"
                                                << "" << true;
        QTest::newRow("identifier typed") << "txtRoomID"
                                          << "101"
                                          << "101" << true;
        QTest::newRow("description placeholder") << "txtRoomDesc"
                                                 << "Description"
                                                 << "" << true;
        QTest::newRow("tariff") << "txtRoomPrice"
                                << "80"
                                << "80" << false;
    }
    void aClickTakesThePlaceholderAndAPressTheBalloon() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, after);
        QFETCH(bool, balloonGoes);
        OpenAdmin();
        AddRoomOnPage("", "Garden", "Twin Bed", "80");
        QVERIFY(ShownBalloon().shown);
        auto* field = TestSupport::control<QLineEdit>(LoadedInstance<frmAdminArea>(), box);
        field->setText(text);
        QTest::mouseClick(field, Qt::LeftButton);
        QCOMPARE(field->text(), after);
        QCOMPARE(!ShownBalloon().shown, balloonGoes);
    }

    void aBalloonGoesWithItsPage() {
        VERIFY_RAN(twoRoomsOneBooked());
        frmAdminArea* form = OpenAdmin();
        AddRoomOnPage("", "Garden", "Twin Bed", "80");
        QVERIFY(ShownBalloon().shown);
        form->SSTab1->setCurrentIndex(3);
        QVERIFY(!ShownBalloon().shown);
        form->SSTab1->setCurrentIndex(0);
        AddRoomOnPage("", "Garden", "Twin Bed", "80");
        bool balloonOverEditor = true;
        const ModalSteps<frmRoomAdminFloat> editor([&](frmRoomAdminFloat& window) {
            balloonOverEditor = ShownBalloon().shown;
            window.close();
        });
        ChooseFromMenu(Rooms()->listRoomView, Rooms()->AGPopUp1, "101", "mnuEditSelected");
        QVERIFY(editor.Ran());
        QVERIFY(!balloonOverEditor);
    }

    void theListsMenuOffersItsItemsInOrder() {
        VERIFY_RAN(twoRoomsOneBooked());
        OpenAdmin();
        AdminRoomsPage* page = Rooms();
        ClickRow(page->listRoomView, "102", Qt::LeftButton);
        QTest::mouseDClick(
            page->listRoomView->viewport(), Qt::LeftButton, {},
            page->listRoomView->visualRect(page->listRoomView->currentIndex()).center());
        QMenu* menu = page->AGPopUp1->Menu();
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        QStringList items;
        for (const QAction* action : menu->actions())
            items << (action->isSeparator() ? "-" : action->objectName() + ' ' + action->text());
        QCOMPARE(items, (QStringList{"mnuRemoveRoom &Remove Room", "mnuEditSelected &Edit Selected",
                                     "-", "mnuExportToExcel Export to Excel"}));
        menu->close();

        const ModalSteps<frmRoomAdminFloat> editor([](frmRoomAdminFloat& room) {
            QCOMPARE(room.txtRoomIDedit->text(), QStringLiteral("102"));
            room.close();
        });
        ChooseFromMenu(page->listRoomView, page->AGPopUp1, "102", "mnuEditSelected");
        QVERIFY(editor.Ran());
        const Dialogs::Shown& opened = Dialogs::Testing::Record().last();
        QCOMPARE(opened.kind, QStringLiteral("modal"));
        QCOMPARE(opened.text, QStringLiteral("frmRoomAdminFloat"));
    }
};

STAYMARK_TEST_MAIN_WITH_DESK(TestAdminRooms, addRoomsAtAnotherDesk)
#include "tst_AdminRooms.moc"
