#include "CustomerWindowsFixture.h"

#include "core/CIniFile.h"
#include "core/ErrorReport.h"
#include "core/theDBworks.h"
#include "core/ui/ExtLV.h"
#include "tests/support/AmountSteps.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

QString money(const char* amount) {
    return Currency::FromText(QString::fromLatin1(amount), QLocale::c()).Format();
}

const QString kRemovalQuestion =
    QStringLiteral("You are going to Remove the Selected Customer. \r\nAssociated Booking "
                   "Scheduled will also be Removed!\r\nThis action cannot be undone!");
const QString kRemoved =
    QStringLiteral("Customer has succesfully Removed & Moved to Customer History List.");

// Each booked room as the window lists it: the room and its price.
QStringList rooms(ExtLV* list) {
    return TestSupport::RowsOf(list, 2);
}

// One row's every column as "name=value".
QStringList columnsOf(Recordset row) {
    QStringList columns;
    row.MoveFirst();
    if (row.AtEOF())
        return columns;
    for (const QString& name : row.ColumnNames())
        columns << name.toLower() + QLatin1Char('=') + row.Text(name);
    return columns;
}

} // namespace

using TestSupport::Messages;
using TestSupport::ShownBalloon;
using TestSupport::Write;

// The customer details window driven through its controls: the booking it shows, the update
// with its log row and the list's refill, the removal to the history as one unit of work, and
// what happens when the booking went away meanwhile.
class TestFrmCustomerDetails : public CustomerWindowsFixture {
    Q_OBJECT

    frmCustomers* list = nullptr;
    QString number; // John Smith's booking of rooms 101 and 102
    qint64 id = 0;

    frmCustomerDetails* openJohn() { return OpenDetails(list, rowOf(number)); }

    int rowOf(const QString& customerNumber) {
        const QStringList numbers = Column(list->customerList, 18);
        return int(numbers.indexOf(customerNumber)) + 1;
    }

    Recordset storedJohn() {
        return db->Query(QStringLiteral("SELECT * FROM tbl_customers WHERE ID = ") +
                         QString::number(id));
    }

    int roomRowsOf(const QString& room, const QString& customerNumber) {
        return db->Count(QStringLiteral("room_") + room,
                         QStringLiteral("cUniqueID = ") + SqlLiteral::Text(customerNumber));
    }

    int updateLogRows() {
        return db->Count(QStringLiteral("tbl_logTable"),
                         QStringLiteral("LogText LIKE 'Customer details updated%'"));
    }

    static void pressUpdate(frmCustomerDetails* form, bool yes) {
        Dialogs::Testing::AnswerNextQuestion(yes);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
    }

    static void pressRemove(frmCustomerDetails* form, bool yes) {
        Dialogs::Testing::AnswerNextQuestion(yes);
        QTest::mouseClick(form->Command3, Qt::LeftButton);
    }

    void initTest() override {
        BookingRecord john =
            Stay(QStringLiteral("Mr."), QStringLiteral("John"), QStringLiteral("Smith"),
                 {QStringLiteral("101"), QStringLiteral("102")}, 3);
        john.advance = Currency::FromText(QStringLiteral("100"), QLocale::c());
        john.due = john.grandTotal - john.advance;
        john.paymentMethod = QStringLiteral("Credit Card");
        john.paymentDetails = QStringLiteral("VISA !*! 4111");
        john.note = QStringLiteral("Late arrival");
        number = Book(john);
        QVERIFY(!number.isEmpty());
        id = IdOf(number);
        QVERIFY(!Book(Stay(QStringLiteral("Mrs."), QStringLiteral("Ann"), QStringLiteral("Lee"),
                           {QStringLiteral("101")}))
                     .isEmpty());
        list = OpenCustomerList();
        QVERIFY(list);
    }
    void cleanupTest() override { list = nullptr; }

private slots:
    void showsTheBookingItOpenedWith() {
        frmCustomerDetails* form = openJohn();
        QVERIFY(form);
        QCOMPARE(Messages(), QStringList());
        // Choosing another row later does not change the window's booking.
        list->customerList->ListItems().Item(rowOf(number) == 1 ? 2 : 1).Selected(true);
        QCOMPARE(form->windowTitle(), QStringLiteral("Details of Mr. John Smith"));
        QCOMPARE(form->Frame1->title(), QStringLiteral("Customer ID : ") + number);
        QCOMPARE(form->MyOrderUniqueID, number);
        QCOMPARE(form->txtTitle->currentText(), QStringLiteral("Mr."));
        QCOMPARE(form->txtFName->text(), QStringLiteral("John"));
        QCOMPARE(form->txtLName->text(), QStringLiteral("Smith"));
        QCOMPARE(form->txtAddress->text(), QStringLiteral("N/A"));
        QCOMPARE(form->txtPhoneNumber->text(), QStringLiteral("0"));
        QCOMPARE(form->txtAdults->text(), QStringLiteral("2"));
        QCOMPARE(form->txtMinors->text(), QStringLiteral("0"));
        QCOMPARE(form->DtCheckinDate->date(), kToday);
        QCOMPARE(form->DtCheckoutDate->date(), kToday.addDays(3));
        QCOMPARE(form->txtNumberOfDays->text(), QStringLiteral("3"));
        QCOMPARE(form->comboStatus->currentText(), QStringLiteral("Confirmed"));
        QCOMPARE(form->txtRoomRate->text(), money("4740"));
        QCOMPARE(form->txtGrandTotal->text(), money("4740"));
        QCOMPARE(form->txtAdvancePaid->text(), money("100"));
        QCOMPARE(form->txtDue->text(), money("4640"));
        QCOMPARE(form->txtPaymentMethod->text(), QStringLiteral("Credit Card"));
        QCOMPARE(form->txtPaymentDetails->text(), QStringLiteral("VISA !*! 4111"));
        QCOMPARE(form->txtNote->toPlainText(), QStringLiteral("Late arrival"));
        QCOMPARE(form->customerID->text(), QString::number(id));
        // The second tariff holds a thousands separator.
        QCOMPARE(rooms(form->ListView1), (QStringList{"101|$80.00", "102|$1,500.00"}));
        auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        QVERIFY(window && window->isVisible() && !window->isMinimized());
    }

    void storedStatusIsChosenWhenTheListOffersIt_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("N/A") << "N/A"
                             << "N/A";
        QTest::newRow("Checked Out") << "Checked Out"
                                     << "Checked Out";
        QTest::newRow("Unknown") << "Unknown"
                                 << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void storedStatusIsChosenWhenTheListOffersIt() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        const QString guest = Book(Stay(QStringLiteral("Dr."), QStringLiteral("Amy"),
                                        QStringLiteral("Kay"), {QStringLiteral("103")}, 1, stored));
        QTest::mouseClick(list->Command1, Qt::LeftButton);
        frmCustomerDetails* form = OpenDetails(list, rowOf(guest));
        QCOMPARE(form->comboStatus->currentText(), shown);
    }

    void roomsPairWithTheirPrices_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("a price holds a thousands separator")
            << QStringList{"$1,500.00", "$80.00"} << QStringList{"101|$1,500.00", "102|$80.00"};
        QTest::newRow("another locale's prices without a comma")
            << QStringList{"EUR 1500.00", "EUR 80.00"}
            << QStringList{"101|EUR 1500.00", "102|EUR 80.00"};
        QTest::newRow("another locale's prices with commas")
            << QStringList{"1.500,00 EUR", "80,00 EUR"} << QStringList{"101|", "102|"};
        QTest::newRow("fewer prices than rooms")
            << QStringList{"$1,500.00"} << QStringList{"101|$1,500.00", "102|"};
    }
    void roomsPairWithTheirPrices() {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, shown);
        BookingRecord stay =
            Stay(QStringLiteral("Dr."), QStringLiteral("Amy"), QStringLiteral("Kay"),
                 {QStringLiteral("101"), QStringLiteral("102")});
        stay.roomPrices = stored;
        const QString guest = Book(stay);
        QTest::mouseClick(list->Command1, Qt::LeftButton);
        frmCustomerDetails* form = OpenDetails(list, rowOf(guest));
        QCOMPARE(rooms(form->ListView1), shown);
        QCOMPARE(ErrMsg, QString());
    }

    void updateWritesTheFieldsAsTypedAndRefillsTheList() {
        frmCustomerDetails* form = openJohn();
        const QStringList before = columnsOf(storedJohn());
        form->txtFName->setText(QStringLiteral("Seán"));
        pressUpdate(form, false);
        QCOMPARE(columnsOf(storedJohn()), before);

        form->txtTitle->setCurrentText(QStringLiteral("Prof."));
        form->txtLName->setText(QStringLiteral("O'Brien"));
        form->txtAddress->setText(QStringLiteral("12 King's Road"));
        form->txtPhoneNumber->setText(QStringLiteral("it's 555"));
        form->txtAdults->setText(QStringLiteral("3"));
        form->txtMinors->setText(QStringLiteral("1"));
        form->DtCheckinDate->setDate(kToday.addDays(1));
        form->txtRoomRate->setText(QStringLiteral("500"));
        form->txtDue->setText(QStringLiteral("($12.50)"));
        form->txtPaymentMethod->setText(QStringLiteral("Cheque"));
        form->txtNote->setPlainText(QStringLiteral("Quiet room, 'please'"));
        form->comboStatus->setCurrentText(QStringLiteral("Checked In"));
        pressUpdate(form, true);
        QCOMPARE(ErrMsg, QString());

        Recordset row = storedJohn();
        QCOMPARE(row.Text(QStringLiteral("cTitle")), QStringLiteral("Prof."));
        QCOMPARE(row.Text(QStringLiteral("cFirstName")), QStringLiteral("Seán"));
        QCOMPARE(row.Text(QStringLiteral("cLastName")), QStringLiteral("O'Brien"));
        QCOMPARE(row.Text(QStringLiteral("cAddress")), QStringLiteral("12 King's Road"));
        QCOMPARE(row.Text(QStringLiteral("cPhone")), QStringLiteral("it's 555"));
        QCOMPARE(row.Text(QStringLiteral("cNoOfAdults")), QStringLiteral("3"));
        QCOMPARE(row.Text(QStringLiteral("cNoOfMinors")), QStringLiteral("1"));
        QCOMPARE(row.Date(QStringLiteral("cCheckInDate")), kToday.addDays(1));
        // The days are written as the box holds them, not worked out again.
        QCOMPARE(row.Text(QStringLiteral("cNoOfDays")), QStringLiteral("3"));
        QCOMPARE(row.Money(QStringLiteral("cRoomsRate")).ToPlainText(), QStringLiteral("500"));
        QCOMPARE(row.Money(QStringLiteral("cGrandTotal")).ToPlainText(), QStringLiteral("4740"));
        QCOMPARE(row.Money(QStringLiteral("cDue")).ToPlainText(), QStringLiteral("-12.5"));
        QCOMPARE(row.Text(QStringLiteral("cPaymentMethod")), QStringLiteral("Cheque"));
        QCOMPARE(row.Text(QStringLiteral("cPaymentMethodDetails")),
                 QStringLiteral("VISA !*! 4111"));
        QCOMPARE(row.Text(QStringLiteral("cAdditionalNote")),
                 QStringLiteral("Quiet room, 'please'"));
        QCOMPARE(row.Text(QStringLiteral("cStatus")), QStringLiteral("Checked In"));
        QCOMPARE(row.Text(QStringLiteral("cRoomNameID")), QStringLiteral("101,102"));
        QCOMPARE(row.Text(QStringLiteral("cUniqueNo")), number);

        Recordset log = db->Query(
            QStringLiteral("SELECT * FROM tbl_logTable WHERE LogText LIKE 'Customer details%'"));
        QCOMPARE(log.RecordCount(), 1);
        QCOMPARE(log.Text(QStringLiteral("LogText")),
                 QStringLiteral("Customer details updated : Seán O'Brien!"));
        QCOMPARE(log.Text(QStringLiteral("LoggedUser")), QStringLiteral("admin"));
        QCOMPARE(log.Text(QStringLiteral("LogKey")), QStringLiteral("Bookings"));

        // The fields show the row as stored, the list shows it through its own query.
        QCOMPARE(form->txtRoomRate->text(), money("500"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Details of Prof. Seán O'Brien"));
        QCOMPARE(list->customerList->ListItems().Item(rowOf(number)).SubItems(2),
                 QStringLiteral("O'Brien"));
        QCOMPARE(list->QueryMode, qint16(3));
    }

    // The note box holds what the server's column holds: a paste over the note it shows is cut
    // at a whole character, and the update stores what the box shows.
    void aPastedNoteIsHeldToWhatTheServerStores() {
        const QString emoji = QStringLiteral("\U0001F600");
        frmCustomerDetails* form = openJohn();
        form->txtNote->selectAll();
        TestSupport::PasteInto(form->txtNote, emoji.repeated(20000));
        QCOMPARE(form->txtNote->toPlainText().size(), 2 * 16383);
        pressUpdate(form, true);
        QCOMPARE(ErrMsg, QString());
        QCOMPARE(storedJohn().Text(QStringLiteral("cAdditionalNote")), emoji.repeated(16383));
    }

    // A date typed digit by digit and an amount typed over the one shown are what is stored.
    void aTypedDateAndAmountAreWrittenAsEntered() {
        frmCustomerDetails* form = openJohn();
        QApplication::setActiveWindow(main);
        form->DtCheckoutDate->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(form->DtCheckoutDate, QStringLiteral("12/24/2026"));
        QTest::keyClick(form->DtCheckoutDate, Qt::Key_Tab);
        QCOMPARE(form->DtCheckoutDate->date(), QDate(2026, 12, 24));
        QCOMPARE(form->txtAdvancePaid->text(), money("100"));
        TestSupport::ChangeAmount(form->txtAdvancePaid, QStringLiteral("type"),
                                  QStringLiteral("250"));
        pressUpdate(form, true);
        QCOMPARE(Messages(), QStringList{QStringLiteral("Do you want to update this record?")});
        Recordset row = storedJohn();
        QCOMPARE(row.Date(QStringLiteral("cCheckOutDate")), QDate(2026, 12, 24));
        QCOMPARE(row.Money(QStringLiteral("cAdvancePaid")).ToPlainText(), QStringLiteral("250"));
    }

    void listRefillRunsItsCurrentQuery() {
        frmCustomerDetails* form = openJohn();
        list->txtSearchCustomer->setText(QStringLiteral("Smith"));
        QTest::mouseClick(list->Command3, Qt::LeftButton);
        QCOMPARE(list->customerList->ListItems().Count(), 1);
        form->txtLName->setText(QStringLiteral("Smythe"));
        pressUpdate(form, true);
        QCOMPARE(list->customerList->ListItems().Count(), 0);
    }

    void refusedUpdateIsReportedAndNotLogged() {
        frmCustomerDetails* form = openJohn();
        VERIFY_RAN(db->RefuseWrites(QStringLiteral("tbl_customers"), Write::Update));
        const QStringList before = columnsOf(storedJohn());
        form->txtLName->setText(QStringLiteral("Smythe"));
        pressUpdate(form, true);
        QVERIFY2(ErrMsg.startsWith(QStringLiteral("Error Code : DB0004")), qPrintable(ErrMsg));
        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown.last().text.startsWith(QStringLiteral("Error Code : DB0004\r\n")));
        QCOMPARE(columnsOf(storedJohn()), before);
        QCOMPARE(updateLogRows(), 0);
        QCOMPARE(form->txtLName->text(), QStringLiteral("Smythe"));
    }

    void refusedLogRowUndoesTheUpdate() {
        frmCustomerDetails* form = openJohn();
        VERIFY_RAN(db->RefuseWrites(QStringLiteral("tbl_logTable"), Write::Insert));
        const QStringList before = columnsOf(storedJohn());
        form->txtLName->setText(QStringLiteral("Smythe"));
        pressUpdate(form, true);
        QVERIFY2(ErrMsg.startsWith(QStringLiteral("Error Code : DB0003")), qPrintable(ErrMsg));
        QCOMPARE(columnsOf(storedJohn()), before);
    }

    void numberBoxesAnswerAtTheBox_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("balloon");
        QTest::newRow("adults in words") << "txtAdults"
                                         << "two"
                                         << "Adults";
        QTest::newRow("adults above 50") << "txtAdults"
                                         << "51"
                                         << "Adults";
        QTest::newRow("minors below 0") << "txtMinors"
                                        << "-1"
                                        << "Minors";
        QTest::newRow("days not whole") << "txtNumberOfDays"
                                        << "3.5"
                                        << "Number of Days";
        QTest::newRow("days beyond the column") << "txtNumberOfDays"
                                                << "2147483648"
                                                << "Number of Days";
        QTest::newRow("rate in letters") << "txtRoomRate"
                                         << "abc"
                                         << "Room Rate(s)";
        QTest::newRow("tax empty") << "txtTax"
                                   << ""
                                   << "Tax(s)";
        QTest::newRow("total mistyped") << "txtGrandTotal"
                                        << "1O0"
                                        << "Grand Total";
        QTest::newRow("advance in words") << "txtAdvancePaid"
                                          << "ten"
                                          << "Advance Paid";
        QTest::newRow("an amount typed after the advance shown") << "txtAdvancePaid"
                                                                 << "$100.00100"
                                                                 << "Advance Paid";
        QTest::newRow("due a sign only") << "txtDue"
                                         << "$"
                                         << "Due";
    }
    void numberBoxesAnswerAtTheBox() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, balloon);
        frmCustomerDetails* form = openJohn();
        QApplication::setActiveWindow(main);
        const QStringList before = columnsOf(storedJohn());
        auto* field = TestSupport::control<QLineEdit>(form, box);
        field->setText(typed);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(ShownBalloon(form).title, balloon);
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(Messages(), QStringList());
        QCOMPARE(ErrMsg, QString());
        QCOMPARE(columnsOf(storedJohn()), before);
        QTest::keyClick(field, Qt::Key_1);
        QVERIFY(!ShownBalloon(form).shown);
    }

    void removalMovesTheBookingToTheHistory() {
        frmCustomerDetails* form = openJohn();
        const QStringList before = columnsOf(storedJohn());
        const QStringList revenue =
            columnsOf(db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats")));
        const int rowsShown = list->customerList->ListItems().Count();
        QPointer<frmCustomerDetails> window = form;
        pressRemove(form, true);
        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, kRemovalQuestion);
        QCOMPARE(shown[0].title, QStringLiteral("Remove Customer"));
        QCOMPARE(shown[1].text, kRemoved);
        QCOMPARE(shown[1].title, QStringLiteral("Staymark"));
        QTRY_VERIFY(!window);

        QCOMPARE(storedJohn().RecordCount(), 0);
        QCOMPARE(
            columnsOf(db->Query(QStringLiteral("SELECT * FROM tbl_customers_history WHERE ID = ") +
                                QString::number(id))),
            before);
        QCOMPARE(roomRowsOf(QStringLiteral("101"), number), 0);
        QCOMPARE(roomRowsOf(QStringLiteral("102"), number), 0);
        // Ann's stay in room 101, the revenue and the list stay as they were.
        QCOMPARE(db->Count(QStringLiteral("room_101")), 1);
        QCOMPARE(columnsOf(db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"))), revenue);
        QCOMPARE(list->customerList->ListItems().Count(), rowsShown);
        QCOMPARE(updateLogRows(), 0);
    }

    void answeringNoRemovesNothingAndCloses() {
        QPointer<frmCustomerDetails> form = openJohn();
        pressRemove(form, false);
        QTRY_VERIFY(!form);
        QCOMPARE(storedJohn().RecordCount(), 1);
        QCOMPARE(db->Count(QStringLiteral("tbl_customers_history")), 0);
        QCOMPARE(roomRowsOf(QStringLiteral("102"), number), 1);
    }

    void failedRemovalRemovesNothing_data() {
        QTest::addColumn<Write>("write");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("code");
        QTest::newRow("history copy") << Write::Insert << "tbl_customers_history"
                                      << "DB0003";
        QTest::newRow("second room") << Write::Delete << "room_102"
                                     << "DB0002";
        QTest::newRow("the booking") << Write::Delete << "tbl_customers"
                                     << "DB0002";
    }
    void failedRemovalRemovesNothing() {
        QFETCH(Write, write);
        QFETCH(QString, table);
        QFETCH(QString, code);
        frmCustomerDetails* form = openJohn();
        QPointer<frmCustomerDetails> window = form;
        const QStringList before = columnsOf(storedJohn());
        VERIFY_RAN(db->RefuseWrites(table, write));
        pressRemove(form, true);
        QVERIFY2(ErrMsg.startsWith(QStringLiteral("Error Code : ") + code), qPrintable(ErrMsg));
        QVERIFY(!Messages().contains(kRemoved));
        QApplication::processEvents();
        QVERIFY(window && window->isVisible());
        QCOMPARE(columnsOf(storedJohn()), before);
        QCOMPARE(db->Count(QStringLiteral("tbl_customers_history")), 0);
        QCOMPARE(roomRowsOf(QStringLiteral("101"), number), 1);
        QCOMPARE(roomRowsOf(QStringLiteral("102"), number), 1);

        // Once the database takes it again, the same window removes the booking.
        VERIFY_RAN(db->AllowWrites(table, write));
        pressRemove(form, true);
        QTRY_VERIFY(!window);
        QCOMPARE(storedJohn().RecordCount(), 0);
        QCOMPARE(db->Count(QStringLiteral("tbl_customers_history")), 1);
    }

    void bookingRemovedMeanwhileIsNotWrittenAgain() {
        frmCustomerDetails* first = openJohn();
        frmCustomerDetails* second = openJohn();
        QVERIFY(first && second && first != second);
        pressRemove(first, true);
        QCOMPARE(storedJohn().RecordCount(), 0);
        Dialogs::Testing::Reset();

        second->txtLName->setText(QStringLiteral("Smythe"));
        pressUpdate(second, true);
        QCOMPARE(Dialogs::Testing::Record().last().title, QStringLiteral("Update Records"));
        QVERIFY(
            Dialogs::Testing::Record().last().text.contains(QStringLiteral("no longer exists")));
        QCOMPARE(updateLogRows(), 0);
        QCOMPARE(storedJohn().RecordCount(), 0);

        QPointer<frmCustomerDetails> window = second;
        pressRemove(second, true);
        QCOMPARE(Dialogs::Testing::Record().last().title, QStringLiteral("Remove Customer"));
        QVERIFY(
            Dialogs::Testing::Record().last().text.contains(QStringLiteral("no longer exists")));
        QVERIFY(!Messages().contains(kRemoved));
        QCOMPARE(db->Count(QStringLiteral("tbl_customers_history")), 1);
        QTRY_VERIFY(!window);
        QCOMPARE(ErrMsg, QString());
    }

    // The list still shows a booking after its removal; opening it then says it is gone,
    // opens no empty window, and fills the list again.
    void removedBookingOpenedFromTheListIsSaidGone() {
        QPointer<frmCustomerDetails> removing = openJohn();
        pressRemove(removing, true);
        QTRY_VERIFY(!removing);
        QCOMPARE(storedJohn().RecordCount(), 0);
        QVERIFY(rowOf(number) > 0);
        const qsizetype before = Dialogs::Testing::Record().size();
        list->customerList->ListItems().Item(rowOf(number)).Selected(true);
        ChooseMenuItem(list->AGMyPopUp1, QStringLiteral("mnuCustomerDetail"));
        const QList<Dialogs::Shown> shown = Dialogs::Testing::Record().mid(before);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].text.contains(QStringLiteral("no longer exists")) &&
                     shown[0].text.contains(QStringLiteral("removed")),
                 qPrintable(shown[0].text));
        QCOMPARE(shown[0].title, QStringLiteral("Customer Details"));
        QCOMPARE(shown[0].icon, Dialogs::Icon::Information);
        QApplication::processEvents();
        QVERIFY(main->findChildren<frmCustomerDetails*>().isEmpty());
        QCOMPARE(rowOf(number), 0);
        QCOMPARE(Column(list->customerList, 1), QStringList{"Ann"});
        QCOMPARE(ErrMsg, QString());
    }

    void bookingOfARemovedRoomCanStillBeRemoved() {
        frmCustomerDetails* form = openJohn();
        // The rooms page drops a removed room's table with its rows.
        VERIFY_RAN(db->Run(QStringLiteral("DELETE FROM tbl_Rooms WHERE RoomNameID = '102'")));
        VERIFY_RAN(db->Run(QStringLiteral("DROP TABLE [room_102]")));
        pressRemove(form, true);
        QCOMPARE(Messages().last(), kRemoved);
        QCOMPARE(storedJohn().RecordCount(), 0);
        QCOMPARE(db->Count(QStringLiteral("tbl_customers_history")), 1);
        QCOMPARE(roomRowsOf(QStringLiteral("101"), number), 0);
    }

    void textViewShowsTheBookingAsPlainText() {
        frmCustomerDetails* form = openJohn();
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        auto* view = TestSupport::control<QPlainTextEdit>(main, QStringLiteral("frmTextView"));
        QVERIFY(view->isReadOnly());
        QVERIFY(view->isVisible());
        const QStringList lines = view->toPlainText().split(QLatin1Char('\n'));
        for (const QString& line :
             {QStringLiteral("Customer ID : ") + number,
              QStringLiteral("Customer Name : Mr. John Smith"),
              QStringLiteral("Booking Status : Confirmed"), QStringLiteral("    101    $80.00"),
              QStringLiteral("    102    $1,500.00"), QStringLiteral("Due : ") + money("4640"),
              QStringLiteral("Payment Details : VISA !*! 4111"),
              QStringLiteral("Additional Note : Late arrival")})
            QVERIFY2(lines.contains(line), qPrintable(line));
        QCOMPARE(ErrMsg, QString());
    }

    void windowStateComesFromCusDstate_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("nothing stored") << "" << false << false;
        QTest::newRow("normal") << "0" << false << false;
        QTest::newRow("minimised") << "1" << true << false;
        QTest::newRow("maximised") << "2" << false << true;
    }
    void windowStateComesFromCusDstate() {
        QFETCH(QString, stored);
        QFETCH(bool, minimised);
        QFETCH(bool, maximised);
        if (!stored.isEmpty())
            WriteConfigValue(QStringLiteral("CusD"), QStringLiteral("CusDstate"), stored);
        frmCustomerDetails* form = openJohn();
        auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        QVERIFY(window);
        QCOMPARE(window->isMinimized(), minimised);
        QCOMPARE(window->isMaximized(), maximised);
    }

    // Beside the customer list, both the details and their text view open where the whole
    // window, its title bar and buttons included, can be seen.
    void windowsOpenInsideTheMainWindow() {
        frmCustomerDetails* form = openJohn();
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        auto* view = TestSupport::control<QPlainTextEdit>(main, QStringLiteral("frmTextView"));
        for (QWidget* opened : {static_cast<QWidget*>(form), static_cast<QWidget*>(view)}) {
            auto* window = qobject_cast<QMdiSubWindow*>(opened->parentWidget());
            QVERIFY(window);
            const QRect area = window->parentWidget()->rect();
            QVERIFY2(area.contains(window->geometry()),
                     qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 outside %6x%7")
                                    .arg(opened->objectName())
                                    .arg(window->x())
                                    .arg(window->y())
                                    .arg(window->width())
                                    .arg(window->height())
                                    .arg(area.width())
                                    .arg(area.height())));
        }
    }

    void placementIsKeptInCusD() {
        frmCustomerDetails* form = openJohn();
        auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        window->setGeometry(30, 20, 640, 500);
        window->close();
        form = openJohn();
        window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        QCOMPARE(window->geometry(), QRect(30, 20, 640, 500));
        QCOMPARE(ReadConfigValue(QStringLiteral("CusD"), QStringLiteral("CusDstate")),
                 QStringLiteral("0"));
    }
};

STAYMARK_TEST_MAIN(TestFrmCustomerDetails)
#include "tst_frmCustomerDetails.moc"
