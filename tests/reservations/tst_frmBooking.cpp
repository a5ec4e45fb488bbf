#include "BookingWindowFixture.h"

#include "administration/frmTax.h"
#include "core/ErrorReport.h"
#include "core/ui/Shell.h"
#include "tests/support/AmountSteps.h"
#include "tests/support/ListLayouts.h"
#include "tests/support/SearchPath.h"

#include <QRegularExpression>

using TestSupport::LastMessage;
using TestSupport::ShownBalloon;
using TestSupport::Write;

namespace {

QString money(const char* amount) {
    return Currency::FromText(QString::fromLatin1(amount), QLocale::c()).Format();
}

// Presses an option on its round indicator, as a user does.
void choose(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

QStringList shownTexts() {
    QStringList texts;
    for (const Dialogs::Shown& shown : Dialogs::Testing::Record())
        texts << shown.text;
    return texts;
}

// The control that has the focus, named as the window names it: an editable box's own line
// stands for the box.
QString focusedControl() {
    QWidget* focused = QApplication::focusWidget();
    if (focused && focused->objectName().isEmpty() && focused->parentWidget())
        focused = focused->parentWidget();
    return focused ? focused->objectName() : QString();
}

QStringList roomIds(const ExtLV* list) {
    QStringList ids;
    ExtLV* rows = const_cast<ExtLV*>(list);
    for (int i = 1; i <= rows->ListItems().Count(); ++i)
        ids << rows->ListItems().Item(i).Text();
    return ids;
}

} // namespace

// The booking window: its lists, the tariff, the payment panel, the checks of Submit and the
// road of a booking into the database.
class TestFrmBooking : public BookingWindowFixture {
    Q_OBJECT

    frmBooking* form = nullptr;

    void fillCustomer(const QString& first, const QString& last) {
        form->txtFName->setText(first);
        form->txtLName->setText(last);
        form->comboStatus->setCurrentText(QStringLiteral("Confirmed"));
    }

    void initTest() override {
        LogIn();
        QVERIFY(GlobalLogin::IsLoggedIn);
        Dialogs::Testing::Reset(); // the login's own greeting
        form = OpenBooking();
        QVERIFY(form);
        // Opening the window shows the receptionist nothing.
        QCOMPARE(shownTexts(), QStringList());
    }
    void cleanupTest() override { form = nullptr; }

private slots:
    void loadOffersEveryRoomAndTheDefaults() {
        QVERIFY(BookingFormOpen);
        QCOMPARE(form->windowTitle(), QStringLiteral("New Booking"));
        QCOMPARE(roomIds(form->ListView1), (QStringList{"101", "102", "103"}));
        QCOMPARE(form->ListView1->ListItems().Item(2).SubItems(1), QStringLiteral("Double Bed"));
        QCOMPARE(form->ListView1->ListItems().Item(2).SubItems(2), QStringLiteral("$1,500.00"));
        QCOMPARE(form->comboTitle->currentText(), QStringLiteral("Mr."));
        QCOMPARE(form->comboAdults->currentText(), QStringLiteral("1"));
        QCOMPARE(form->comboMinors->currentText(), QStringLiteral("1"));
        QCOMPARE(form->comboStatus->currentText(), QStringLiteral("Unknown"));
        QCOMPARE(form->dtArrival->date(), kToday);
        QCOMPARE(form->dtDepature->date(), kToday.addDays(1));
        QCOMPARE(form->txtNumberDays->text(), QStringLiteral("1"));
        QCOMPARE(form->lbPercent->text(), QStringLiteral("0"));
        form->close();
        QTRY_VERIFY(!LoadedInstance<frmBooking>());
        QVERIFY(!BookingFormOpen);
    }

    void roomsCarryTheirTariffIntoTheRate() {
        VERIFY_RAN(AdminStatements::AddTax(QStringLiteral("VAT"), QStringLiteral("5"), 1));
        VERIFY_RAN(AdminStatements::AddTax(QStringLiteral("City"), QStringLiteral("7.5"), 1));
        VERIFY_RAN(AdminStatements::AddTax(QStringLiteral("Bar"), QStringLiteral("20"), 2));
        form->getAllTax();
        QCOMPARE(form->lbPercent->text(), QStringLiteral("12.5"));
        SetDays(form, 3);
        AddRoom(form, QStringLiteral("103"));
        QCOMPARE(form->txtRoomRate->text(), money("299.97"));
        QCOMPARE(form->txtTax->text(), money("37.4963"));
        QCOMPARE(form->txtGrandTotal->text(), money("337.4663"));
        QCOMPARE(roomIds(form->ListView2), QStringList{"103"});
        QCOMPARE(roomIds(form->ListView1), (QStringList{"101", "102"}));
        QTest::mouseClick(form->Command7, Qt::LeftButton);
        QCOMPARE(form->txtRoomRate->text(), money("299.97"));
    }

    // With a column put in front of the others every cell stands one place on: a room still
    // moves with its own tariff and is booked as itself.
    void roomsKeepTheirTariffWhereverTheirCellsStand() {
        TestSupport::PutColumnInFront(form->ListView1, QStringLiteral("Floor"));
        SetDays(form, 3);
        form->ListView1->ListItems().Item(3).Selected(true);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(TestSupport::RowsOf(form->ListView2, 3),
                 QStringList{QStringLiteral("103|Single Bed|") + money("99.99")});
        QCOMPARE(form->txtRoomRate->text(), money("299.97"));
        TestSupport::PutColumnInFront(form->ListView2, QStringLiteral("Floor"));
        QTest::mouseClick(form->Command7, Qt::LeftButton);
        QCOMPARE(form->txtRoomRate->text(), money("299.97"));

        fillCustomer(QStringLiteral("Ann"), QStringLiteral("Lee"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(LastMessage(), QStringLiteral("Customer details has been added to the Record"));
        Recordset customer = db->Query(QStringLiteral("SELECT * FROM tbl_customers"));
        QCOMPARE(customer.Text(QStringLiteral("cRoomNameID")), QStringLiteral("103"));
        QCOMPARE(customer.Text(QStringLiteral("cRoomNamePrice")), money("99.99"));
        QCOMPARE(db->Count(QStringLiteral("room_103")), 1);
    }

    void taxAndDueOfTheExamples() {
        VERIFY_RAN(AdminStatements::AddTax(QStringLiteral("VAT"), QStringLiteral("5"), 1));
        VERIFY_RAN(AdminStatements::AddTax(QStringLiteral("City"), QStringLiteral("7.5"), 1));
        form->getAllTax();
        SetDays(form, 2);
        form->ListView1->ListItems().Item(1).Selected(true); // 101 at 80, with 102 after it
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        form->txtRoomRate->setText(money("200"));
        QTest::mouseClick(form->Command7, Qt::LeftButton);
        QCOMPARE(form->txtRoomRate->text(), money("160"));
        form->txtRoomRate->setText(money("200"));
        form->Command2_Click(); // back to the list: the rate drops by 160
        QCOMPARE(form->txtTax->text(), money("5"));
        BookingWindowFixture::AddRoom(form, QStringLiteral("101")); // 40 and 160 again
        QCOMPARE(form->txtRoomRate->text(), money("200"));
        QCOMPARE(form->txtTax->text(), money("25"));
        QCOMPARE(form->txtGrandTotal->text(), money("225"));
        form->txtAdvance->setText(QStringLiteral("300"));
        QTest::keyClick(form->txtAdvance, Qt::Key_Return);
        QCOMPARE(form->txtAdvance->text(), money("300"));
        QCOMPARE(form->txtDue->text(), QStringLiteral("($75.00)"));
    }

    void removingAfterTheDatesChangedCanGoBelowZero() {
        AddRoom(form, QStringLiteral("101"));
        QCOMPARE(form->txtRoomRate->text(), money("80"));
        SetDays(form, 3);
        form->ListView2->ListItems().Item(1).Selected(true);
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        QCOMPARE(form->txtRoomRate->text(), money("-160"));
        QCOMPARE(form->txtDue->text(), money("0"));
        QCOMPARE(roomIds(form->ListView1), (QStringList{"102", "103", "101"}));
    }

    void departureBeforeArrivalIsRefused() {
        form->dtDepature->setDate(kToday.addDays(-2));
        QCOMPARE(LastMessage(), QStringLiteral("Date cannot be minus"));
        QCOMPARE(form->dtDepature->date(), kToday.addDays(1));
        QCOMPARE(form->txtNumberDays->text(), QStringLiteral("1"));
        form->txtNumberDays->setText(QStringLiteral("9"));
        QCOMPARE(form->txtNumberDays->text(), QStringLiteral("1"));
    }

    // A date typed digit by digit is checked once it is complete: the message comes when the
    // typing ends, never at a digit on the way; Enter then submits a stay the check takes.
    void aStayIsTypedIntoItsDateBoxes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("end"); // the key that ends the typing
        QTest::addColumn<QDate>("arrival");
        QTest::addColumn<QDate>("departure");
        QTest::addColumn<QStringList>("shown");
        const QDate today = kToday; // 12/10/2026
        const QStringList refused{QStringLiteral("Date cannot be minus")};
        const QStringList added{QStringLiteral("Customer details has been added to the Record")};
        QTest::newRow("a later check-out")
            << "dtDepature"
            << "12/14/2026" << int(Qt::Key_Tab) << today << QDate(2026, 12, 14) << QStringList();
        QTest::newRow("a later check-out, Enter books it")
            << "dtDepature"
            << "12/14/2026" << int(Qt::Key_Return) << today << QDate(2026, 12, 14) << added;
        QTest::newRow("a check-out before the arrival")
            << "dtDepature"
            << "12/5/2026" << int(Qt::Key_Tab) << today << today.addDays(1) << refused;
        QTest::newRow("a check-out before the arrival, Enter books nothing")
            << "dtDepature"
            << "12/5/2026" << int(Qt::Key_Return) << today << today.addDays(1) << refused;
        QTest::newRow("a check-in past the check-out")
            << "dtArrival"
            << "12/20/2026" << int(Qt::Key_Tab) << QDate(2026, 12, 20) << QDate(2026, 12, 21)
            << refused;
    }
    void aStayIsTypedIntoItsDateBoxes() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(int, end);
        QFETCH(QDate, arrival);
        QFETCH(QDate, departure);
        QFETCH(QStringList, shown);
        QApplication::setActiveWindow(main);
        fillCustomer(QStringLiteral("Ann"), QStringLiteral("Lee"));
        AddRoom(form, QStringLiteral("101"));
        auto* picker = form->findChild<DatePicker*>(box);
        picker->setFocus(Qt::TabFocusReason);
        for (QChar digit : typed) {
            QTest::keyClicks(picker, QString(digit));
            QCOMPARE(shownTexts(), QStringList());
        }
        QTest::keyClick(picker, Qt::Key(end));
        QCOMPARE(shownTexts(), shown);
        if (shown == QStringList{QStringLiteral("Customer details has been added to the Record")}) {
            Recordset customer = db->Query(QStringLiteral("SELECT * FROM tbl_customers"));
            QCOMPARE(customer.Date(QStringLiteral("cCheckInDate")), arrival);
            QCOMPARE(customer.Date(QStringLiteral("cCheckOutDate")), departure);
            QCOMPARE(customer.Fields(QStringLiteral("cNoOfDays")).toInt(),
                     int(arrival.daysTo(departure)));
            return;
        }
        QCOMPARE(db->Count(QStringLiteral("tbl_customers")), 0);
        QCOMPARE(form->dtArrival->date(), arrival);
        QCOMPARE(form->dtDepature->date(), departure);
        QCOMPARE(form->txtNumberDays->text(), QString::number(arrival.daysTo(departure)));
    }

    // A click into a money box selects the amount it shows, as Tab does: what is typed or
    // pasted then is the amount. Each box of the tariff and the payments.
    void aClickIntoAnAmountSelectsIt_data() {
        QTest::addColumn<QString>("box");
        for (const char* box : {"txtRoomRate", "txtTax", "txtGrandTotal", "txtAdvance", "txtDue"})
            QTest::newRow(box) << box;
    }
    void aClickIntoAnAmountSelectsIt() {
        QFETCH(QString, box);
        QApplication::setActiveWindow(main);
        AddRoom(form, QStringLiteral("101"));
        auto* amount = form->findChild<QLineEdit*>(box);
        QVERIFY(Currency::ParseOneAmount(amount->text()).has_value());
        TestSupport::ChangeAmount(amount, QStringLiteral("type"), QStringLiteral("100"));
        QCOMPARE(amount->text(), QStringLiteral("100"));
        QTest::keyClick(amount, Qt::Key_Tab);
        TestSupport::ChangeAmount(amount, QStringLiteral("paste"), QStringLiteral("$250.50"));
        QCOMPARE(amount->text(), QStringLiteral("$250.50"));
        // A second click into the box places the cursor, for a change inside the amount.
        TestSupport::ClickInto(amount);
        QVERIFY(!amount->hasSelectedText());
    }

    // The advance a user types or pastes is the advance, or, when the text is not one amount,
    // the Advance balloon says so as Tab leaves it, and the due stays as it was.
    void anAdvanceIsTheAmountEntered_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("advance");
        QTest::addColumn<QString>("due");
        QTest::addColumn<bool>("refused");
        const QString zero = money("0");
        const QString total = money("80");
        QTest::newRow("typed over the amount")
            << "type"
            << "100" << money("100") << QStringLiteral("($20.00)") << false;
        QTest::newRow("pasted over the amount")
            << "paste"
            << "$30.50" << money("30.50") << money("49.50") << false;
        QTest::newRow("typed after the amount")
            << "type after"
            << "100" << zero + QStringLiteral("100") << total << true;
        QTest::newRow("pasted with a line break")
            << "paste"
            << "30\n50" << QStringLiteral("30\n50") << total << true;
        QTest::newRow("pasted with an emoji") << "paste" << QStringLiteral("30\U0001F4B6")
                                              << QStringLiteral("30\U0001F4B6") << total << true;
        QTest::newRow("pasted beyond the box's limit")
            << "paste" << QString(300, QLatin1Char('9')) << QString(255, QLatin1Char('9')) << total
            << true;
    }
    void anAdvanceIsTheAmountEntered() {
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(QString, advance);
        QFETCH(QString, due);
        QFETCH(bool, refused);
        QApplication::setActiveWindow(main);
        AddRoom(form, QStringLiteral("101"));
        QCOMPARE(form->txtAdvance->text(), money("0"));
        TestSupport::ChangeAmount(form->txtAdvance, how, text);
        QTest::keyClick(form->txtAdvance, Qt::Key_Tab);
        QCOMPARE(form->txtAdvance->text(), advance);
        QCOMPARE(form->txtDue->text(), due);
        const TestSupport::Balloon balloon = ShownBalloon(form);
        QCOMPARE(balloon.shown, refused);
        if (refused) {
            QCOMPARE(balloon.title, QStringLiteral("Advance"));
            QCOMPARE(balloon.TargetName(), QStringLiteral("txtAdvance"));
        }
        // The focus goes on where Tab took it.
        QCOMPARE(focusedControl(), QStringLiteral("txtDue"));
        QCOMPARE(shownTexts(), QStringList());
    }

    void refreshEmptiesTheTariffAndKeepsTheCustomer() {
        form->txtFName->setText(QStringLiteral("Ann"));
        AddRoom(form, QStringLiteral("101"));
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QCOMPARE(roomIds(form->ListView1), (QStringList{"101", "102", "103"}));
        QVERIFY(form->ListView2->ListItems().Count() == 0);
        QCOMPARE(form->txtRoomRate->text(), QString());
        QCOMPARE(form->txtGrandTotal->text(), QStringLiteral("0"));
        QCOMPARE(form->txtFName->text(), QStringLiteral("Ann"));
    }

    void taxButtonNeedsTheTaxPrivilege() {
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        QVERIFY(LoadedInstance<frmTax>());
        delete LoadedInstance<frmTax>();
        GlobalLogin::PrivModifyTax = 0;
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        QVERIFY(!LoadedInstance<frmTax>());
        QCOMPARE(LastMessage(), GlobalLogin::NoPrivilegeMsg());
        QCOMPARE(Dialogs::Testing::Record().last().title, QStringLiteral("Staymark"));
    }

    // "Calc" starts the desktop's calculator; on a computer without one the user is told so.
    void calcStartsACalculatorOrSaysThereIsNone_data() {
        QTest::addColumn<QString>("installed"); // the calculator on the computer, or none
        QTest::addColumn<QString>("message");   // none shown where it is empty
        QTest::newRow("a calculator") << "xcalc"
                                      << "";
        QTest::newRow("none") << ""
                              << "The calculator could not be opened:\r\nNo program on this "
                                 "computer opens it.";
    }
    void calcStartsACalculatorOrSaysThereIsNone() {
        QFETCH(QString, installed);
        QFETCH(QString, message);
        SearchPath path;
        if (!installed.isEmpty())
            QVERIFY(path.AddProgram(installed, "exit 0\n"));
        QTest::mouseClick(form->Command6, Qt::LeftButton);
        QStringList started;
        for (const Shell::Request& request : Shell::Testing::Record())
            started << request.target;
        QCOMPARE(started, installed.isEmpty() ? QStringList()
                                              : QStringList{path.Folder() + '/' + installed});
        QCOMPARE(shownTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    }

    void submitChecksTheFieldsInOrder_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("withRoom");
        QTest::addColumn<QString>("balloon");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no names") << ""
                                  << ""
                                  << "Confirmed" << true << "First Name"
                                  << "txtFName";
        QTest::newRow("no last name") << "Ann"
                                      << ""
                                      << "Confirmed" << true << "Last Name"
                                      << "txtLName";
        QTest::newRow("names of blanks pass, status unknown")
            << " "
            << " "
            << "Unknown" << true << "Status Unknown"
            << "comboStatus";
        QTest::newRow("no room") << "Ann"
                                 << "Lee"
                                 << "N/A" << false << "No Rooms"
                                 << "ListView2";
    }
    void submitChecksTheFieldsInOrder() {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, status);
        QFETCH(bool, withRoom);
        QFETCH(QString, balloon);
        QFETCH(QString, focus);
        QApplication::setActiveWindow(main);
        form->txtFName->setText(first);
        form->txtLName->setText(last);
        form->comboStatus->setCurrentText(status);
        if (withRoom)
            AddRoom(form, QStringLiteral("101"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(ShownBalloon(form).title, balloon);
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                             : QString(),
                 focus);
        QVERIFY(form->Command5->isEnabled());
        QCOMPARE(db->Count(QStringLiteral("tbl_customers")), 0);
        QTest::mouseClick(form->txtFName, Qt::LeftButton);
        QVERIFY(!ShownBalloon(form).shown);
    }

    void paymentPanelPromptsAndKeepsTypedDetails() {
        QRadioButton* cheque = form->paymentMethod[1];
        QVERIFY(form->picPayDetails->isHidden());
        choose(cheque);
        QVERIFY(form->picPayDetails->isVisible());
        QCOMPARE(form->txtPaymentDetails->text(), QStringLiteral("Enter Cheque Details"));
        QCOMPARE(form->PaymentMethodIndex, 1);
        choose(form->paymentMethod[2]);
        QCOMPARE(form->txtPaymentDetails->text(), QStringLiteral("Enter Credit Card Details"));
        choose(form->paymentMethod[3]);
        QCOMPARE(form->txtPaymentDetails->text(),
                 QStringLiteral("Enter Other Payment Method Details"));
        QTest::mouseClick(form->txtPaymentDetails, Qt::LeftButton);
        QCOMPARE(form->txtPaymentDetails->text(), QString());
        form->txtPaymentDetails->setText(QStringLiteral("Voucher 7"));
        choose(form->paymentMethod[2]);
        QCOMPARE(form->txtPaymentDetails->text(), QStringLiteral("Voucher 7"));
        QTest::mouseClick(form->txtPaymentDetails, Qt::LeftButton);
        QCOMPARE(form->txtPaymentDetails->text(), QStringLiteral("Voucher 7"));
        // Pressing the chosen option again toggles the panel.
        choose(form->paymentMethod[2]);
        QVERIFY(form->picPayDetails->isHidden());
        choose(form->paymentMethod[2]);
        QVERIFY(form->picPayDetails->isVisible());
        QTest::mouseClick(form->Command8, Qt::LeftButton);
        QVERIFY(form->picPayDetails->isHidden());
        QCOMPARE(form->PaymentMethodIndex, 2);
        choose(form->paymentMethod[0]);
        QVERIFY(form->picPayDetails->isHidden());
        QCOMPARE(form->txtPaymentDetails->text(), QStringLiteral("Voucher 7"));
    }

    void okWithoutDetailsGoesBackToCash() {
        choose(form->paymentMethod[1]);
        QTest::mouseClick(form->Command8, Qt::LeftButton);
        QVERIFY(form->paymentMethod[0]->isChecked());
        QVERIFY(form->picPayDetails->isHidden());
        QCOMPARE(form->PaymentMethodIndex, 0);
    }

    // A first use has no stored state: the window the user asked for is not hidden.
    void windowOpensNormalWithoutAStoredStateAndSavesItsPlacement() {
        form->close();
        QTRY_VERIFY(!LoadedInstance<frmBooking>());
        BookingWindowFixture::StoreWindowState(QString());
        triggerAction(QStringLiteral("mnuBooking"));
        QMdiSubWindow* window = main->MdiArea->subWindowList().value(0);
        QVERIFY(window);
        QVERIFY(!window->isMinimized());
        QVERIFY(!window->isMaximized());
        window->resize(700, 500);
        window->close();
        QTRY_VERIFY(!LoadedInstance<frmBooking>());
        QCOMPARE(ReadConfigValue(QStringLiteral("bokpos"), QStringLiteral("bokState")),
                 QStringLiteral("0"));
        QCOMPARE(ReadConfigValue(QStringLiteral("bokpos"), QStringLiteral("Width")),
                 QStringLiteral("700"));
    }

    // The road of a booking, into every table it fills.
    void submittedBookingLandsInEveryTable() {
        VERIFY_RAN(AdminStatements::AddTax(QStringLiteral("VAT"), QStringLiteral("5"), 1));
        VERIFY_RAN(AdminStatements::AddTax(QStringLiteral("City"), QStringLiteral("7.5"), 1));
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QTest::mouseClick(form->Command7, Qt::LeftButton);
        form->comboTitle->setCurrentText(QStringLiteral("Dr."));
        fillCustomer(QStringLiteral("Ann"), QStringLiteral("O'Hara"));
        form->txtPhone->setText(QStringLiteral("555-1234"));
        form->comboAdults->setCurrentText(QStringLiteral("2"));
        form->comboMinors->setCurrentText(QStringLiteral("0"));
        SetDays(form, 3);
        AddRoom(form, QStringLiteral("101"));
        AddRoom(form, QStringLiteral("102"));
        choose(form->paymentMethod[1]);
        QTest::mouseClick(form->txtPaymentDetails, Qt::LeftButton);
        QTest::keyClicks(form->txtPaymentDetails, QStringLiteral("Chq 12'3"));
        QTest::mouseClick(form->Command8, Qt::LeftButton);
        form->txtAdvance->setText(QStringLiteral("100"));
        QTest::keyClick(form->txtAdvance, Qt::Key_Return);
        form->txtAdditionalNote->setPlainText(QStringLiteral("Late arrival"));
        QCOMPARE(form->txtGrandTotal->text(), money("5332.5"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);

        const Dialogs::Shown done = Dialogs::Testing::Record().last();
        QCOMPARE(done.text, QStringLiteral("Customer details has been added to the Record"));
        QCOMPARE(done.title, QStringLiteral("Customer Added"));
        QCOMPARE(done.icon, Dialogs::Icon::Information);

        Recordset customer = db->Query(QStringLiteral("SELECT * FROM tbl_customers"));
        QCOMPARE(customer.RecordCount(), 1);
        const QString number = customer.Text(QStringLiteral("cUniqueNo"));
        QVERIFY2(QRegularExpression(QStringLiteral("^AO[A-Y]{6}$")).match(number).hasMatch(),
                 qPrintable(number));
        const QList<std::pair<const char*, QString>> texts{{"cTitle", "Dr."},
                                                           {"cFirstName", "Ann"},
                                                           {"cLastName", "OHara"},
                                                           {"cAddress", "N/A"},
                                                           {"cPhone", "555-1234"},
                                                           {"cPaymentMethod", "Cheque"},
                                                           {"cPaymentMethodDetails", "Chq 12!*!3"},
                                                           {"cRoomNameID", "101,102"},
                                                           {"cRoomNamePrice", "$80.00,$1,500.00"},
                                                           {"cAdditionalNote", "Late arrival"},
                                                           {"cStatus", "Confirmed"}};
        for (const auto& [column, value] : texts)
            QCOMPARE(customer.Text(QString::fromLatin1(column)), value);
        QCOMPARE(customer.Fields(QStringLiteral("cNoOfAdults")).toInt(), 2);
        QCOMPARE(customer.Fields(QStringLiteral("cNoOfMinors")).toInt(), 0);
        QCOMPARE(customer.Date(QStringLiteral("cCheckInDate")), kToday);
        QCOMPARE(customer.Date(QStringLiteral("cCheckOutDate")), kToday.addDays(3));
        QCOMPARE(customer.Fields(QStringLiteral("cNoOfDays")).toInt(), 3);
        const QList<std::pair<const char*, const char*>> amounts{{"cRoomsRate", "4740"},
                                                                 {"cTax", "592.5"},
                                                                 {"cGrandTotal", "5332.5"},
                                                                 {"cAdvancePaid", "100"},
                                                                 {"cDue", "5232.5"}};
        for (const auto& [column, amount] : amounts)
            QCOMPARE(customer.Money(QString::fromLatin1(column)).ToPlainText(),
                     QString::fromLatin1(amount));

        for (const char* room : {"101", "102"}) {
            Recordset row =
                db->Query(QStringLiteral("SELECT * FROM room_%1").arg(QLatin1String(room)));
            QCOMPARE(row.RecordCount(), 1);
            QCOMPARE(row.Fields(QStringLiteral("RoomNameID")).toString(),
                     QString::fromLatin1(room));
            QCOMPARE(row.Text(QStringLiteral("cUniqueID")), number);
            QCOMPARE(row.Date(QStringLiteral("CheckInDate")), kToday);
            QCOMPARE(row.Date(QStringLiteral("CheckOutDate")), kToday.addDays(3));
            QCOMPARE(row.Date(QStringLiteral("RoomBookedDate")), kToday);
        }

        Recordset day = db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"));
        QCOMPARE(day.RecordCount(), 1);
        QCOMPARE(day.Date(QStringLiteral("tDate")), kToday);
        QCOMPARE(day.Money(QStringLiteral("tRevenue")).ToPlainText(), QStringLiteral("5332.5"));
        QCOMPARE(day.Money(QStringLiteral("tBookingRevenue")).ToPlainText(),
                 QStringLiteral("5332.5"));
        QCOMPARE(day.Money(QStringLiteral("tFoodDrinkRevenue")), Currency());
        QCOMPARE(day.Fields(QStringLiteral("tBookings")).toInt(), 1);
        QCOMPARE(day.Fields(QStringLiteral("tFoodOrders")).toInt(), 0);

        Recordset log =
            db->Query(QStringLiteral("SELECT * FROM tbl_logTable WHERE LogKey = 'Bookings'"));
        QCOMPARE(log.RecordCount(), 1);
        QCOMPARE(log.Text(QStringLiteral("LogText")),
                 QStringLiteral("New Booking of Customer : Ann OHara"));
        QCOMPARE(log.Text(QStringLiteral("LoggedUser")), QStringLiteral("admin"));

        // Cleared for the next booking; title, status and payment method kept.
        for (QLineEdit* box : {form->txtFName, form->txtLName, form->txtAddress, form->txtPhone,
                               form->txtRoomRate, form->txtTax, form->txtAdvance, form->txtDue})
            QVERIFY2(box->text().isEmpty(),
                     qPrintable(box->objectName() + QLatin1Char('=') + box->text()));
        QCOMPARE(form->txtGrandTotal->text(), QStringLiteral("0"));
        QCOMPARE(form->txtAdditionalNote->toPlainText(), QString());
        QCOMPARE(form->comboAdults->currentText(), QStringLiteral("0"));
        QCOMPARE(form->comboMinors->currentText(), QStringLiteral("0"));
        QCOMPARE(form->dtArrival->date(), kToday);
        QCOMPARE(form->dtDepature->date(), kToday.addDays(1));
        QCOMPARE(form->txtNumberDays->text(), QStringLiteral("1"));
        QCOMPARE(form->comboTitle->currentText(), QStringLiteral("Dr."));
        QCOMPARE(form->comboStatus->currentText(), QStringLiteral("Confirmed"));
        QVERIFY(form->paymentMethod[1]->isChecked());
        QCOMPARE(form->txtPaymentDetails->text(), QStringLiteral("Enter Cheque Details"));
        QCOMPARE(roomIds(form->ListView1), (QStringList{"101", "102", "103"}));
        QCOMPARE(form->ListView2->ListItems().Count(), 0);
        QVERIFY(form->Command5->isEnabled());

        // The second booking of the day adds to the same row.
        fillCustomer(QStringLiteral("Bo"), QStringLiteral("Li"));
        AddRoom(form, QStringLiteral("101"));
        QTest::keyClick(form->txtLName, Qt::Key_Return);
        day = db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"));
        QCOMPARE(day.RecordCount(), 1);
        QCOMPARE(day.Fields(QStringLiteral("tBookings")).toInt(), 2);
        QCOMPARE(day.Money(QStringLiteral("tRevenue")).ToPlainText(), QStringLiteral("5422.5"));
        QCOMPARE(day.Money(QStringLiteral("tBookingRevenue")).ToPlainText(),
                 QStringLiteral("5422.5"));
        QCOMPARE(db->Count(QStringLiteral("tbl_customers")), 2);
        // The next guest pays by cheque too, but not with the previous guest's cheque.
        Recordset next =
            db->Query(QStringLiteral("SELECT * FROM tbl_customers WHERE cFirstName = 'Bo'"));
        QCOMPARE(next.Text(QStringLiteral("cPaymentMethod")), QStringLiteral("Cheque"));
        QCOMPARE(next.Text(QStringLiteral("cPaymentMethodDetails")), QStringLiteral("N/A"));
    }

    // A booking whose stay lies in the past: clearing the window brings back today and
    // tomorrow without a word about the dates.
    void clearingAfterAStayInThePastShowsNoMessage() {
        fillCustomer(QStringLiteral("Ann"), QStringLiteral("Lee"));
        form->dtArrival->setDate(BookingWindowFixture::kToday.addDays(-10));
        form->dtDepature->setDate(BookingWindowFixture::kToday.addDays(-8));
        BookingWindowFixture::AddRoom(form, QStringLiteral("101"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(shownTexts(),
                 QStringList{QStringLiteral("Customer details has been added to the Record")});
        Recordset customer = db->Query(QStringLiteral("SELECT * FROM tbl_customers"));
        QCOMPARE(customer.Date(QStringLiteral("cCheckOutDate")),
                 BookingWindowFixture::kToday.addDays(-8));
        QCOMPARE(form->dtArrival->date(), BookingWindowFixture::kToday);
        QCOMPARE(form->dtDepature->date(), BookingWindowFixture::kToday.addDays(1));
        QCOMPARE(form->txtNumberDays->text(), QStringLiteral("1"));
    }

    // 5 % of 20.10 is 1.005: a tie, shown and stored as 1.01, and the total that follows.
    void taxTieIsRoundedAwayFromZeroAndStoredAsShown() {
        VERIFY_RAN(AdminStatements::AddRoom(QStringLiteral("104"), QStringLiteral("Attic"),
                                            QStringLiteral("Single Bed"), QStringLiteral("20.10")));
        VERIFY_RAN(AdminStatements::AddTax(QStringLiteral("VAT"), QStringLiteral("5"), 1));
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QTest::mouseClick(form->Command7, Qt::LeftButton);
        fillCustomer(QStringLiteral("Ann"), QStringLiteral("Lee"));
        BookingWindowFixture::AddRoom(form, QStringLiteral("104"));
        QCOMPARE(form->txtTax->text(), QStringLiteral("$1.01"));
        QCOMPARE(form->txtGrandTotal->text(), QStringLiteral("$21.11"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        Recordset customer = db->Query(QStringLiteral("SELECT * FROM tbl_customers"));
        QCOMPARE(customer.Money(QStringLiteral("cTax")).ToPlainText(), QStringLiteral("1.01"));
        QCOMPARE(customer.Money(QStringLiteral("cGrandTotal")).ToPlainText(),
                 QStringLiteral("21.11"));
        QCOMPARE(customer.Money(QStringLiteral("cDue")).ToPlainText(), QStringLiteral("21.11"));
        Recordset day = db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"));
        QCOMPARE(day.Money(QStringLiteral("tRevenue")).ToPlainText(), QStringLiteral("21.11"));
    }

    // The room's own table keeps a whole number: a room named otherwise is refused on every
    // back end before anything is written.
    void roomThatIsNoWholeNumberIsRefusedBeforeAnythingIsWritten() {
        VERIFY_RAN(AdminStatements::AddRoom(QStringLiteral("1A"), QStringLiteral("Annex"),
                                            QStringLiteral("Twin Bed"), QStringLiteral("60")));
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        fillCustomer(QStringLiteral("Ann"), QStringLiteral("Lee"));
        BookingWindowFixture::AddRoom(form, QStringLiteral("101"));
        BookingWindowFixture::AddRoom(form, QStringLiteral("1A"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(shownTexts(),
                 QStringList{QStringLiteral(
                     "Room 1A cannot be booked: its identifier is not a whole number. Take it out "
                     "of the Added Room(s); the administrator can give the room a number.")});
        for (const char* table : {"tbl_customers", "room_101", "room_1A", "tbl_revenueStats"})
            QCOMPARE(db->Count(QString::fromLatin1(table)), 0);
        QCOMPARE(ErrMsg, QString());
        QCOMPARE(form->ListView2->ListItems().Count(), 2);
        QVERIFY(form->Command5->isEnabled());
    }

    // Each box that feeds a text column takes no more than the column holds, so both back ends
    // store the same.
    void textBoxesTakeNoMoreThanTheirColumnsHold() {
        const QString typed(300, QLatin1Char('x'));
        fillCustomer(QString(), QString());
        QTest::keyClicks(form->txtFName, typed);
        QTest::keyClicks(form->txtLName, typed);
        QTest::keyClicks(form->txtAddress, typed);
        QTest::keyClicks(form->txtPhone, typed);
        form->comboTitle->setEditText(typed);
        BookingWindowFixture::AddRoom(form, QStringLiteral("101"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        Recordset customer = db->Query(QStringLiteral("SELECT * FROM tbl_customers"));
        QCOMPARE(customer.RecordCount(), 1);
        for (const char* column : {"cTitle", "cFirstName", "cLastName", "cAddress", "cPhone"})
            QCOMPARE(customer.Text(QString::fromLatin1(column)), typed.left(255));
    }

    // Letters in a money or count box, or a count beyond what its column holds, are answered
    // at the box: the balloon names it, the focus goes there, nothing is written.
    void numberBoxThatHoldsNoNumberGetsTheBalloon_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("letters in Advance") << "txtAdvance"
                                            << "abc"
                                            << "Advance";
        QTest::newRow("an amount typed after the Advance shown") << "txtAdvance"
                                                                 << "$0.00100"
                                                                 << "Advance";
        QTest::newRow("a word in adults") << "comboAdults"
                                          << "two"
                                          << "No. of Adults";
        QTest::newRow("adults beyond 50") << "comboAdults"
                                          << "51"
                                          << "No. of Adults";
        QTest::newRow("minors below 0") << "comboMinors"
                                        << "-1"
                                        << "Minors";
        QTest::newRow("letters in the tax") << "txtTax"
                                            << "a lot"
                                            << "Tax(s)";
        QTest::newRow("letters in the due") << "txtDue"
                                            << "none"
                                            << "Due";
    }
    void numberBoxThatHoldsNoNumberGetsTheBalloon() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QApplication::setActiveWindow(main);
        fillCustomer(QStringLiteral("Ann"), QStringLiteral("Lee"));
        BookingWindowFixture::AddRoom(form, QStringLiteral("101"));
        QWidget* control = form->findChild<QWidget*>(box);
        if (auto* combo = qobject_cast<QComboBox*>(control))
            combo->setEditText(text);
        else
            qobject_cast<QLineEdit*>(control)->setText(text);
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        const BalloonWindow* balloon = form->findChild<BalloonWindow*>();
        QVERIFY(balloon && balloon->isVisible());
        QCOMPARE(balloon->TitleText(), title);
        QCOMPARE(balloon->TitleIcon(), int(CBalloonToolTip::ErrorIcon));
        QCOMPARE(focusedControl(), box);
        QCOMPARE(ErrMsg, QString());
        QCOMPARE(shownTexts(), QStringList());
        QCOMPARE(db->Count(QStringLiteral("tbl_customers")), 0);
        QCOMPARE(db->Count(QStringLiteral("room_101")), 0);
        QVERIFY(form->Command5->isEnabled());
    }

    void roomRateThatIsNoMoneyGetsTheBalloonWhenARoomMoves() {
        QApplication::setActiveWindow(main);
        form->txtRoomRate->setText(QStringLiteral("lots"));
        BookingWindowFixture::AddRoom(form, QStringLiteral("101"));
        QCOMPARE(ShownBalloon(form).title, QStringLiteral("Room(s) Rate"));
        QCOMPARE(focusedControl(), QStringLiteral("txtRoomRate"));
        QCOMPARE(ErrMsg, QString());
        QCOMPARE(roomIds(form->ListView1), (QStringList{"101", "102", "103"}));
    }

    void tabWalksTheWindowInTheOrderItReads() {
        QApplication::setActiveWindow(main);
        form->paymentMethod[1]->setChecked(true); // the details panel shown
        form->comboTitle->setFocus();
        const QStringList expected{"txtFName",  "txtLName",          "txtAddress",
                                   "txtPhone",  "comboAdults",       "comboMinors",
                                   "dtArrival", "dtDepature",        "comboStatus",
                                   "ListView1", "Command1",          "Command2",
                                   "ListView2", "txtNumberDays",     "txtRoomRate",
                                   "txtTax",    "txtGrandTotal",     "Command7",
                                   "Command4",  "Command6",          "txtAdvance",
                                   "txtDue",    "paymentMethod",     "txtPaymentDetails",
                                   "Command8",  "txtAdditionalNote", "Command3",
                                   "Command5"};
        // A date box steps through its day, month and year before Tab leaves it; the payment
        // options are one stop, the arrow keys move between them.
        QStringList walked;
        for (int presses = 0; presses < 60 && walked.size() < expected.size(); ++presses) {
            const QString before = focusedControl();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QString now = focusedControl();
            if (now.startsWith(QLatin1String("paymentMethod")))
                now = QStringLiteral("paymentMethod");
            if (now != before && (walked.isEmpty() || walked.last() != now))
                walked << now;
        }
        QCOMPARE(walked, expected);
        QCOMPARE(form->txtAdditionalNote->toPlainText(), QString());
    }

    void cashBookingStoresCashAndDefaults() {
        fillCustomer(QStringLiteral("Ann"), QStringLiteral("Lee"));
        AddRoom(form, QStringLiteral("101"));
        form->txtPaymentDetails->setText(QStringLiteral("ignored"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(form->txtAddress->text(), QString());
        Recordset customer = db->Query(QStringLiteral("SELECT * FROM tbl_customers"));
        QCOMPARE(customer.Text(QStringLiteral("cPaymentMethod")), QStringLiteral("Cash"));
        QCOMPARE(customer.Text(QStringLiteral("cPaymentMethodDetails")), QStringLiteral("Cash"));
        QCOMPARE(customer.Text(QStringLiteral("cAddress")), QStringLiteral("N/A"));
        QCOMPARE(customer.Text(QStringLiteral("cPhone")), QStringLiteral("0"));
    }

    void failingStatementKeepsNothingAndTheForm() {
        VERIFY_RAN(db->RefuseWrites(QStringLiteral("room_102"), Write::Insert));
        fillCustomer(QStringLiteral("Ann"), QStringLiteral("Lee"));
        AddRoom(form, QStringLiteral("101"));
        AddRoom(form, QStringLiteral("102"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QVERIFY(LastMessage().startsWith(QStringLiteral("Error Code : DB0003\r\n")));
        for (const Dialogs::Shown& shown : Dialogs::Testing::Record())
            QVERIFY(shown.title != QLatin1String("Customer Added"));
        for (const char* table : {"tbl_customers", "room_101", "tbl_revenueStats"})
            QCOMPARE(db->Count(QString::fromLatin1(table)), 0);
        QCOMPARE(db->Count(QStringLiteral("tbl_logTable"), QStringLiteral("LogKey = 'Bookings'")),
                 0);
        QCOMPARE(form->txtFName->text(), QStringLiteral("Ann"));
        QCOMPARE(form->ListView2->ListItems().Count(), 2);
        QVERIFY(form->Command5->isEnabled());
    }
};

STAYMARK_TEST_MAIN(TestFrmBooking)
#include "tst_frmBooking.moc"
