#include "administration/frmRoomAdminFloat.h"
#include "core/Currency.h"
#include "tests/administration/AdminWindowFixture.h"
#include "tests/core/DatabaseFaults.h"
#include "tests/support/AmountSteps.h"
#include "tests/support/ListLayouts.h"
#include "tests/support/ScopedLocale.h"

#include <QLineEdit>
#include <QPushButton>

#include <functional>

using TestSupport::Messages;
using TestSupport::Write;

// The room editor, opened from the room list's menu: what it loads, what Modify changes as one
// piece, and what it refuses.
class TestFrmRoomAdminFloat : public AdminWindowFixture {
    Q_OBJECT

    QStringList storedRooms() const {
        QStringList rooms =
            StoredRows(*db, QStringLiteral("SELECT * FROM tbl_Rooms ORDER BY RoomID"),
                       {"RoomNameID", "Description", "RoomPrice"});
        for (QString& room : rooms)
            room = room.section('|', 0, 1) + '|' +
                   Currency::FromText(room.section('|', 2), QLocale::c()).ToPlainText();
        return rooms;
    }

    // 101, 102 and 103, which has a booking.
    QString threeRooms() const {
        const QString error = AddRooms({{"101", "Chef's room", "Twin Bed", "1500"},
                                        {"102", "Suite", "Double Bed", "80"},
                                        {"103", "Attic", "Single Bed", "45"}});
        return error.isEmpty() ? BookRoom("103") : error;
    }

    // Opens the editor on the room from the list's menu; `inside` runs while it is open and
    // leaves it open or closed. True when the editor was still open after `inside`.
    bool edit(const QString& room, const std::function<void(frmRoomAdminFloat&)>& inside,
              const std::source_location& where = std::source_location::current()) {
        const TestSupport::ModalSteps<frmRoomAdminFloat> editor(inside, where);
        OpenAdmin(where);
        ChooseFromMenu(Rooms()->listRoomView, Rooms()->AGPopUp1, room, "mnuEditSelected", where);
        if (!editor.Ran())
            TestSupport::FailAt(QStringLiteral("the room editor did not open"), where);
        return editor.Ran() && !editor.ClosedByTheSteps();
    }

    static void modify(frmRoomAdminFloat& editor, const QString& id, const QString& note,
                       const QString& rate, bool yes = true) {
        editor.txtRoomIDedit->setText(id);
        editor.txtRoomDescEdit->setText(note);
        editor.txtPriceEdit->setText(rate);
        Dialogs::Testing::AnswerNextQuestion(yes);
        QTest::mouseClick(editor.cmdEditIt, Qt::LeftButton);
    }

    // The messages shown after the editor opened.
    static QStringList messagesAfterOpening() {
        QStringList texts = Messages();
        texts.removeFirst();
        return texts;
    }

    void initTest() override { VERIFY_RAN(threeRooms()); }

private slots:
    void loadShowsTheSelectedRoomWhereTheRowIs() {
        ExtLV* list = nullptr;
        QPoint expected;
        edit("101", [&](frmRoomAdminFloat& editor) {
            list = Rooms()->listRoomView;
            expected = QPoint(list->ItemX(), list->ItemY());
            QCOMPARE(QPoint(editor.WX, editor.WY), expected);
            QCOMPARE(editor.pos(), expected);
            QCOMPARE(editor.txtRoomIDedit->text(), QStringLiteral("101"));
            QCOMPARE(editor.txtRoomDescEdit->text(), QStringLiteral("Chef's room"));
            QCOMPARE(editor.txtPriceEdit->text(), QStringLiteral("$1,500.00"));
            const QString key = list->SelectedItem().SubItems(4);
            QCOMPARE(QString::number(LoadedInstance<frmAdminArea>()->ListViewValueFromDB), key);
        });
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
    }

    void modifyChangesTheRoomAsOnePiece_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("listed");
        QTest::newRow("tariff in the currency format, apostrophe kept")
            << "101"
            << "Chef's best room"
            << "$2,000.50"
            << "101|Chef!*!s best room|2000.5"
            << "101|Chef's best room|Twin Bed|$2,000.50";
        QTest::newRow("plain tariff, blanks around the identifier") << " 101 "
                                                                    << "Garden"
                                                                    << "90"
                                                                    << "101|Garden|90"
                                                                    << "101|Garden|Twin Bed|$90.00";
        QTest::newRow("new identifier, with its booking table") << "111"
                                                                << "Renamed"
                                                                << "$1,500.00"
                                                                << "111|Renamed|1500"
                                                                << "111|Renamed|Twin Bed|$1,500.00";
    }
    void modifyChangesTheRoomAsOnePiece() {
        QFETCH(QString, id);
        QFETCH(QString, note);
        QFETCH(QString, rate);
        QFETCH(QString, stored);
        QFETCH(QString, listed);
        const bool stayedOpen =
            edit("101", [&](frmRoomAdminFloat& editor) { modify(editor, id, note, rate); });
        QVERIFY(!stayedOpen);
        QCOMPARE(storedRooms().first(), stored);
        const QString newId = stored.section('|', 0, 0);
        QVERIFY(TableExists("room_" + newId));
        QCOMPARE(TableExists("room_101"), newId == QLatin1String("101"));
        QCOMPARE(RowsOf(Rooms()->listRoomView, 4).first(), listed);
        const Dialogs::Shown& question = Dialogs::Testing::Record().at(1);
        QCOMPARE(question.kind, QStringLiteral("question"));
        QCOMPARE(question.text, QStringLiteral("Update Selected Room?"));
        QCOMPARE(question.title, QStringLiteral("Update Room Info"));
        QCOMPARE(Dialogs::Testing::Record().size(), 2);
    }

    // With a column put in front of the others every cell stands one place on: the editor
    // still opens on, and changes, the room of the row chosen.
    void editsTheChosenRoomWhereverItsCellsStand() {
        OpenAdmin();
        ExtLV* list = Rooms()->listRoomView;
        TestSupport::PutColumnInFront(list, QStringLiteral("Floor"));
        const TestSupport::ModalSteps<frmRoomAdminFloat> editor([&](frmRoomAdminFloat& shown) {
            QCOMPARE(shown.txtRoomIDedit->text(), QStringLiteral("102"));
            QCOMPARE(shown.txtPriceEdit->text(), QStringLiteral("$80.00"));
            modify(shown, QStringLiteral("102"), QStringLiteral("Sea view"), QStringLiteral("90"));
        });
        ChooseFromMenu(list, Rooms()->AGPopUp1,
                       int(RowsOf(list, 2).indexOf(QStringLiteral("|102"))) + 1,
                       QStringLiteral("mnuEditSelected"));
        QVERIFY(editor.Ran());
        QCOMPARE(storedRooms(),
                 (QStringList{"101|Chef!*!s room|1500", "102|Sea view|90", "103|Attic|45"}));
    }

    void aRefusedIdentifierIsExplainedAndChangesNothing_data() {
        QTest::addColumn<QString>("room");
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("bookedMeanwhile");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a whole number")
            << "101"
            << "11a" << false << "Please Enter Room ID as Numeric Characters!";
        QTest::newRow("another room's")
            << "101"
            << "102" << false << "Room 102 Already Exist! Please change Room ID.";
        QTest::newRow("room with bookings")
            << "103"
            << "113" << false
            << "Room 103 has bookings, so it keeps its Room ID: under another ID the room would "
               "lose them.";
        // The count and the rename are one piece: the booking cannot slip in between.
        QTest::newRow("room booked at another desk meanwhile")
            << "101"
            << "111" << true
            << "Room 101 has bookings, so it keeps its Room ID: under another ID the room would "
               "lose them.";
    }
    void aRefusedIdentifierIsExplainedAndChangesNothing() {
        QFETCH(QString, room);
        QFETCH(QString, id);
        QFETCH(bool, bookedMeanwhile);
        QFETCH(QString, message);
        const QStringList before = storedRooms();
        DatabaseFaults::OtherDesk desk(db->Which());
        const bool stayedOpen = edit(room, [&](frmRoomAdminFloat& editor) {
            if (bookedMeanwhile)
                VERIFY_RAN(desk.Hold(QStringLiteral("INSERT INTO room_%1 (RoomNameID, cUniqueID) "
                                                    "VALUES (%1, 'ABXYZWVU')")
                                         .arg(room),
                                     std::chrono::milliseconds(1500)));
            modify(editor, id, "Changed", "99");
        });
        desk.Finish();
        // Open still, for another identifier.
        QVERIFY(stayedOpen);
        QCOMPARE(messagesAfterOpening(), (QStringList{"Update Selected Room?", message}));
        QCOMPARE(storedRooms(), before);
        QVERIFY(TableExists("room_" + room));
        QCOMPARE(TableExists("room_" + id), id == QLatin1String("102"));
        QCOMPARE(db->Count("room_103"), 1);
        QCOMPARE(db->Count("room_" + room),
                 room == QLatin1String("103") || bookedMeanwhile ? 1 : 0);
    }

    // Input the window cannot use is answered at the box, not by the critical error message.
    // Modify pressed, or Enter in a box, which presses it and goes no further: the balloon
    // stays on screen.
    void aTariffThatIsNotMoneyGetsTheBalloonAndChangesNothing_data() {
        QTest::addColumn<QString>("enterIn");
        QTest::newRow("Modify clicked") << QString();
        QTest::newRow("Enter in the identifier") << "txtRoomIDedit";
        QTest::newRow("Enter in the note") << "txtRoomDescEdit";
        QTest::newRow("Enter in the rate") << "txtPriceEdit";
    }
    void aTariffThatIsNotMoneyGetsTheBalloonAndChangesNothing() {
        QFETCH(QString, enterIn);
        const QStringList before = storedRooms();
        const bool stayedOpen = edit("101", [&](frmRoomAdminFloat& editor) {
            editor.txtRoomIDedit->setText("111");
            editor.txtPriceEdit->setText("abc");
            if (enterIn.isEmpty())
                QTest::mouseClick(editor.cmdEditIt, Qt::LeftButton);
            else
                QTest::keyClick(TestSupport::control<QLineEdit>(&editor, enterIn), Qt::Key_Return);
            const TestSupport::Balloon balloon = TestSupport::ShownBalloon(&editor);
            QVERIFY(balloon.shown);
            QCOMPARE(balloon.TargetName(), QStringLiteral("txtPriceEdit"));
            QCOMPARE(balloon.title, QStringLiteral("Invalid Tariff"));
            QCOMPARE(balloon.text, QStringLiteral("Please Enter Tariff as Numeric Characters!"));
        });
        QVERIFY(stayedOpen);
        QCOMPARE(messagesAfterOpening(), QStringList());
        QCOMPARE(storedRooms(), before);
        QVERIFY(TableExists("room_101"));
    }

    // A click into the rate selects the tariff shown, so that what is typed or pasted is the
    // new rate; a text that is not one amount gets the balloon, and nothing is asked.
    void theRateIsTheAmountEntered_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored"); // the room's new row; empty when refused
        QTest::newRow("typed over the rate") << "type"
                                             << "1600"
                                             << "101|Chef!*!s room|1600";
        QTest::newRow("pasted over the rate") << "paste"
                                              << "$1,650.50"
                                              << "101|Chef!*!s room|1650.5";
        QTest::newRow("typed after the rate") << "type after"
                                              << "100" << QString();
        QTest::newRow("pasted with a line break") << "paste"
                                                  << "1600\n1700" << QString();
    }
    void theRateIsTheAmountEntered() {
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(QString, stored);
        const QStringList before = storedRooms();
        const bool stayedOpen = edit("101", [&](frmRoomAdminFloat& editor) {
            editor.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&editor));
            TestSupport::ChangeAmount(editor.txtPriceEdit, how, text);
            if (!stored.isEmpty())
                Dialogs::Testing::AnswerNextQuestion(true);
            QTest::mouseClick(editor.cmdEditIt, Qt::LeftButton);
            const TestSupport::Balloon balloon = TestSupport::ShownBalloon(&editor);
            QCOMPARE(balloon.shown, stored.isEmpty());
            if (balloon.shown)
                QCOMPARE(balloon.TargetName(), QStringLiteral("txtPriceEdit"));
        });
        QCOMPARE(stayedOpen, stored.isEmpty());
        QStringList after = before;
        if (!stored.isEmpty())
            after.first() = stored;
        QCOMPARE(storedRooms(), after);
    }

    // The rate box shows the tariff in the language's own form, and Modify reads it back.
    void theRateShownIsReadBackInEveryLanguage_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France);
        QTest::newRow("Arabic, Egypt") << QLocale(QLocale::Arabic, QLocale::Egypt);
    }
    void theRateShownIsReadBackInEveryLanguage() {
        QFETCH(QLocale, locale);
        const TestSupport::ScopedLocale language(locale);
        const bool stayedOpen = edit("101", [&](frmRoomAdminFloat& editor) {
            QCOMPARE(editor.txtPriceEdit->text(), locale.toCurrencyString(1500.0));
            Dialogs::Testing::AnswerNextQuestion(true);
            QTest::mouseClick(editor.cmdEditIt, Qt::LeftButton);
        });
        QVERIFY(!stayedOpen);
        QCOMPARE(messagesAfterOpening(), QStringList{"Update Selected Room?"});
        QCOMPARE(storedRooms().first(), QStringLiteral("101|Chef!*!s room|1500"));
    }

    void aTariffBelowZeroGetsTheBalloonAtTheRate() {
        const QStringList before = storedRooms();
        const bool stayedOpen = edit("101", [&](frmRoomAdminFloat& editor) {
            editor.txtPriceEdit->setText("-5");
            QTest::mouseClick(editor.cmdEditIt, Qt::LeftButton);
            const TestSupport::Balloon balloon = TestSupport::ShownBalloon(&editor);
            QVERIFY(balloon.shown);
            QCOMPARE(balloon.TargetName(), QStringLiteral("txtPriceEdit"));
            QCOMPARE(balloon.title, QStringLiteral("Invalid Tariff"));
            QCOMPARE(balloon.text, QStringLiteral("Please Enter Tariff of 0 or more!"));
            QCOMPARE(balloon.icon, int(CBalloonToolTip::ErrorIcon));
        });
        // Open still, for another tariff; nothing was asked or changed.
        QVERIFY(stayedOpen);
        QCOMPARE(messagesAfterOpening(), QStringList());
        QCOMPARE(storedRooms(), before);
    }

    void aRefusedUpdateLeavesTheRoomAndItsTable_data() {
        QTest::addColumn<QString>("id");
        QTest::newRow("same identifier") << "101";
        QTest::newRow("new identifier") << "111";
    }
    void aRefusedUpdateLeavesTheRoomAndItsTable() {
        QFETCH(QString, id);
        const QStringList before = storedRooms();
        VERIFY_RAN(db->RefuseWrites("tbl_Rooms", Write::Update));
        const bool stayedOpen =
            edit("101", [&](frmRoomAdminFloat& editor) { modify(editor, id, "Changed", "99"); });
        QVERIFY(!stayedOpen);
        QCOMPARE(storedRooms(), before);
        QVERIFY(TableExists("room_101"));
        QVERIFY(!TableExists("room_111"));
        const QStringList messages = messagesAfterOpening();
        QCOMPARE(messages.size(), 2);
        QVERIFY2(messages.last().startsWith("Error Code : DB0004\r\n"),
                 qPrintable(messages.last()));
    }

    void noAndCancelCloseWithoutAStatement() {
        const QStringList before = storedRooms();
        QVERIFY(!edit("102", [&](frmRoomAdminFloat& editor) {
            modify(editor, "112", "Changed", "99", false);
        }));
        QVERIFY(!edit("102", [&](frmRoomAdminFloat& editor) {
            editor.txtRoomIDedit->setText("112");
            QTest::mouseClick(editor.cmdCancelIt, Qt::LeftButton);
        }));
        QCOMPARE(storedRooms(), before);
        QVERIFY(TableExists("room_102"));
    }

    void theIdentifierBoxDropsWhatTheRoomsPageDrops() {
        edit("102", [&](frmRoomAdminFloat& editor) {
            editor.txtRoomIDedit->clear();
            QTest::keyClicks(editor.txtRoomIDedit, "1;2'");
            QTest::keyClick(editor.txtRoomIDedit, Qt::Key_End);
            QCOMPARE(editor.txtRoomIDedit->text(), QStringLiteral("12"));
        });
    }

    void aRoomRemovedMeanwhileIsNotUpdated() {
        const bool stayedOpen = edit("102", [&](frmRoomAdminFloat& editor) {
            VERIFY_RAN(db->Run("DELETE FROM tbl_Rooms WHERE RoomNameID = '102'"));
            editor.close();
        });
        QVERIFY(!stayedOpen);
        // The next opening finds no room: Modify changes nothing and says why.
        QVERIFY(!edit("102", [&](frmRoomAdminFloat& editor) {
            QVERIFY(editor.txtRoomIDedit->text().isEmpty());
            modify(editor, "112", "Changed", "99");
        }));
        QCOMPARE(messagesAfterOpening().last(),
                 QStringLiteral("Room 102 is not on the Room List any more!"));
        QCOMPARE(storedRooms().size(), 2);
        QCOMPARE(RowsOf(Rooms()->listRoomView, 1), (QStringList{"101", "103"}));
    }
};

STAYMARK_TEST_MAIN(TestFrmRoomAdminFloat)
#include "tst_frmRoomAdminFloat.moc"
