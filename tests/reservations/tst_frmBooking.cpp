#include "BookingWindowFixture.h"

#include "administration/frmTax.h"
#include "core/ErrorReport.h"
#include "core/ui/CBalloonToolTip.h"

#include <QRegularExpression>

namespace {

QString money(const char* amount) {
    return Currency::FromText(QString::fromLatin1(amount), QLocale::c()).Format();
}

QString shownBalloonTitle(const frmBooking* form) {
    const BalloonWindow* balloon = form->findChild<BalloonWindow*>();
    return balloon && balloon->isVisible() ? balloon->TitleText() : QString();
}

// Presses an option on its round indicator, as a user does.
void choose(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
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
class TestFrmBooking : public QObject {
    Q_OBJECT

    BookingWindowFixture fixture;
    frmBooking* form = nullptr;

    void fillCustomer(const QString& first, const QString& last) {
        form->txtFName->setText(first);
        form->txtLName->setText(last);
        form->comboStatus->setCurrentText(QStringLiteral("Confirmed"));
    }

private slots:
    void init() {
        const QString error = fixture.StartWithRooms();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        fixture.LogIn();
        QVERIFY(GlobalLogin::IsLoggedIn);
        form = fixture.OpenBooking();
        QVERIFY(form);
        Dialogs::Testing::Reset();
    }
    void cleanup() {
        form = nullptr;
        fixture.Stop();
    }

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
        QCOMPARE(form->dtArrival->date(), BookingWindowFixture::kToday);
        QCOMPARE(form->dtDepature->date(), BookingWindowFixture::kToday.addDays(1));
        QCOMPARE(form->txtNumberDays->text(), QStringLiteral("1"));
        QCOMPARE(form->lbPercent->text(), QStringLiteral("0"));
        form->close();
        QTRY_VERIFY(!LoadedInstance<frmBooking>());
        QVERIFY(!BookingFormOpen);
    }

    void roomsCarryTheirTariffIntoTheRate() {
        QVERIFY(AdminStatements::AddTax(QStringLiteral("VAT"), QStringLiteral("5"), 1));
        QVERIFY(AdminStatements::AddTax(QStringLiteral("City"), QStringLiteral("7.5"), 1));
        QVERIFY(AdminStatements::AddTax(QStringLiteral("Bar"), QStringLiteral("20"), 2));
        form->getAllTax();
        QCOMPARE(form->lbPercent->text(), QStringLiteral("12.5"));
        BookingWindowFixture::SetDays(form, 3);
        BookingWindowFixture::AddRoom(form, QStringLiteral("103"));
        QCOMPARE(form->txtRoomRate->text(), money("299.97"));
        QCOMPARE(form->txtTax->text(), money("37.4963"));
        QCOMPARE(form->txtGrandTotal->text(), money("337.4663"));
        QCOMPARE(roomIds(form->ListView2), QStringList{"103"});
        QCOMPARE(roomIds(form->ListView1), (QStringList{"101", "102"}));
        QTest::mouseClick(form->Command7, Qt::LeftButton);
        QCOMPARE(form->txtRoomRate->text(), money("299.97"));
    }

    void taxAndDueOfTheExamples() {
        QVERIFY(AdminStatements::AddTax(QStringLiteral("VAT"), QStringLiteral("5"), 1));
        QVERIFY(AdminStatements::AddTax(QStringLiteral("City"), QStringLiteral("7.5"), 1));
        form->getAllTax();
        BookingWindowFixture::SetDays(form, 2);
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
        BookingWindowFixture::AddRoom(form, QStringLiteral("101"));
        QCOMPARE(form->txtRoomRate->text(), money("80"));
        BookingWindowFixture::SetDays(form, 3);
        form->ListView2->ListItems().Item(1).Selected(true);
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        QCOMPARE(form->txtRoomRate->text(), money("-160"));
        QCOMPARE(form->txtDue->text(), money("0"));
        QCOMPARE(roomIds(form->ListView1), (QStringList{"102", "103", "101"}));
    }

    void departureBeforeArrivalIsRefused() {
        form->dtDepature->setDate(BookingWindowFixture::kToday.addDays(-2));
        QCOMPARE(MainWindowFixture::LastMessage(), QStringLiteral("Date cannot be minus"));
        QCOMPARE(form->dtDepature->date(), BookingWindowFixture::kToday.addDays(1));
        QCOMPARE(form->txtNumberDays->text(), QStringLiteral("1"));
        form->txtNumberDays->setText(QStringLiteral("9"));
        QCOMPARE(form->txtNumberDays->text(), QStringLiteral("1"));
    }

    void refreshEmptiesTheTariffAndKeepsTheCustomer() {
        form->txtFName->setText(QStringLiteral("Ann"));
        BookingWindowFixture::AddRoom(form, QStringLiteral("101"));
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
        QCOMPARE(MainWindowFixture::LastMessage(), GlobalLogin::NoPrivilegeMsg());
        QCOMPARE(Dialogs::Testing::Record().last().title, QStringLiteral("Staymark"));
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
        QApplication::setActiveWindow(fixture.main);
        form->txtFName->setText(first);
        form->txtLName->setText(last);
        form->comboStatus->setCurrentText(status);
        if (withRoom)
            BookingWindowFixture::AddRoom(form, QStringLiteral("101"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(shownBalloonTitle(form), balloon);
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                             : QString(),
                 focus);
        QVERIFY(form->Command5->isEnabled());
        QCOMPARE(fixture.db->Count(QStringLiteral("tbl_customers")), 0);
        QTest::mouseClick(form->txtFName, Qt::LeftButton);
        QCOMPARE(shownBalloonTitle(form), QString());
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
        fixture.Action(QStringLiteral("mnuBooking"))->trigger();
        QMdiSubWindow* window = fixture.main->MdiArea->subWindowList().value(0);
        QVERIFY(window);
        QVERIFY(!window->isMinimized());
        QVERIFY(!window->isMaximized());
        window->resize(700, 500);
        QCOMPARE(ReadConfigValue(QStringLiteral("bokpos"), QStringLiteral("bokState")),
                 QStringLiteral("0"));
        QCOMPARE(ReadConfigValue(QStringLiteral("bokpos"), QStringLiteral("Width")),
                 QStringLiteral("700"));
    }

    // The road of a booking, into every table it fills.
    void submittedBookingLandsInEveryTable() {
        QVERIFY(AdminStatements::AddTax(QStringLiteral("VAT"), QStringLiteral("5"), 1));
        QVERIFY(AdminStatements::AddTax(QStringLiteral("City"), QStringLiteral("7.5"), 1));
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QTest::mouseClick(form->Command7, Qt::LeftButton);
        form->comboTitle->setCurrentText(QStringLiteral("Dr."));
        fillCustomer(QStringLiteral("Ann"), QStringLiteral("O'Hara"));
        form->txtPhone->setText(QStringLiteral("555-1234"));
        form->comboAdults->setCurrentText(QStringLiteral("2"));
        form->comboMinors->setCurrentText(QStringLiteral("0"));
        BookingWindowFixture::SetDays(form, 3);
        BookingWindowFixture::AddRoom(form, QStringLiteral("101"));
        BookingWindowFixture::AddRoom(form, QStringLiteral("102"));
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

        Recordset customer = fixture.db->Query(QStringLiteral("SELECT * FROM tbl_customers"));
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
        QCOMPARE(customer.Date(QStringLiteral("cCheckInDate")), BookingWindowFixture::kToday);
        QCOMPARE(customer.Date(QStringLiteral("cCheckOutDate")),
                 BookingWindowFixture::kToday.addDays(3));
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
                fixture.db->Query(QStringLiteral("SELECT * FROM room_%1").arg(QLatin1String(room)));
            QCOMPARE(row.RecordCount(), 1);
            QCOMPARE(row.Fields(QStringLiteral("RoomNameID")).toString(),
                     QString::fromLatin1(room));
            QCOMPARE(row.Text(QStringLiteral("cUniqueID")), number);
            QCOMPARE(row.Date(QStringLiteral("CheckInDate")), BookingWindowFixture::kToday);
            QCOMPARE(row.Date(QStringLiteral("CheckOutDate")),
                     BookingWindowFixture::kToday.addDays(3));
            QCOMPARE(row.Date(QStringLiteral("RoomBookedDate")), BookingWindowFixture::kToday);
        }

        Recordset day = fixture.db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"));
        QCOMPARE(day.RecordCount(), 1);
        QCOMPARE(day.Date(QStringLiteral("tDate")), BookingWindowFixture::kToday);
        QCOMPARE(day.Money(QStringLiteral("tRevenue")).ToPlainText(), QStringLiteral("5332.5"));
        QCOMPARE(day.Money(QStringLiteral("tBookingRevenue")).ToPlainText(),
                 QStringLiteral("5332.5"));
        QCOMPARE(day.Money(QStringLiteral("tFoodDrinkRevenue")), Currency());
        QCOMPARE(day.Fields(QStringLiteral("tBookings")).toInt(), 1);
        QCOMPARE(day.Fields(QStringLiteral("tFoodOrders")).toInt(), 0);

        Recordset log = fixture.db->Query(
            QStringLiteral("SELECT * FROM tbl_logTable WHERE LogKey = 'Bookings'"));
        QCOMPARE(log.RecordCount(), 1);
        QCOMPARE(log.Text(QStringLiteral("LogText")),
                 QStringLiteral("New Booking of Customer : Ann OHara"));
        QCOMPARE(log.Text(QStringLiteral("LoggedUser")), QStringLiteral("admin"));

        // Cleared for the next booking; title, status and payment kept.
        for (QLineEdit* box :
             {form->txtFName, form->txtLName, form->txtAddress, form->txtPhone, form->txtRoomRate,
              form->txtTax, form->txtGrandTotal, form->txtAdvance, form->txtDue})
            QVERIFY2(box->text().isEmpty(),
                     qPrintable(box->objectName() + QLatin1Char('=') + box->text()));
        QCOMPARE(form->txtAdditionalNote->toPlainText(), QString());
        QCOMPARE(form->comboAdults->currentText(), QStringLiteral("0"));
        QCOMPARE(form->comboMinors->currentText(), QStringLiteral("0"));
        QCOMPARE(form->dtArrival->date(), BookingWindowFixture::kToday);
        QCOMPARE(form->dtDepature->date(), BookingWindowFixture::kToday.addDays(1));
        QCOMPARE(form->txtNumberDays->text(), QStringLiteral("1"));
        QCOMPARE(form->comboTitle->currentText(), QStringLiteral("Dr."));
        QCOMPARE(form->comboStatus->currentText(), QStringLiteral("Confirmed"));
        QVERIFY(form->paymentMethod[1]->isChecked());
        QCOMPARE(form->txtPaymentDetails->text(), QStringLiteral("Chq 12'3"));
        QCOMPARE(roomIds(form->ListView1), (QStringList{"101", "102", "103"}));
        QCOMPARE(form->ListView2->ListItems().Count(), 0);
        QVERIFY(form->Command5->isEnabled());

        // The second booking of the day adds to the same row.
        fillCustomer(QStringLiteral("Bo"), QStringLiteral("Li"));
        BookingWindowFixture::AddRoom(form, QStringLiteral("101"));
        QTest::keyClick(form->txtLName, Qt::Key_Return);
        day = fixture.db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"));
        QCOMPARE(day.RecordCount(), 1);
        QCOMPARE(day.Fields(QStringLiteral("tBookings")).toInt(), 2);
        QCOMPARE(day.Money(QStringLiteral("tRevenue")).ToPlainText(), QStringLiteral("5422.5"));
        QCOMPARE(day.Money(QStringLiteral("tBookingRevenue")).ToPlainText(),
                 QStringLiteral("5422.5"));
        QCOMPARE(fixture.db->Count(QStringLiteral("tbl_customers")), 2);
    }

    void cashBookingStoresCashAndDefaults() {
        fillCustomer(QStringLiteral("Ann"), QStringLiteral("Lee"));
        BookingWindowFixture::AddRoom(form, QStringLiteral("101"));
        form->txtPaymentDetails->setText(QStringLiteral("ignored"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(form->txtAddress->text(), QString());
        Recordset customer = fixture.db->Query(QStringLiteral("SELECT * FROM tbl_customers"));
        QCOMPARE(customer.Text(QStringLiteral("cPaymentMethod")), QStringLiteral("Cash"));
        QCOMPARE(customer.Text(QStringLiteral("cPaymentMethodDetails")), QStringLiteral("Cash"));
        QCOMPARE(customer.Text(QStringLiteral("cAddress")), QStringLiteral("N/A"));
        QCOMPARE(customer.Text(QStringLiteral("cPhone")), QStringLiteral("0"));
    }

    void failingStatementKeepsNothingAndTheForm() {
        QVERIFY(fixture.db->Run(QStringLiteral("DROP TABLE room_102")).isEmpty());
        fillCustomer(QStringLiteral("Ann"), QStringLiteral("Lee"));
        BookingWindowFixture::AddRoom(form, QStringLiteral("101"));
        BookingWindowFixture::AddRoom(form, QStringLiteral("102"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QVERIFY(
            MainWindowFixture::LastMessage().startsWith(QStringLiteral("Error Code : DB0003\r\n")));
        for (const Dialogs::Shown& shown : Dialogs::Testing::Record())
            QVERIFY(shown.title != QLatin1String("Customer Added"));
        for (const char* table : {"tbl_customers", "room_101", "tbl_revenueStats"})
            QCOMPARE(fixture.db->Count(QString::fromLatin1(table)), 0);
        QCOMPARE(fixture.db->Count(QStringLiteral("tbl_logTable"),
                                   QStringLiteral("LogKey = 'Bookings'")),
                 0);
        QCOMPARE(form->txtFName->text(), QStringLiteral("Ann"));
        QCOMPARE(form->ListView2->ListItems().Count(), 2);
        QVERIFY(form->Command5->isEnabled());
    }

    void moneyThatIsNotMoneyStopsTheSubmission() {
        fillCustomer(QStringLiteral("Ann"), QStringLiteral("Lee"));
        BookingWindowFixture::AddRoom(form, QStringLiteral("101"));
        form->txtTax->setText(QStringLiteral("a lot"));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : BOK004\r\nType mismatch"));
        QCOMPARE(fixture.db->Count(QStringLiteral("tbl_customers")), 0);
        QVERIFY(form->Command5->isEnabled());
    }
};

STAYMARK_TEST_MAIN(TestFrmBooking)
#include "tst_frmBooking.moc"
