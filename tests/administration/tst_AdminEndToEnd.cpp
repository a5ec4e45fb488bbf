#include "administration/frmRoomAdminFloat.h"
#include "reservations/frmBooking.h"
#include "tests/administration/AdminWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>

using TestSupport::LastMessage;

// An administrator's day, through the real windows: the master account made at the first
// login, rooms added and edited, both booked, a booked room removed, a reports-only clerk
// added, and the clerk's login finding the commands gated.
class TestAdminEndToEnd : public AdminWindowFixture {
    Q_OBJECT

    // The day starts before the first account is made.
    bool startsLoggedIn() const override { return false; }

    void logIn(const QString& name, const QString& password) {
        triggerAction(QStringLiteral("mnuLoginLogOut"));
        TypeLogin(name, password);
        QVERIFY(GlobalLogin::IsLoggedIn);
        QCOMPARE(GlobalLogin::LoggedUserName, name);
    }

    void book(const QString& first, const QStringList& rooms) {
        triggerAction(QStringLiteral("mnuBooking"));
        frmBooking* booking = LoadedInstance<frmBooking>();
        QVERIFY(booking);
        booking->txtFName->setText(first);
        booking->txtLName->setText(QStringLiteral("Guest"));
        booking->comboStatus->setCurrentText(QStringLiteral("Confirmed"));
        booking->dtDepature->setDate(booking->dtArrival->date().addDays(2));
        // Each room is chosen from the available list and moved to the booking.
        for (const QString& room : rooms) {
            ClickRow(booking->ListView1, room);
            QTest::mouseClick(booking->Command1, Qt::LeftButton);
        }
        QTest::mouseClick(booking->Command5, Qt::LeftButton);
        QCOMPARE(LastMessage(), QStringLiteral("Customer details has been added to the Record"));
    }

    // What a command shows the logged-in user: a child window, a message, or nothing.
    QString outcomeOf(const QString& command) {
        Dialogs::Testing::Reset();
        const int windows = int(main->MdiArea->subWindowList().size());
        triggerAction(command);
        if (main->MdiArea->subWindowList().size() > windows)
            return QStringLiteral("window");
        return Dialogs::Testing::Record().isEmpty() ? QStringLiteral("nothing") : LastMessage();
    }

private slots:
    void anAdministratorsDay() {
        // The first login makes the master account.
        logIn(QStringLiteral("boss"), QStringLiteral("Top secret"));
        QCOMPARE(LastMessage(),
                 QStringLiteral("Master account created. You are now logged in as boss"));

        triggerAction(QStringLiteral("toolAdmin"));
        QApplication::processEvents();
        QVERIFY(LoadedInstance<frmAdminArea>());
        AddRoomOnPage(QStringLiteral("201"), QStringLiteral("Chef's corner"),
                      QStringLiteral("Twin Bed"), QStringLiteral("120"));
        AddRoomOnPage(QStringLiteral("202"), QStringLiteral("Suite"), QStringLiteral("Double Bed"),
                      QStringLiteral("200"));
        QCOMPARE(
            RowsOf(Rooms()->listRoomView, 4),
            (QStringList{"201|Chef's corner|Twin Bed|$120.00", "202|Suite|Double Bed|$200.00"}));

        const TestSupport::ModalSteps<frmRoomAdminFloat> editor([](frmRoomAdminFloat& room) {
            room.txtRoomIDedit->setText(QStringLiteral("203"));
            room.txtPriceEdit->setText(QStringLiteral("$250.00"));
            Dialogs::Testing::AnswerNextQuestion(true);
            QTest::mouseClick(room.cmdEditIt, Qt::LeftButton);
        });
        ChooseFromMenu(Rooms()->listRoomView, Rooms()->AGPopUp1, "202", "mnuEditSelected");
        QVERIFY(editor.ClosedByTheSteps());
        QCOMPARE(RowsOf(Rooms()->listRoomView, 4).last(),
                 QStringLiteral("203|Suite|Double Bed|$250.00"));

        // Both rooms book: each identifier names a booking table that takes it.
        book(QStringLiteral("Ann"), {QStringLiteral("201"), QStringLiteral("203")});
        QCOMPARE(db->Count("room_201"), 1);
        QCOMPARE(db->Count("room_203"), 1);
        Recordset booked = db->Query("SELECT RoomNameID FROM room_203");
        QCOMPARE(booked.Fields(0).toInt(), 203);

        // A booked room keeps its table and its bookings.
        LoadedInstance<frmAdminArea>()->RoomListShow();
        Dialogs::Testing::AnswerNextQuestion(true);
        ChooseFromMenu(Rooms()->listRoomView, Rooms()->AGPopUp1, "201", "mnuRemoveRoom");
        QCOMPARE(LastMessage(), QStringLiteral("Room 201 is not removed: 1 booking holds it."));
        QCOMPARE(db->Count("room_201"), 1);
        QCOMPARE(db->Count("tbl_Rooms"), 2);

        AdminUsersPage* users = Users();
        users->txtUserName->setText(QStringLiteral("clerk"));
        users->txtPassWord->setText(QStringLiteral("Reports only"));
        users->canViewReport->setChecked(true);
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(users->Command1, Qt::LeftButton);
        QCOMPARE(RowsOf(users->UserList, 6).last(), QStringLiteral("clerk|No|No|No|No|Yes"));
        QCOMPARE(LogRows(),
                 (QStringList{"Added Room -201|boss|RoomAddedRemove",
                              "Added Room -202|boss|RoomAddedRemove",
                              "New Booking of Customer : Ann Guest|boss|Bookings",
                              "New Account Created with User Name : clerk|boss|UserAddRemove"}));

        triggerAction(QStringLiteral("mnuLoginLogOut"));
        QVERIFY(!GlobalLogin::IsLoggedIn);
        QTRY_VERIFY(!LoadedInstance<frmAdminArea>());

        logIn(QStringLiteral("clerk"), QStringLiteral("Reports only"));
        const QString refused = GlobalLogin::NoPrivilegeMsg();
        QCOMPARE(outcomeOf("mnuAdministration"), refused);
        QCOMPARE(outcomeOf("toolAdmin"), refused);
        QCOMPARE(outcomeOf("taxEditor"), refused);
        QCOMPARE(outcomeOf("mnuCustomerList"), refused);
        QCOMPARE(outcomeOf("mnuRoomList"), refused);
        // The report commands are the clerk's.
        QCOMPARE(outcomeOf("mnuLog"), QStringLiteral("window"));
        QCOMPARE(outcomeOf("mnuReport"), QStringLiteral("window"));
        QCOMPARE(outcomeOf("mnuBooking"), QStringLiteral("window"));
        QVERIFY(!LoadedInstance<frmAdminArea>());
    }
};

STAYMARK_TEST_MAIN(TestAdminEndToEnd)
#include "tst_AdminEndToEnd.moc"
