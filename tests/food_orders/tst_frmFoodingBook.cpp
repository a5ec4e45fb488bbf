#include "FoodOrderFixture.h"

#include "core/ErrorReport.h"
#include "core/ui/Icons.h"
#include "food_orders/frmCustomerSearch.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlDatabase>

using TestSupport::Backend;

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

QString refusingTrigger(Backend backend, const char* table, const char* statement) {
    return backend == Backend::SQLite
               ? QStringLiteral("CREATE TRIGGER refuse BEFORE %2 ON %1 BEGIN SELECT "
                                "RAISE(ABORT, 'refused'); END")
                     .arg(QLatin1String(table), QLatin1String(statement))
               : QStringLiteral("CREATE TRIGGER refuse BEFORE %2 ON %1 FOR EACH ROW "
                                "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'refused'")
                     .arg(QLatin1String(table), QLatin1String(statement));
}

} // namespace

// The order entry driven through its controls: the catalogue, the lines and their total, the
// customer, the checks of Save, the road of an order into the database, and the search.
class TestFrmFoodingBook : public QObject {
    Q_OBJECT

    FoodOrderFixture fixture;
    frmFoodingBook* form = nullptr;

    void openFor(const QString& customer) {
        frmFoodingBook::ShowForCustomer(customer);
        form = LoadedInstance<frmFoodingBook>();
        QVERIFY(form);
    }

    // Ann's order of Tea twice and Pasta, saved with Yes.
    void saveAnnsOrder() {
        openFor(fixture.ann);
        FoodOrderFixture::AddItem(form, QStringLiteral("Tea"));
        FoodOrderFixture::AddItem(form, QStringLiteral("Tea"));
        FoodOrderFixture::AddItem(form, QStringLiteral("Pasta"));
        form->Combo1->setCurrentText(QStringLiteral("Due"));
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::keyClick(form->txtTotalAmount, Qt::Key_Return);
    }

    Recordset revenueOfToday() {
        return fixture.db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"));
    }

private slots:
    void init() {
        const QString error = fixture.StartDesk();
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    void cleanup() {
        form = nullptr;
        if (frmCustomerSearch* search = LoadedInstance<frmCustomerSearch>())
            delete search;
        fixture.Stop();
    }

    void menuAndToolbarOpenOneWindowWithTheCatalogue() {
        fixture.Action(QStringLiteral("mnuFoodOrder"))->trigger();
        form = LoadedInstance<frmFoodingBook>();
        QVERIFY(form);
        fixture.Action(QStringLiteral("toolNewFoodOrder"))->trigger();
        QCOMPARE(fixture.main->MdiArea->subWindowList().size(), 1);
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
        QVERIFY(Dialogs::Testing::Record().isEmpty());
    }

    void linesAddAndRemoveWithTheirPrices() {
        openFor(fixture.ann);
        FoodOrderFixture::SelectNode(form, QStringLiteral("Drinks"));
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(form->FoodLV->ListItems().Count(), 0);
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        QVERIFY(Dialogs::Testing::Record().isEmpty());

        FoodOrderFixture::AddItem(form, QStringLiteral("Tea"));
        FoodOrderFixture::AddItem(form, QStringLiteral("Pasta"));
        FoodOrderFixture::AddItem(form, QStringLiteral("Tea"));
        QCOMPARE(FoodOrderFixture::Rows(form->FoodLV, 3),
                 (QStringList{"Tea|$2.50|hot", "Pasta|$12.75|with cheese", "Tea|$2.50|hot"}));
        QCOMPARE(form->txtTotalAmount->text(), FoodOrderFixture::shown("17.75"));

        form->FoodLV->ListItems().Item(2).Selected(true);
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        const Dialogs::Shown asked = Dialogs::Testing::Record().last();
        QCOMPARE(asked.kind, QStringLiteral("question"));
        QCOMPARE(asked.text, QStringLiteral("Remove selected food Item?"));
        QCOMPARE(asked.title, QStringLiteral("Remove Food Item"));
        QCOMPARE(form->FoodLV->ListItems().Count(), 3);
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        QCOMPARE(FoodOrderFixture::Rows(form->FoodLV, 1), (QStringList{"Tea", "Tea"}));
        QCOMPARE(form->txtTotalAmount->text(), FoodOrderFixture::shown("5"));
        for (int i = 0; i < 2; ++i) {
            Dialogs::Testing::AnswerNextQuestion(true);
            QTest::mouseClick(form->Command2, Qt::LeftButton);
        }
        QCOMPARE(form->FoodLV->ListItems().Count(), 0);
        QCOMPARE(form->txtTotalAmount->text(), QStringLiteral("$0.00"));
    }

    void anEmptiedTotalStartsAgainFromZero() {
        openFor(fixture.ann);
        form->txtTotalAmount->clear();
        FoodOrderFixture::AddItem(form, QStringLiteral("Coffee"));
        QCOMPARE(form->txtTotalAmount->text(), FoodOrderFixture::shown("3"));
    }

    void itemGoneFromTheCatalogueAddsNothing() {
        openFor(fixture.ann);
        QVERIFY(fixture.db->Run(QStringLiteral("DELETE FROM tbl_FoodItem WHERE ID = 1")).isEmpty());
        FoodOrderFixture::AddItem(form, QStringLiteral("Tea"));
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
        openFor(QStringLiteral("#") + fixture.ann + QStringLiteral("#"));
        QCOMPARE(form->MyOrderID, fixture.ann);
        QCOMPARE(form->txtCTitle->text(), QStringLiteral("Mrs."));
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Ann"));
        QCOMPARE(form->txtCLname->text(), QStringLiteral("Lee"));
        // A number that is no customer's leaves the order with the customer shown.
        form->MyOrderID = QStringLiteral("#ZZZZZZZZ");
        form->GetCustomerDetails();
        QVERIFY(ErrMsg.startsWith(QStringLiteral("Error Code : FRFB007\r\n")));
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Ann"));
        QCOMPARE(form->MyOrderID, fixture.ann);
        frmFoodingBook::ShowForCustomer(fixture.bob);
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Bob"));
        QCOMPARE(form->MyOrderID, fixture.bob);
    }

    void saveRefusesWhatItCannotStore_data() {
        QTest::addColumn<QString>("customer");
        QTest::addColumn<QString>("total");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("shown");
        const QString refused = QStringLiteral("Do not enter characters in total amount field!");
        QTest::newRow("letters in the total") << "ann"
                                              << "12a" << true << QStringList{refused};
        QTest::newRow("emptied total") << "ann"
                                       << "" << true << QStringList{refused};
        QTest::newRow("no customer") << ""
                                     << "5" << true << QStringList{};
        QTest::newRow("answered No")
            << "ann"
            << "5" << false << QStringList{QStringLiteral("Confirm Save this Order?")};
    }
    void saveRefusesWhatItCannotStore() {
        QFETCH(QString, customer);
        QFETCH(QString, total);
        QFETCH(bool, yes);
        QFETCH(QStringList, shown);
        openFor(customer.isEmpty() ? QString() : fixture.ann);
        FoodOrderFixture::AddItem(form, QStringLiteral("Tea"));
        form->txtTotalAmount->setText(total);
        Dialogs::Testing::AnswerNextQuestion(yes);
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        QCOMPARE(FoodOrderFixture::Messages(), shown);
        QCOMPARE(fixture.db->Count(QStringLiteral("tbl_FoodOrders")), 0);
        QCOMPARE(itemTables(), QStringList());
        QCOMPARE(revenueOfToday().Fields(QStringLiteral("tFoodOrders")).toInt(), 0);
        QCOMPARE(form->FoodLV->ListItems().Count(), 1);
    }

    void savedOrderLandsInEveryTable() {
        const int logRows = fixture.db->Count(QStringLiteral("tbl_logTable"));
        saveAnnsOrder();
        QCOMPARE(FoodOrderFixture::Messages(),
                 (QStringList{"Confirm Save this Order?",
                              "Food & Beverages order added into the record"}));
        const Dialogs::Shown asked = Dialogs::Testing::Record().first();
        QCOMPARE(asked.title, QStringLiteral("Save Order"));
        const Dialogs::Shown done = Dialogs::Testing::Record().last();
        QCOMPARE(done.icon, Dialogs::Icon::Information);
        QCOMPARE(done.title, QStringLiteral("Staymark"));

        Recordset order = fixture.db->Query(QStringLiteral("SELECT * FROM tbl_FoodOrders"));
        QCOMPARE(order.RecordCount(), 1);
        const QString number = order.Text(QStringLiteral("FoodOrderID"));
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9]{6,18}$")).match(number).hasMatch(),
                 qPrintable(number));
        const QList<std::pair<const char*, QString>> texts{{"OrderNo", fixture.ann},
                                                           {"CustomerTitle", "Mrs."},
                                                           {"CustomerFName", "Ann"},
                                                           {"CustomreLName", "Lee"},
                                                           {"Status", "Due"}};
        for (const auto& [column, value] : texts)
            QCOMPARE(order.Text(QString::fromLatin1(column)), value);
        QCOMPARE(order.Money(QStringLiteral("TotalPrice")), FoodOrderFixture::money("17.75"));
        QCOMPARE(order.Date(QStringLiteral("Dateline")), FoodOrderFixture::kToday);
        QCOMPARE(itemTables(), QStringList{QStringLiteral("tbl_FoodOrder_") + number});
        Recordset items = fixture.db->Query(
            QStringLiteral("SELECT * FROM tbl_FoodOrder_%1 ORDER BY ID").arg(number));
        QStringList lines;
        for (items.MoveFirst(); !items.AtEOF(); items.MoveNext())
            lines << items.Text(QStringLiteral("FoodItem")) + QLatin1Char('|') +
                         items.Money(QStringLiteral("Price")).ToPlainText();
        QCOMPARE(lines, (QStringList{"Tea|2.5", "Tea|2.5", "Pasta|12.75"}));

        Recordset day = revenueOfToday();
        QCOMPARE(day.RecordCount(), 1);
        QCOMPARE(day.Money(QStringLiteral("tRevenue")), FoodOrderFixture::money("177.75"));
        QCOMPARE(day.Money(QStringLiteral("tFoodDrinkRevenue")), FoodOrderFixture::money("17.75"));
        QCOMPARE(day.Fields(QStringLiteral("tFoodOrders")).toInt(), 1);
        QCOMPARE(day.Fields(QStringLiteral("tBookings")).toInt(), 2);
        QCOMPARE(fixture.db->Count(QStringLiteral("tbl_logTable")), logRows);

        // Cleared for the next order of the same customer.
        QCOMPARE(form->FoodLV->ListItems().Count(), 0);
        QCOMPARE(form->txtTotalAmount->text(), QStringLiteral("0"));
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Ann"));
        QCOMPARE(form->MyOrderID, fixture.ann);
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("Due"));

        // A typed total is stored as typed, even without lines; the day counts both orders.
        form->txtTotalAmount->setText(QStringLiteral("5"));
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        QCOMPARE(fixture.db->Count(QStringLiteral("tbl_FoodOrders")), 2);
        QCOMPARE(itemTables().size(), 2);
        day = revenueOfToday();
        QCOMPARE(day.RecordCount(), 1);
        QCOMPARE(day.Money(QStringLiteral("tFoodDrinkRevenue")), FoodOrderFixture::money("22.75"));
        QCOMPARE(day.Fields(QStringLiteral("tFoodOrders")).toInt(), 2);
    }

    // The order, its item table, its lines and the revenue: all of them or none.
    void failingStatementKeepsNothingOfTheOrder() {
        QVERIFY(fixture.db->Run(refusingTrigger(fixture.db->Which(), "tbl_revenueStats", "UPDATE"))
                    .isEmpty());
        saveAnnsOrder();
        QVERIFY(FoodOrderFixture::Messages().last().startsWith(
            QStringLiteral("Error Code : DB0004\r\n")));
        QVERIFY(!FoodOrderFixture::Messages().contains(
            QStringLiteral("Food & Beverages order added into the record")));
        QCOMPARE(fixture.db->Count(QStringLiteral("tbl_FoodOrders")), 0);
        QCOMPARE(itemTables(), QStringList());
        QCOMPARE(revenueOfToday().Fields(QStringLiteral("tFoodOrders")).toInt(), 0);
        QCOMPARE(form->FoodLV->ListItems().Count(), 3);
        QCOMPARE(form->txtTotalAmount->text(), FoodOrderFixture::shown("17.75"));
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
        QCOMPARE(FoodOrderFixture::Rows(search->searchLV, 3),
                 QStringList{fixture.ann + QStringLiteral("|Ann|Lee")});
        // Another search while the window is open lists what the new text finds.
        form->txtSearchCustomer->setText(QStringLiteral("Stone"));
        QTest::keyClick(form->txtSearchCustomer, Qt::Key_Return);
        search = LoadedInstance<frmCustomerSearch>();
        QVERIFY(search);
        QCOMPARE(FoodOrderFixture::Rows(search->searchLV, 3),
                 QStringList{fixture.bob + QStringLiteral("|Bob|Stone")});
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
        for (const QString& row : FoodOrderFixture::Rows(search->searchLV, 2))
            found << row.section(QLatin1Char('|'), 1);
        QCOMPARE(found, names);
    }

    void searchByNumberHandsTheCustomerBack() {
        openFor(fixture.ann);
        form->txtSearchCustomer->setText(QStringLiteral("#") + fixture.bob);
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        frmCustomerSearch* search = LoadedInstance<frmCustomerSearch>();
        QVERIFY(search);
        QCOMPARE(search->searchLV->ListItems().Count(), 1);
        search->searchLV->ListItems().Item(1).Selected(true);
        QTest::keyClick(search->searchLV, Qt::Key_Return);
        QTRY_VERIFY(!LoadedInstance<frmCustomerSearch>());
        QCOMPARE(form->MyOrderID, fixture.bob);
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Bob"));
        QCOMPARE(form->txtCLname->text(), QStringLiteral("Stone"));
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
        QCOMPARE(form->MyOrderID, fixture.ann);
        QCOMPARE(form->txtCFname->text(), QStringLiteral("Ann"));
    }

    void failingSearchIsReportedByTheSearchButton() {
        openFor(QString());
        QVERIFY(fixture.db->Run(QStringLiteral("ALTER TABLE tbl_customers RENAME TO tbl_gone"))
                    .isEmpty());
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        QVERIFY(ErrMsg.startsWith(QStringLiteral("Error Code : FRFB003\r\n")));
        QVERIFY(!LoadedInstance<frmCustomerSearch>());
    }
};

STAYMARK_TEST_MAIN(TestFrmFoodingBook)
#include "tst_frmFoodingBook.moc"
