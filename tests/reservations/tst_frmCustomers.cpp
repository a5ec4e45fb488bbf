#include "CustomerWindowsFixture.h"

#include "core/ErrorReport.h"
#include "core/WindowNotices.h"
#include "core/ui/ExtLV.h"
#include "food_orders/FoodOrderNumber.h"
#include "food_orders/FoodOrderStore.h"
#include "food_orders/frmFoodDetails.h"
#include "food_orders/frmFoodingBook.h"
#include "tests/support/ListLayouts.h"
#include "tests/support/SheetReader.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>

namespace {

QString money(const char* amount) {
    return Currency::FromText(QString::fromLatin1(amount), QLocale::c()).Format();
}

// As the list shows a date in English (United States): the year written whole.
QString shortDate(const QDate& date) {
    return date.toString(QStringLiteral("M/d/yyyy"));
}

// A status chosen as the user chooses it: the item clicked in the opened list, even when it is
// the one already shown.
void chooseStatus(QComboBox* combo, int index) {
    combo->showPopup();
    QAbstractItemView* items = combo->view();
    QTRY_VERIFY(items->isVisible());
    const QPoint item = items->visualRect(items->model()->index(index, 0)).center();
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, item);
    QTRY_VERIFY(!items->isVisible());
}

QPoint centreOfRow(ExtLV* list, int row) {
    QApplication::processEvents();
    return list->visualRect(list->model()->index(row - 1, 0)).center();
}

} // namespace

using TestSupport::Messages;
using TestSupport::RowsOf;

// The customer list driven through its controls: what it shows of each booking, the search,
// the status filter and refresh, the pictures, the right-click menu and the export.
class TestFrmCustomers : public CustomerWindowsFixture {
    Q_OBJECT

    QStringList firstNames(frmCustomers* form) {
        QStringList names = Column(form->customerList, 1);
        names.sort();
        return names;
    }

    void bookFourGuests() {
        QVERIFY(!Book(Stay("Mr.", "John", "Smith", {"101"}, 3, "Confirmed")).isEmpty());
        QVERIFY(!Book(Stay("Mrs.", "Ann", "OHara", {"102"}, 2, "Checked In")).isEmpty());
        QVERIFY(!Book(Stay("Dr.", "Amy", "Lee", {"103"}, 1, "Checked Out")).isEmpty());
        QVERIFY(!Book(Stay("Miss.", "Zoe", "Smithers", {"101"}, 1, "N/A")).isEmpty());
    }

    // A check that failed while another locale was the default leaves none behind.
    void cleanupTest() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

private slots:
    void opensOnceWithEveryColumnOfEachBooking() {
        BookingRecord stay =
            Stay(QStringLiteral("Mrs."), QStringLiteral("Ma!*!ry"), QStringLiteral("O!*!Neil"),
                 {QStringLiteral("102"), QStringLiteral("101")}, 3);
        stay.address = QStringLiteral("1 King!*!s Road");
        stay.phone = QStringLiteral("555!*!01");
        stay.minors = 1;
        stay.tax = Currency::FromText(QStringLiteral("157.5"), QLocale::c());
        stay.grandTotal = stay.roomRate + stay.tax;
        stay.advance = Currency::FromText(QStringLiteral("100"), QLocale::c());
        stay.due = stay.grandTotal - stay.advance;
        stay.paymentMethod = QStringLiteral("Credit Card");
        stay.paymentDetails = QStringLiteral("VISA !*! 4111");
        const QString number = Book(stay);
        QVERIFY(!number.isEmpty());

        frmCustomers* form = OpenCustomerList();
        QVERIFY(form);
        QCOMPARE(Messages(), QStringList());
        QCOMPARE(form->windowTitle(), QStringLiteral("Customer List"));
        QCOMPARE(form->QueryMode, qint16(3));
        QStringList filter;
        for (int i = 0; i < form->comboStatus->count(); ++i)
            filter << form->comboStatus->itemText(i);
        QCOMPARE(filter, (QStringList{"View All Status", "Checked In", "Confirmed", "Checked Out",
                                      "Not Confirmed", "Checked Out", "N/A"}));
        QCOMPARE(form->comboStatus->currentText(), QStringLiteral("View All Status"));

        ExtLV* list = form->customerList;
        QCOMPARE(list->ListItems().Count(), 1);
        QCOMPARE(list->ColumnHeaders().Count(), 21);
        const QStringList expected{"Mrs.",
                                   "Ma'ry",
                                   "O'Neil",
                                   "1 King's Road",
                                   "555'01",
                                   "2",
                                   "1",
                                   shortDate(kToday),
                                   shortDate(kToday.addDays(3)),
                                   "3",
                                   money("4740"),
                                   money("157.5"),
                                   money("4897.5"),
                                   money("100"),
                                   money("4797.5"),
                                   "Credit Card",
                                   "VISA !*! 4111",
                                   "102,101",
                                   number,
                                   "Confirmed",
                                   QString::number(IdOf(number))};
        QCOMPARE(RowsOf(list, 21), QStringList{expected.join(QLatin1Char('|'))});

        // The command again brings the same window forward.
        QCOMPARE(OpenCustomerList(), form);
        QCOMPARE(main->findChildren<frmCustomers*>().size(), 1);
    }

    void refillShowsAmountsAndDatesInTheLocaleOfTheMoment() {
        QVERIFY(!Book(Stay(QStringLiteral("Mr."), QStringLiteral("John"), QStringLiteral("Smith"),
                           {QStringLiteral("102")}))
                     .isEmpty());
        frmCustomers* form = OpenCustomerList();
        const ListItem row = form->customerList->ListItems().Item(1);
        QCOMPARE(row.SubItems(10), QStringLiteral("$4,500.00"));
        const QLocale german(QLocale::German, QLocale::Germany);
        QLocale::setDefault(german);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        const ListItem refilled = form->customerList->ListItems().Item(1);
        const QString amount = refilled.SubItems(10);
        const QString checkIn = refilled.SubItems(7);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(amount, german.toCurrencyString(4500.0));
        QCOMPARE(checkIn, kToday.toString(QStringLiteral("dd.MM.yyyy")));
    }

    void searchComparesTheWholeText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pressEnter");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("empty box lists every row")
            << "" << false << QStringList{"Amy", "Ann", "John", "Zoe"};
        QTest::newRow("a last name") << "Smith" << false << QStringList{"John"};
        QTest::newRow("Enter searches too") << "Smith" << true << QStringList{"John"};
        QTest::newRow("any case") << "aNN" << false << QStringList{"Ann"};
        QTest::newRow("first letters find nothing") << "Smi" << false << QStringList{};
        QTest::newRow("apostrophe removed") << "O'Hara" << false << QStringList{"Ann"};
        QTest::newRow("order sign removed") << "#Amy" << false << QStringList{"Amy"};
        QTest::newRow("a typed wildcard stands for itself") << "Sm%" << false << QStringList{};
        QTest::newRow("only an apostrophe finds nothing") << "'" << false << QStringList{};
    }
    void searchComparesTheWholeText() {
        QFETCH(QString, typed);
        QFETCH(bool, pressEnter);
        QFETCH(QStringList, found);
        bookFourGuests();
        frmCustomers* form = OpenCustomerList();
        form->comboStatus->setCurrentText(QStringLiteral("Confirmed"));
        QTest::keyClicks(form->txtSearchCustomer, typed);
        if (pressEnter)
            QTest::keyClick(form->txtSearchCustomer, Qt::Key_Return);
        else
            QTest::mouseClick(form->Command3, Qt::LeftButton);
        QCOMPARE(firstNames(form), found);
        QCOMPARE(form->QueryMode, qint16(1));
        QCOMPARE(ErrMsg, QString());
    }

    void customerNumberCarriesTheOrderSignAndIsFoundWithIt() {
        const QString number = Book(Stay(QStringLiteral("Mr."), QStringLiteral("John"),
                                         QStringLiteral("Smith"), {QStringLiteral("101")}));
        QVERIFY(!Book(Stay(QStringLiteral("Mrs."), QStringLiteral("Ann"), QStringLiteral("Lee"),
                           {QStringLiteral("102")}))
                     .isEmpty());
        GlobalLogin::OrderSign = QStringLiteral("#");
        frmCustomers* form = OpenCustomerList();
        const QString shown = form->customerList->ListItems().Item(1).SubItems(18);
        QCOMPARE(shown, QStringLiteral("#") + number);
        form->txtSearchCustomer->setText(shown);
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QCOMPARE(firstNames(form), QStringList{"John"});
    }

    void statusFilterAndRefresh() {
        bookFourGuests();
        frmCustomers* form = OpenCustomerList();
        QCOMPARE(firstNames(form), (QStringList{"Amy", "Ann", "John", "Zoe"}));
        // The filter ignores the search box.
        form->txtSearchCustomer->setText(QStringLiteral("Smith"));
        chooseStatus(form->comboStatus, 1);
        QCOMPARE(firstNames(form), QStringList{"Ann"});
        QCOMPARE(form->QueryMode, qint16(3));
        chooseStatus(form->comboStatus, 3);
        QCOMPARE(firstNames(form), QStringList{"Amy"});
        chooseStatus(form->comboStatus, 5);
        QCOMPARE(firstNames(form), QStringList{"Amy"});
        chooseStatus(form->comboStatus, 6);
        QCOMPARE(firstNames(form), QStringList{"Zoe"});
        // Refresh goes by the search box and leaves the status shown.
        form->txtSearchCustomer->clear();
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(firstNames(form), (QStringList{"Amy", "Ann", "John", "Zoe"}));
        QCOMPARE(form->comboStatus->currentText(), QStringLiteral("N/A"));
        QCOMPARE(form->QueryMode, qint16(2));
        chooseStatus(form->comboStatus, 0);
        QCOMPARE(firstNames(form).size(), 4);
    }

    // After Search or Refresh changed the list, choosing the status already shown filters again.
    void choosingTheShownStatusFiltersAgain() {
        bookFourGuests();
        frmCustomers* form = OpenCustomerList();
        chooseStatus(form->comboStatus, 1);
        QCOMPARE(firstNames(form), QStringList{"Ann"});
        form->txtSearchCustomer->setText(QStringLiteral("Smith"));
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QCOMPARE(firstNames(form), QStringList{"John"});
        chooseStatus(form->comboStatus, 1);
        QCOMPARE(firstNames(form), QStringList{"Ann"});
        QCOMPARE(form->QueryMode, qint16(3));
        form->txtSearchCustomer->clear();
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(firstNames(form).size(), 4);
        chooseStatus(form->comboStatus, 1);
        QCOMPARE(firstNames(form), QStringList{"Ann"});
    }

    void pictureFollowsTheTitle_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("picture");
        QTest::newRow("Mr.") << "Mr." << 1;
        QTest::newRow("Dr.") << "Dr." << 1;
        QTest::newRow("Prof.") << "Prof." << 1;
        QTest::newRow("Master") << "Master" << 1;
        QTest::newRow("Shri") << "Shri" << 1;
        QTest::newRow("Mrs.") << "Mrs." << 2;
        QTest::newRow("Miss.") << "Miss." << 2;
        QTest::newRow("lower case mr.") << "mr." << 2;
        QTest::newRow("no title") << "" << 2;
    }
    void pictureFollowsTheTitle() {
        QFETCH(QString, title);
        QFETCH(int, picture);
        QVERIFY(!Book(Stay(title, QStringLiteral("Sam"), QStringLiteral("Doe"),
                           {QStringLiteral("101")}))
                     .isEmpty());
        frmCustomers* form = OpenCustomerList();
        QCOMPARE(form->customerList->ListItems().Item(1).Text(), title);
        QCOMPARE(form->customerList->ListItems().Item(1).SmallIcon(), picture);
        QCOMPARE(form->ImageList1.size(), 2);
    }

    void menuOpensOnlyOnASelectedRow() {
        frmCustomers* form = OpenCustomerList();
        ExtLV* list = form->customerList;
        QMenu* menu = form->AGMyPopUp1->Menu();
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, QPoint(20, 20));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!menu->isVisible());

        QVERIFY(!Book(Stay(QStringLiteral("Mr."), QStringLiteral("John"), QStringLiteral("Smith"),
                           {QStringLiteral("101")}))
                     .isEmpty());
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centreOfRow(list, 1));
        QTRY_VERIFY(menu->isVisible());
        QStringList items;
        for (const QAction* item : menu->actions())
            items << item->objectName() + QLatin1Char('|') + item->text();
        QCOMPARE(items, (QStringList{"mnuCustomerDetail|&Show Customer Details",
                                     "mnuFoodBeveragesDetails|&Show Food && Beverages Details",
                                     "sepd|", "mnuFoodOrder|&New Food && Beverages Order", "kkk|",
                                     "mnuExportExcel|Export List To Excel"}));
        menu->hide();

        ChooseMenuItem(form->AGMyPopUp1, QStringLiteral("mnuCustomerDetail"));
        const QList<frmCustomerDetails*> details = main->findChildren<frmCustomerDetails*>();
        QCOMPARE(details.size(), 1);
        QCOMPARE(details.first()->windowTitle(), QStringLiteral("Details of Mr. John Smith"));
        ChooseMenuItem(form->AGMyPopUp1, QStringLiteral("mnuCustomerDetail"));
        QCOMPARE(main->findChildren<frmCustomerDetails*>().size(), 2);
    }

    void foodMenuItemsOpenTheSelectedCustomersOrders() {
        const QString number = Book(Stay(QStringLiteral("Mr."), QStringLiteral("John"),
                                         QStringLiteral("Smith"), {QStringLiteral("101")}));
        QVERIFY(!Book(Stay(QStringLiteral("Mrs."), QStringLiteral("Ann"), QStringLiteral("Lee"),
                           {QStringLiteral("102")}))
                     .isEmpty());
        GlobalLogin::OrderSign = QStringLiteral("#");
        frmCustomers* form = OpenCustomerList();
        const int john =
            int(Column(form->customerList, 18).indexOf(QStringLiteral("#") + number)) + 1;
        form->customerList->ListItems().Item(john).Selected(true);

        ChooseMenuItem(form->AGMyPopUp1, QStringLiteral("mnuFoodBeveragesDetails"));
        QCOMPARE(Messages(),
                 QStringList{"Mr. John Smith has not ordered for anything! \r\nTherefore, No "
                             "Food & Beverages details to show!"});
        QVERIFY(!LoadedInstance<frmFoodDetails>());

        FoodOrder tea{
            number,
            FoodOrderNumber::NewNumber(),
            QStringLiteral("Mr."),
            QStringLiteral("John"),
            QStringLiteral("Smith"),
            Currency::FromText(QStringLiteral("2.5"), QLocale::c()),
            QStringLiteral("Due"),
            kToday,
            {{QStringLiteral("Tea"), Currency::FromText(QStringLiteral("2.5"), QLocale::c())}}};
        QVERIFY(FoodOrderStore::SaveOrder(tea));
        ChooseMenuItem(form->AGMyPopUp1, QStringLiteral("mnuFoodBeveragesDetails"));
        frmFoodDetails* orders = LoadedInstance<frmFoodDetails>();
        QVERIFY(orders);
        QCOMPARE(orders->xOrderNo, number);
        QCOMPARE(orders->txtFName->text(), QStringLiteral("John"));

        ChooseMenuItem(form->AGMyPopUp1, QStringLiteral("mnuFoodOrder"));
        frmFoodingBook* order = LoadedInstance<frmFoodingBook>();
        QVERIFY(order);
        QCOMPARE(order->txtCFname->text(), QStringLiteral("John"));
        QCOMPARE(order->txtCLname->text(), QStringLiteral("Smith"));
        QCOMPARE(ErrMsg, QString());
    }

    // With a column put in front of the others every cell stands one place on: the menu still
    // acts on the booking and the customer of the row chosen.
    void menuActsOnTheChosenRowWhereverItsCellsStand() {
        GlobalLogin::OrderSign = QStringLiteral("#");
        const QString john = Book(Stay(QStringLiteral("Mr."), QStringLiteral("John"),
                                       QStringLiteral("Smith"), {QStringLiteral("101")}));
        const QString ann = Book(Stay(QStringLiteral("Mrs."), QStringLiteral("Ann"),
                                      QStringLiteral("Lee"), {QStringLiteral("102")}));
        QVERIFY(!john.isEmpty() && !ann.isEmpty());
        const Currency price = Currency::FromText(QStringLiteral("2.5"), QLocale::c());
        QVERIFY(FoodOrderStore::SaveOrder({ann,
                                           FoodOrderNumber::NewNumber(),
                                           QStringLiteral("Mrs."),
                                           QStringLiteral("Ann"),
                                           QStringLiteral("Lee"),
                                           price,
                                           QStringLiteral("Due"),
                                           kToday,
                                           {{QStringLiteral("Tea"), price}}}));
        frmCustomers* form = OpenCustomerList();
        TestSupport::PutColumnInFront(form->customerList, QStringLiteral("Floor"));
        const QStringList lastNames = Column(form->customerList, 3);
        const int johnRow = int(lastNames.indexOf(QStringLiteral("Smith"))) + 1;
        const int annRow = int(lastNames.indexOf(QStringLiteral("Lee"))) + 1;
        QVERIFY(johnRow > 0 && annRow > 0);

        QCOMPARE(OpenDetails(form, johnRow)->windowTitle(),
                 QStringLiteral("Details of Mr. John Smith"));
        ChooseMenuItem(form->AGMyPopUp1, QStringLiteral("mnuFoodBeveragesDetails"));
        QCOMPARE(Messages(),
                 QStringList{"Mr. John Smith has not ordered for anything! \r\nTherefore, No "
                             "Food & Beverages details to show!"});
        ChooseMenuItem(form->AGMyPopUp1, QStringLiteral("mnuFoodOrder"));
        frmFoodingBook* order = LoadedInstance<frmFoodingBook>();
        QVERIFY(order);
        QCOMPARE(order->MyOrderID, john);
        QCOMPARE(order->txtCLname->text(), QStringLiteral("Smith"));

        form->customerList->ListItems().Item(annRow).Selected(true);
        ChooseMenuItem(form->AGMyPopUp1, QStringLiteral("mnuFoodBeveragesDetails"));
        frmFoodDetails* orders = LoadedInstance<frmFoodDetails>();
        QVERIFY(orders);
        QCOMPARE(orders->xOrderNo, ann);
        QCOMPARE(orders->Frame1->title(), QStringLiteral("Customer ID : #") + ann);
        QCOMPARE(ErrMsg, QString());
    }

    void newOrderSignShowsInTheOpenWindows() {
        const QString number = Book(Stay(QStringLiteral("Mr."), QStringLiteral("John"),
                                         QStringLiteral("Smith"), {QStringLiteral("101")}));
        frmCustomers* form = OpenCustomerList();
        frmCustomerDetails* details = OpenDetails(form, 1);
        QCOMPARE(form->customerList->ListItems().Item(1).SubItems(18), number);
        GlobalLogin::OrderSign = QStringLiteral("#");
        emit WindowNotices::Instance().HotelInfoChanged();
        QCOMPARE(form->customerList->ListItems().Item(1).SubItems(18),
                 QStringLiteral("#") + number);
        QCOMPARE(details->Frame1->title(), QStringLiteral("Customer ID : #") + number);
    }

    void exportWritesTheWholeList() {
        QVERIFY(!Book(Stay(QStringLiteral("Mr."), QStringLiteral("John"), QStringLiteral("Smith"),
                           {QStringLiteral("101")}))
                     .isEmpty());
        frmCustomers* form = OpenCustomerList();
        form->customerList->ListItems().Item(1).Selected(true);
        // Cancelled: nothing written.
        Dialogs::Testing::AnswerNextFile(QString());
        ChooseMenuItem(form->AGMyPopUp1, QStringLiteral("mnuExportExcel"));
        QCOMPARE(Dialogs::Testing::Record().last().kind, QStringLiteral("save"));
        QVERIFY(Dialogs::Testing::Record().last().initialPath.endsWith(
            QStringLiteral("/Customer List")));

        QTemporaryDir folder;
        Dialogs::Testing::AnswerNextFile(folder.filePath(QStringLiteral("guests")));
        ChooseMenuItem(form->AGMyPopUp1, QStringLiteral("mnuExportExcel"));
        const SheetReader::Sheet sheet =
            SheetReader::ReadFirstSheet(folder.filePath(QStringLiteral("guests.xlsx")));
        QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
        QCOMPARE(sheet.rows.size(), 2);
        QCOMPARE(sheet.rows[0].size(), 20);
        QCOMPARE(sheet.rows[0].first(), QStringLiteral("Title"));
        QCOMPARE(sheet.rows[0].last(), QStringLiteral("Status"));
        QCOMPARE(sheet.rows[1].mid(0, 3), (QStringList{"Mr.", "John", "Smith"}));
        QCOMPARE(ErrMsg, QString());
    }

    void placementIsKeptInCuspos() {
        frmCustomers* form = OpenCustomerList();
        auto* window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        QVERIFY(window);
        window->resize(700, 520);
        window->move(40, 30);
        window->close();
        QTRY_VERIFY(!LoadedInstance<frmCustomers>());
        form = OpenCustomerList();
        window = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        QCOMPARE(window->size(), QSize(700, 520));
        QCOMPARE(window->pos(), QPoint(40, 30));
        QVERIFY(!window->isMinimized());
    }

    void failingFillIsReportedUnderItsCode() {
        frmCustomers* form = OpenCustomerList();
        VERIFY_RAN(db->Run(QStringLiteral("DROP TABLE tbl_customers")));
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QVERIFY2(ErrMsg.startsWith(QStringLiteral("Error Code : FRCUS004\r\n")),
                 qPrintable(ErrMsg));
        QCOMPARE(LastSQL, QStringLiteral("SELECT * FROM tbl_customers"));
        QCOMPARE(form->customerList->ListItems().Count(), 0);
    }
};

STAYMARK_TEST_MAIN(TestFrmCustomers)
#include "tst_frmCustomers.moc"
