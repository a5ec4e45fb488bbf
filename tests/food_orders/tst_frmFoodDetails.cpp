#include "FoodOrderFixture.h"

#include "administration/frmTax.h"
#include "core/ErrorReport.h"
#include "core/frmErrorReport.h"
#include "food_orders/FoodOrderStore.h"
#include "food_orders/frmFoodDetails.h"
#include "food_orders/frmFoodTxtView.h"
#include "tests/support/AdminStatements.h"
#include "tests/support/ShownCell.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

using TestSupport::Messages;
using TestSupport::RowsOf;

namespace {

const QString kPaid = QStringLiteral("111111111111");
const QString kDue = QStringLiteral("222222222222");
const QString kNotConfirmed = QStringLiteral("333333333333");
const QString kBobs = QStringLiteral("444444444444");

} // namespace

// The order details window: the customer's orders from the join, the chosen order's items,
// the total of what is not paid, the food taxes, removal, refresh and the Tax button.
class TestFrmFoodDetails : public FoodOrderFixture {
    Q_OBJECT

    // What the customer list's selected row holds in its "Customer ID" cell.
    QString selectedCell;
    frmFoodDetails* form = nullptr;

    bool order(const QString& number, const QString& customer, const char* status,
               const QList<FoodOrderLine>& lines) {
        FoodOrder o;
        o.customerNumber = customer;
        o.orderId = number;
        o.status = QString::fromLatin1(status);
        o.date = kToday;
        o.lines = lines;
        for (const FoodOrderLine& line : lines)
            o.total += line.price;
        return FoodOrderStore::SaveOrder(o);
    }

    void open() {
        frmFoodDetails::ShowForCustomer([this] { return selectedCell; });
        form = LoadedInstance<frmFoodDetails>();
        QVERIFY(form);
    }

    void choose(int row) {
        ExtLV* list = form->OrderLV;
        const QRect rect = list->visualRect(list->model()->index(row - 1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QStringList amounts() const {
        return {form->txtTotalAmount->text(), form->lbPercent->text(), form->txtTax->text(),
                form->txtAmoutWithTax->text()};
    }

    void initTest() override {
        QVERIFY(order(
            kPaid, ann, "Paid",
            {{QStringLiteral("Tea"), money("2.5")}, {QStringLiteral("Pasta"), money("12.5")}}));
        QVERIFY(order(kDue, ann, "Due", {{QStringLiteral("Coffee"), money("3")}}));
        QVERIFY(order(kNotConfirmed, ann, "Not Confirmed", {{QStringLiteral("Cake"), money("4")}}));
        QVERIFY(order(kBobs, bob, "Due", {{QStringLiteral("Soup"), money("6")}}));
        VERIFY_RAN(AdminStatements::AddTax(QStringLiteral("VAT"), QStringLiteral("4"), 2));
        VERIFY_RAN(AdminStatements::AddTax(QStringLiteral("City"), QStringLiteral("6"), 2));
        VERIFY_RAN(AdminStatements::AddTax(QStringLiteral("Room"), QStringLiteral("50"), 1));
        selectedCell = ann;
    }
    void cleanupTest() override {
        form = nullptr;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

private slots:

    void loadShowsTheOrdersAndWhatIsNotPaid() {
        open();
        QCOMPARE(form->windowTitle(), QStringLiteral("Food & Beverages Order Details"));
        QCOMPARE(form->Frame1->title(), QStringLiteral("Customer ID : ") + ann);
        QCOMPARE(form->xOrderNo, ann);
        QCOMPARE(form->txtTitle->text() + form->txtFName->text() + form->txtLName->text(),
                 QStringLiteral("Mrs.AnnLee"));
        QCOMPARE(RowsOf(form->OrderLV, 4),
                 (QStringList{kPaid + QStringLiteral("|12/10/2026|Paid|") + ann,
                              kDue + QStringLiteral("|12/10/2026|Due|") + ann,
                              kNotConfirmed + QStringLiteral("|12/10/2026|Not Confirmed|") + ann}));
        QCOMPARE(RowsOf(form->ItemsLV, 2), (QStringList{"Tea|$2.50", "Pasta|$12.50"}));
        // Order numbers and prices are drawn whole, never cut to another number.
        for (int row = 1; row <= 3; ++row)
            QCOMPARE(TestSupport::ShownCellText(form->OrderLV, row, 0),
                     form->OrderLV->ListItems().Item(row).Text());
        QCOMPARE(TestSupport::ShownCellText(form->ItemsLV, 2, 1), QStringLiteral("$12.50"));
        // The paid order stays out of the total, as the note beside it says.
        QCOMPARE(form->Label5->text(),
                 QStringLiteral("Note : Paid Orders are not included in Total Amount"));
        QCOMPARE(amounts(), (QStringList{shown("7"), "10", shown("0.7"), shown("7.7")}));
        QVERIFY(ErrMsg.isEmpty());
    }

    void choosingAnOrderShowsItsItemsAndItsTax() {
        open();
        choose(2);
        QCOMPARE(RowsOf(form->ItemsLV, 2), QStringList{"Coffee|$3.00"});
        QCOMPARE(amounts(), (QStringList{shown("3"), "10", shown("0.3"), shown("3.3")}));
        choose(1);
        QCOMPARE(amounts(), (QStringList{shown("15"), "10", shown("1.5"), shown("16.5")}));
    }

    void withoutFoodTaxesThePercentIsZero() {
        VERIFY_RAN(db->Run(QStringLiteral("DELETE FROM tbl_Tax WHERE TaxCat = 2")));
        open();
        QCOMPARE(amounts(), (QStringList{shown("7"), "0", shown("0"), shown("7")}));
    }

    void aFractionalPercentIsReadInTheSystemsFormat() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        VERIFY_RAN(
            db->Run(QStringLiteral("UPDATE tbl_Tax SET TaxRate = 3.5 WHERE TaxName = 'VAT'")));
        open();
        QCOMPARE(form->lbPercent->text(), QStringLiteral("9,5"));
        choose(3);
        QCOMPARE(form->txtTax->text(), shown("0.38"));
        QCOMPARE(form->txtAmoutWithTax->text(), shown("4.38"));
    }

    void theOrderSignShowsAndRemovalStillFindsTheOrder() {
        GlobalLogin::OrderSign = QStringLiteral("#");
        selectedCell = QStringLiteral("#") + ann;
        open();
        QCOMPARE(form->Frame1->title(), QStringLiteral("Customer ID : #") + ann);
        QCOMPARE(form->OrderLV->ListItems().Item(2).Text(), QStringLiteral("#") + kDue);
        choose(2);
        Dialogs::Testing::AnswerNextQuestion(false);
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        const Dialogs::Shown asked = Dialogs::Testing::Record().last();
        QCOMPARE(asked.text, QStringLiteral("Remove Food & Beverages Order '#") + kDue +
                                 QStringLiteral("' ? Are you sure!"));
        QCOMPARE(asked.title, QStringLiteral("Remove Order"));
        QCOMPARE(db->Count(QStringLiteral("tbl_FoodOrders")), 4);

        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(db->Count(QStringLiteral("tbl_FoodOrders"),
                           QStringLiteral("FoodOrderID = '%1'").arg(kDue)),
                 0);
        QVERIFY(!theDBworks::TableExists(FoodOrderStore::ItemTableName(kDue)));
        QCOMPARE(RowsOf(form->OrderLV, 1),
                 (QStringList{QStringLiteral("#") + kPaid, QStringLiteral("#") + kNotConfirmed}));
        QCOMPARE(RowsOf(form->ItemsLV, 1), (QStringList{"Tea", "Pasta"}));
        QCOMPARE(form->txtTotalAmount->text(), shown("15"));
        Recordset day = db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"));
        QCOMPARE(day.Fields(QStringLiteral("tFoodOrders")).toInt(), 4);
    }

    // What stays when the last order goes is the customer's own row of the join.
    void afterTheLastOrderOnlyTheCustomerRowStays() {
        GlobalLogin::OrderSign = QStringLiteral("#");
        selectedCell = QStringLiteral("#") + bob;
        open();
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(RowsOf(form->OrderLV, 4), QStringList{"#|||"});
        QCOMPARE(form->ItemsLV->ListItems().Count(), 0);
        QCOMPARE(form->txtFName->text(), QStringLiteral("Bob"));
        QVERIFY2(ErrMsg.isEmpty(), qPrintable(ErrMsg));
        const int shownBefore = int(Dialogs::Testing::Record().size());
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QCOMPARE(Dialogs::Testing::Record().size(), shownBefore);
        QVERIFY(!LoadedInstance<frmFoodTxtView>());
        // With nothing left to pay the customer owes nothing.
        form->LoadOrdersTotal();
        QCOMPARE(form->txtTotalAmount->text(), shown("0"));
        QVERIFY(ErrMsg.isEmpty());
    }

    // Another desk removed an order this window still lists: choosing it says so, and the list
    // shows the orders as they are now.
    void anOrderRemovedElsewhereSaysSoWhenChosen() {
        open();
        QVERIFY(FoodOrderStore::RemoveOrder(kDue));
        choose(2);
        QCOMPARE(Messages(),
                 QStringList{"Order " + kDue +
                             " no longer exists: it has been removed in the meantime."});
        QCOMPARE(RowsOf(form->OrderLV, 1), (QStringList{kPaid, kNotConfirmed}));
        QCOMPARE(RowsOf(form->ItemsLV, 1), (QStringList{"Tea", "Pasta"}));
        QVERIFY(!frmErrorReport::Instance());
    }

    void refreshShowsTheCustomerTheListHasChosenNow() {
        open();
        selectedCell = bob;
        frmFoodDetails::ShowForCustomer([this] { return selectedCell; });
        QCOMPARE(form->txtFName->text(), QStringLiteral("Ann"));
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(form->txtFName->text(), QStringLiteral("Bob"));
        QCOMPARE(form->Frame1->title(), QStringLiteral("Customer ID : ") + bob);
        QCOMPARE(RowsOf(form->OrderLV, 1), QStringList{kBobs});
        QCOMPARE(RowsOf(form->ItemsLV, 2), QStringList{"Soup|$6.00"});
        QCOMPARE(amounts(), (QStringList{shown("6"), "10", shown("0.6"), shown("6.6")}));
    }

    void taxButtonNeedsTheTaxPrivilege_data() {
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<int>("privilege");
        QTest::addColumn<bool>("opens");
        QTest::newRow("tax privilege") << true << 1 << true;
        QTest::newRow("no tax privilege") << true << 0 << false;
        QTest::newRow("not logged in") << false << 1 << false;
    }
    void taxButtonNeedsTheTaxPrivilege() {
        QFETCH(bool, loggedIn);
        QFETCH(int, privilege);
        QFETCH(bool, opens);
        open();
        GlobalLogin::IsLoggedIn = loggedIn;
        GlobalLogin::PrivModifyTax = privilege;
        VERIFY_RAN(AdminStatements::AddTax(QStringLiteral("Bar"), QStringLiteral("5"), 2));
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        QCOMPARE(bool(LoadedInstance<frmTax>()), opens);
        if (opens) {
            QCOMPARE(amounts(), (QStringList{shown("7"), "15", shown("1.05"), shown("8.05")}));
            VERIFY_NOTHING_SHOWN();
            delete LoadedInstance<frmTax>();
        } else {
            QCOMPARE(Messages(), QStringList{GlobalLogin::NoPrivilegeMsg()});
            QCOMPARE(form->lbPercent->text(), QStringLiteral("10"));
        }
    }

    void textViewShowsTheBillOfTheChosenOrderOnce() {
        open();
        choose(2);
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        frmFoodTxtView* bill = LoadedInstance<frmFoodTxtView>();
        QVERIFY(bill);
        const QString text = bill->RichText->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("Coffee\t$3.00\n")), qPrintable(text));
        choose(1);
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QCOMPARE(LoadedInstance<frmFoodTxtView>(), bill);
        QCOMPARE(bill->RichText->toPlainText(), text);
        delete bill;
    }
};

STAYMARK_TEST_MAIN(TestFrmFoodDetails)
#include "tst_frmFoodDetails.moc"
