#include "FoodOrderFixture.h"

#include "core/ErrorReport.h"
#include "core/ui/Icons.h"
#include "food_orders/frmCustomerSearch.h"
#include "tests/support/ListLayouts.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlDatabase>

using TestSupport::Messages;
using TestSupport::RowsOf;
using TestSupport::Write;

namespace {

// The order item tables the program's connection sees.
QStringList itemTables() {
    QStringList tables;
    const QStringList all = QSqlDatabase::database(QStringLiteral("staymark")).tables();
    for (const QString& table : all)
        if (table.startsWith(QLatin1String("tbl_FoodOrder_"), Qt::CaseInsensitive))
            tables << table;
    return tables;
}

} // namespace

// The order entry driven through its controls: the catalogue, the lines and their total, the
// customer, the checks of Save, the road of an order into the database, and the search.
class TestFrmFoodingBook : public FoodOrderFixture {
    Q_OBJECT

    frmFoodingBook* form = nullptr;

    void openFor(const QString& customer) {
        frmFoodingBook::ShowForCustomer(customer);
        form = LoadedInstance<frmFoodingBook>();
        QVERIFY(form);
    }

    // Ann's order of Tea twice and Pasta, saved with Yes.
    void saveAnnsOrder() {
        openFor(ann);
        AddItem(form, QStringLiteral("Tea"));
        AddItem(form, QStringLiteral("Tea"));
        AddItem(form, QStringLiteral("Pasta"));
        form->Combo1->setCurrentText(QStringLiteral("Due"));
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::keyClick(form->txtTotalAmount, Qt::Key_Return);
    }

    Recordset revenueOfToday() {
        return db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"));
    }

    void cleanupTest() override { form = nullptr; }

private slots:

    void menuAndToolbarOpenOneWindowWithTheCatalogue() {
        triggerAction(QStringLiteral("mnuFoodOrder"));
        form = LoadedInstance<frmFoodingBook>();
        QVERIFY(form);
        triggerAction(QStringLiteral("toolNewFoodOrder"));
        QCOMPARE(main->MdiArea->subWindowList().size(), 1);
        QCOMPARE(form->windowTitle(), QStringLiteral("New Food & Beverages Order"));
        QTreeWidget* tree = form->TreeView1;
        QCOMPARE(tree->topLevelItemCount(), 2);
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
        QStringList nodes;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* category = tree->topLevelItem(i);
            nodes << category->data(0, Qt::UserRole).toString() + QLatin1Char(' ') +
                         category->text(0);
            for (int j = 0; j < category->childCount(); ++j)
                nodes << category->child(j)->data(0, Qt::UserRole).toString() + QLatin1Char(' ') +
                             category->child(j)->text(0);
        }
        QCOMPARE(nodes, (QStringList{"T1 Drinks", "C1 Tea", "C3 Coffee", "T2 Meals", "C2 Pasta"}));
        const auto picture = [](const QTreeWidgetItem* node) {
            return node->icon(0).pixmap(16).toImage();
        };
        QCOMPARE(picture(tree->topLevelItem(1)),
                 Icons::Get(Icons::Name::FoodCategory).pixmap(16).toImage());
        QCOMPARE(picture(tree->topLevelItem(1)->child(0)),
                 Icons::Get(Icons::Name::FoodItem).pixmap(16).toImage());
        QStringList statuses;
        for (int i = 0; i < form->Combo1->count(); ++i)
            statuses << form->Combo1->itemText(i);
        QCOMPARE(statuses, (QStringList{"Paid", "Due", "Not Confirmed", "Confirmed", "N/A"}));
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("Paid"));
        QCOMPARE(form->txtTotalAmount->text(), QStringLiteral("0"));
        QCOMPARE(form->FoodLV->ColumnHeaders().Count(), 4);
        QVERIFY(form->txtCFname->text().isEmpty());
        QVERIFY(form->txtCFname->isReadOnly());
        VERIFY_NOTHING_SHOWN();
    }

    void linesAddAndRemoveWithTheirPrices() {
        openFor(ann);
        SelectNode(form, QStringLiteral("Drinks"));
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(form->FoodLV->ListItems().Count(), 0);
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        VERIFY_NOTHING_SHOWN();

        AddItem(form, QStringLiteral("Tea"));
        AddItem(form, QStringLiteral("Pasta"));
        AddItem(form, QStringLiteral("Tea"));
        QCOMPARE(RowsOf(form->FoodLV, 3),
                 (QStringList{"Tea|$2.50|hot", "Pasta|$12.75|with cheese", "Tea|$2.50|hot"}));
        QCOMPARE(form->txtTotalAmount->text(), shown("17.75"));

        form->FoodLV->ListItems().Item(2).Selected(true);
        Dialogs::Testing::AnswerNextQuestion(false);
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        const Dialogs::Shown asked = Dialogs::Testing::Record().last();
        QCOMPARE(asked.kind, QStringLiteral("question"));
        QCOMPARE(asked.text, QStringLiteral("Remove selected food Item?"));
        QCOMPARE(asked.title, QStringLiteral("Remove Food Item"));
        QCOMPARE(form->FoodLV->ListItems().Count(), 3);
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        QCOMPARE(RowsOf(form->FoodLV, 1), (QStringList{"Tea", "Tea"}));
        QCOMPARE(form->txtTotalAmount->text(), shown("5"));
        for (int i = 0; i < 2; ++i) {
            Dialogs::Testing::AnswerNextQuestion(true);
            QTest::mouseClick(form->Command2, Qt::LeftButton);
        }
        QCOMPARE(form->FoodLV->ListItems().Count(), 0);
        QCOMPARE(form->txtTotalAmount->text(), QStringLiteral("$0.00"));
    }

    // With a column put in front of the others every cell stands one place on: a line still
    // takes its own price out of the total and is saved as itself. A price finer than the
    // currency counts as the line shows it, so taking the only line away leaves zero.
    void linesKeepTheirItemAndPriceWhereverTheirCellsStand() {
        VERIFY_RAN(db->Run(
            QStringLiteral("UPDATE tbl_FoodItem SET ItemPrice = 2.505 WHERE ItemName = 'Tea'")));
        openFor(ann);
        AddItem(form, QStringLiteral("Tea"));
        QCOMPARE(RowsOf(form->FoodLV, 2), QStringList{"Tea|$2.51"});
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        QCOMPARE(form->txtTotalAmount->text(), QStringLiteral("$0.00"));

        AddItem(form, QStringLiteral("Tea"));
        AddItem(form, QStringLiteral("Pasta"));
        TestSupport::PutColumnInFront(form->FoodLV, QStringLiteral("Seat"));
        form->FoodLV->ListItems().Item(1).Selected(true);
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        QCOMPARE(form->txtTotalAmount->text(), shown("12.75"));
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        const QString number = db->Query(QStringLiteral("SELECT FoodOrderID FROM tbl_FoodOrders"))
                                   .Text(QStringLiteral("FoodOrderID"));
        Recordset line = db->Query(QStringLiteral("SELECT * FROM tbl_FoodOrder_") + number);
        QCOMPARE(line.RecordCount(), 1);
        QCOMPARE(line.Text(QStringLiteral("FoodItem")), QStringLiteral("Pasta"));
        QCOMPARE(line.Money(QStringLiteral("Price")), money("12.75"));
    }

    void anEmptiedTotalStartsAgainFromZero() {
        openFor(ann);
        form->txtTotalAmount->clear();
        AddItem(form, QStringLiteral("Coffee"));
        QCOMPARE(form->txtTotalAmount->text(), shown("3"));
    }

    void itemGoneFromTheCatalogueAddsNothing() {
        openFor(ann);
        VERIFY_RAN(db->Run(QStringLiteral("DELETE FROM tbl_FoodItem WHERE ID = 1")));
        AddItem(form, QStringLiteral("Tea"));
        QVERIFY(ErrMsg.startsWith(QStringLiteral("Error Code : FRFB001\r\n")));
        QCOMPARE(form->FoodLV->ListItems().Count(), 0);
        QCOMPARE(form->txtTotalAmount->text(), QStringLiteral("0"));
    }

    void itemOfAMissingCategoryEndsTheTree() {
        QVERIFY(FoodCatalogueStore::AddItem(QStringLiteral("Ghost"), {}, {}, 99));
        QVERIFY(FoodCatalogueStore::AddItem(QStringLiteral("Juice"), {}, {}, 1));
        openFor(QString());
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : FRFB008\r\nElement not found"));
        QCOMPARE(form->TreeView1->topLevelItem(0)->childCount(), 2); // Tea, Coffee; no Juice
    }

    void customerLookupDropsTheSignAndKeepsTheShownCustomer() {
        openFor(QStringLiteral("#") + ann + QStringLiteral("#"));
        QCOMPARE(form->MyOrderID, ann);
        QCOMPARE(form->txtCTitle->text(), QStringLiteral("Mrs."));
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Ann"));
        QCOMPARE(form->txtCLname->text(), QStringLiteral("Lee"));
        // A number that is no customer's leaves the order with the customer shown.
        form->MyOrderID = QStringLiteral("#ZZZZZZZZ");
        form->GetCustomerDetails();
        QVERIFY(ErrMsg.startsWith(QStringLiteral("Error Code : FRFB007\r\n")));
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Ann"));
        QCOMPARE(form->MyOrderID, ann);
        frmFoodingBook::ShowForCustomer(bob);
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Bob"));
        QCOMPARE(form->MyOrderID, bob);
    }

    // Only the last case asks to confirm; in the others the order is refused before the
    // question, so no answer is queued and an asked question would fail the test.
    void saveRefusesWhatItCannotStore_data() {
        QTest::addColumn<QString>("customer");
        QTest::addColumn<QString>("total");
        QTest::addColumn<bool>("answersNo");
        QTest::addColumn<QStringList>("shown");
        const QString refused = QStringLiteral("Do not enter characters in total amount field!");
        QTest::newRow("letters in the total") << "ann"
                                              << "12a" << false << QStringList{refused};
        QTest::newRow("emptied total") << "ann"
                                       << "" << false << QStringList{refused};
        QTest::newRow("no customer") << ""
                                     << "5" << false << QStringList{};
        QTest::newRow("answered No")
            << "ann"
            << "5" << true << QStringList{QStringLiteral("Confirm Save this Order?")};
    }
    void saveRefusesWhatItCannotStore() {
        QFETCH(QString, customer);
        QFETCH(QString, total);
        QFETCH(bool, answersNo);
        QFETCH(QStringList, shown);
        openFor(customer.isEmpty() ? QString() : ann);
        AddItem(form, QStringLiteral("Tea"));
        form->txtTotalAmount->setText(total);
        if (answersNo)
            Dialogs::Testing::AnswerNextQuestion(false);
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        QCOMPARE(Messages(), shown);
        QCOMPARE(db->Count(QStringLiteral("tbl_FoodOrders")), 0);
        QCOMPARE(itemTables(), QStringList());
        QCOMPARE(revenueOfToday().Fields(QStringLiteral("tFoodOrders")).toInt(), 0);
        QCOMPARE(form->FoodLV->ListItems().Count(), 1);
    }

    // The customer list hands over a number cell that is empty or holds only the order sign:
    // the names of the customer shown before are no customer to charge.
    void saveRefusesAnOrderWithoutCustomerNumber_data() {
        QTest::addColumn<QString>("handedOver");
        QTest::newRow("empty") << "";
        QTest::newRow("order sign only") << "#";
    }
    void saveRefusesAnOrderWithoutCustomerNumber() {
        QFETCH(QString, handedOver);
        openFor(ann);
        frmFoodingBook::ShowForCustomer(handedOver);
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Ann"));
        AddItem(form, QStringLiteral("Tea"));
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        const TestSupport::Balloon balloon = TestSupport::ShownBalloon(form);
        QVERIFY(balloon.shown);
        QCOMPARE(balloon.TargetName(), QStringLiteral("txtSearchCustomer"));
        QCOMPARE(balloon.title, QStringLiteral("Select Customer"));
        VERIFY_NOTHING_SHOWN();
        QCOMPARE(db->Count(QStringLiteral("tbl_FoodOrders")), 0);
        QCOMPARE(itemTables(), QStringList());
        QCOMPARE(form->FoodLV->ListItems().Count(), 1);
    }

    void savedOrderLandsInEveryTable() {
        const int logRows = db->Count(QStringLiteral("tbl_logTable"));
        saveAnnsOrder();
        QCOMPARE(Messages(), (QStringList{"Confirm Save this Order?",
                                          "Food & Beverages order added into the record"}));
        const Dialogs::Shown asked = Dialogs::Testing::Record().first();
        QCOMPARE(asked.title, QStringLiteral("Save Order"));
        const Dialogs::Shown done = Dialogs::Testing::Record().last();
        QCOMPARE(done.icon, Dialogs::Icon::Information);
        QCOMPARE(done.title, QStringLiteral("Staymark"));

        Recordset order = db->Query(QStringLiteral("SELECT * FROM tbl_FoodOrders"));
        QCOMPARE(order.RecordCount(), 1);
        const QString number = order.Text(QStringLiteral("FoodOrderID"));
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9]{6,18}$")).match(number).hasMatch(),
                 qPrintable(number));
        const QList<std::pair<const char*, QString>> texts{{"OrderNo", ann},
                                                           {"CustomerTitle", "Mrs."},
                                                           {"CustomerFName", "Ann"},
                                                           {"CustomreLName", "Lee"},
                                                           {"Status", "Due"}};
        for (const auto& [column, value] : texts)
            QCOMPARE(order.Text(QString::fromLatin1(column)), value);
        QCOMPARE(order.Money(QStringLiteral("TotalPrice")), money("17.75"));
        QCOMPARE(order.Date(QStringLiteral("Dateline")), kToday);
        QCOMPARE(itemTables(), QStringList{QStringLiteral("tbl_FoodOrder_") + number});
        Recordset items =
            db->Query(QStringLiteral("SELECT * FROM tbl_FoodOrder_%1 ORDER BY ID").arg(number));
        QStringList lines;
        for (items.MoveFirst(); !items.AtEOF(); items.MoveNext())
            lines << items.Text(QStringLiteral("FoodItem")) + QLatin1Char('|') +
                         items.Money(QStringLiteral("Price")).ToPlainText();
        QCOMPARE(lines, (QStringList{"Tea|2.5", "Tea|2.5", "Pasta|12.75"}));

        Recordset day = revenueOfToday();
        QCOMPARE(day.RecordCount(), 1);
        QCOMPARE(day.Money(QStringLiteral("tRevenue")), money("177.75"));
        QCOMPARE(day.Money(QStringLiteral("tFoodDrinkRevenue")), money("17.75"));
        QCOMPARE(day.Fields(QStringLiteral("tFoodOrders")).toInt(), 1);
        QCOMPARE(day.Fields(QStringLiteral("tBookings")).toInt(), 2);
        QCOMPARE(db->Count(QStringLiteral("tbl_logTable")), logRows);

        // Cleared for the next order of the same customer.
        QCOMPARE(form->FoodLV->ListItems().Count(), 0);
        QCOMPARE(form->txtTotalAmount->text(), QStringLiteral("0"));
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Ann"));
        QCOMPARE(form->MyOrderID, ann);
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("Due"));

        // A typed total is stored as typed, even without lines; the day counts both orders.
        form->txtTotalAmount->setText(QStringLiteral("5"));
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        QCOMPARE(db->Count(QStringLiteral("tbl_FoodOrders")), 2);
        QCOMPARE(itemTables().size(), 2);
        day = revenueOfToday();
        QCOMPARE(day.RecordCount(), 1);
        QCOMPARE(day.Money(QStringLiteral("tFoodDrinkRevenue")), money("22.75"));
        QCOMPARE(day.Fields(QStringLiteral("tFoodOrders")).toInt(), 2);
    }

    // The order, its item table, its lines and the revenue: all of them or none.
    void failingStatementKeepsNothingOfTheOrder() {
        VERIFY_RAN(db->RefuseWrites(QStringLiteral("tbl_revenueStats"), Write::Update));
        saveAnnsOrder();
        QVERIFY(Messages().last().startsWith(QStringLiteral("Error Code : DB0004\r\n")));
        QVERIFY(
            !Messages().contains(QStringLiteral("Food & Beverages order added into the record")));
        QCOMPARE(db->Count(QStringLiteral("tbl_FoodOrders")), 0);
        QCOMPARE(itemTables(), QStringList());
        QCOMPARE(revenueOfToday().Fields(QStringLiteral("tFoodOrders")).toInt(), 0);
        QCOMPARE(form->FoodLV->ListItems().Count(), 3);
        QCOMPARE(form->txtTotalAmount->text(), shown("17.75"));
        QVERIFY(!theDBworks::InTransaction());
    }

    void enterInTheSearchBoxOpensTheSearch() {
        openFor(QString());
        form->txtSearchCustomer->setText(QStringLiteral("Ann"));
        QTest::keyClick(form->txtSearchCustomer, Qt::Key_Return);
        QCOMPARE(form->CustomerSearchString, QStringLiteral("Ann"));
        frmCustomerSearch* search = LoadedInstance<frmCustomerSearch>();
        QVERIFY(search);
        QCOMPARE(search->windowTitle(), QStringLiteral(" Search Customers"));
        QVERIFY(search->isVisible());
        QVERIFY(search->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(RowsOf(search->searchLV, 3), QStringList{ann + QStringLiteral("|Ann|Lee")});
        // Another search while the window is open brings that window forward as it is.
        const QPointer<frmCustomerSearch> first = search;
        form->txtSearchCustomer->setText(QStringLiteral("Stone"));
        QTest::keyClick(form->txtSearchCustomer, Qt::Key_Return);
        QApplication::processEvents();
        QVERIFY(first);
        QCOMPARE(LoadedInstance<frmCustomerSearch>(), first.data());
        QVERIFY(first->isVisible());
        QCOMPARE(RowsOf(first->searchLV, 3), QStringList{ann + QStringLiteral("|Ann|Lee")});
        // Once closed, the next search lists what its text finds.
        QTest::mouseClick(first->Command1, Qt::LeftButton);
        QTRY_VERIFY(!LoadedInstance<frmCustomerSearch>());
        QTest::keyClick(form->txtSearchCustomer, Qt::Key_Return);
        search = LoadedInstance<frmCustomerSearch>();
        QVERIFY(search);
        QCOMPARE(RowsOf(search->searchLV, 3), QStringList{bob + QStringLiteral("|Bob|Stone")});
    }

    void searchMatchesWholeTextsWithoutQuotesAndSigns_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("first name") << "Ann" << QStringList{"Ann"};
        QTest::newRow("last name, other case") << "stone" << QStringList{"Bob"};
        QTest::newRow("part of a name") << "An" << QStringList{};
        QTest::newRow("apostrophes and signs left out") << "A'n#n" << QStringList{"Ann"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void searchMatchesWholeTextsWithoutQuotesAndSigns() {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        openFor(QString());
        form->txtSearchCustomer->setText(text);
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        frmCustomerSearch* search = LoadedInstance<frmCustomerSearch>();
        QVERIFY(search);
        QStringList found;
        for (const QString& row : RowsOf(search->searchLV, 2))
            found << row.section(QLatin1Char('|'), 1);
        QCOMPARE(found, names);
    }

    void searchByNumberHandsTheCustomerBack() {
        openFor(ann);
        form->txtSearchCustomer->setText(QStringLiteral("#") + bob);
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        frmCustomerSearch* search = LoadedInstance<frmCustomerSearch>();
        QVERIFY(search);
        QCOMPARE(search->searchLV->ListItems().Count(), 1);
        search->searchLV->ListItems().Item(1).Selected(true);
        QTest::keyClick(search->searchLV, Qt::Key_Return);
        QTRY_VERIFY(!LoadedInstance<frmCustomerSearch>());
        QCOMPARE(form->MyOrderID, bob);
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Bob"));
        QCOMPARE(form->txtCLname->text(), QStringLiteral("Stone"));
    }

    // The search opens with its first row chosen, so Enter at once hands that customer back.
    void enterPicksTheFirstRowAtOnce() {
        openFor(ann);
        form->txtSearchCustomer->setText(bob);
        QTest::keyClick(form->txtSearchCustomer, Qt::Key_Return);
        frmCustomerSearch* search = LoadedInstance<frmCustomerSearch>();
        QVERIFY(search);
        QTest::keyClick(search->searchLV, Qt::Key_Return);
        QTRY_VERIFY(!LoadedInstance<frmCustomerSearch>());
        QCOMPARE(form->MyOrderID, bob);
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Bob"));
    }

    void doubleClickOnARowOrOnNothing() {
        openFor(QString());
        form->txtSearchCustomer->setText(QStringLiteral("Lee"));
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        frmCustomerSearch* search = LoadedInstance<frmCustomerSearch>();
        QVERIFY(search);
        QVERIFY(QTest::qWaitForWindowExposed(search));
        const QRect row = search->searchLV->visualRect(search->searchLV->model()->index(0, 0));
        QTest::mouseClick(search->searchLV->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(search->searchLV->viewport(), Qt::LeftButton, {}, row.center());
        QTRY_VERIFY(!LoadedInstance<frmCustomerSearch>());
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Ann"));

        form->txtSearchCustomer->setText(QStringLiteral("Nobody"));
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        search = LoadedInstance<frmCustomerSearch>();
        QVERIFY(search);
        QVERIFY(QTest::qWaitForWindowExposed(search));
        QTest::mouseDClick(search->searchLV->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QTRY_VERIFY(!LoadedInstance<frmCustomerSearch>());
        QCOMPARE(form->MyOrderID, ann);
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Ann"));
    }

    void failingSearchIsReportedByTheSearchButton() {
        openFor(QString());
        VERIFY_RAN(db->Run(QStringLiteral("ALTER TABLE tbl_customers RENAME TO tbl_gone")));
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QVERIFY(ErrMsg.startsWith(QStringLiteral("Error Code : FRFB003\r\n")));
        QVERIFY(!LoadedInstance<frmCustomerSearch>());
    }
};

STAYMARK_TEST_MAIN(TestFrmFoodingBook)
#include "tst_frmFoodingBook.moc"
