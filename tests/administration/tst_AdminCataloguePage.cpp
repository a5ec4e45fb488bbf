#include "administration/AdminCataloguePage.h"
#include "core/ErrorReport.h"
#include "core/SqlLiteral.h"
#include "core/frmErrorReport.h"
#include "core/ui/Icons.h"
#include "tests/administration/AdminPageHost.h"
#include "tests/support/AmountSteps.h"
#include "tests/support/ScopedLocale.h"

#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using TestSupport::Messages;
using TestSupport::Write;

// The food and beverage page on its own: the lists, the checks with their balloons, the
// additions, the removals and the error codes.
class TestAdminCataloguePage : public AdminPageHost<AdminCataloguePage> {
    Q_OBJECT

    qint64 storeCategory(const QString& name,
                         const std::source_location& where = std::source_location::current()) {
        const QString error = db->Run(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES(") +
                                      SqlLiteral::Text(name) + QLatin1Char(')'));
        if (!error.isEmpty())
            TestSupport::FailAt(error, where);
        Recordset id = db->Query(QStringLiteral("SELECT MAX(ID) AS id FROM tbl_foodCat"));
        return id.Fields(0).toLongLong();
    }

    void storeItem(const QString& name, const QString& price, const QString& note,
                   qint64 category) {
        VERIFY_RAN(db->Run(QStringLiteral("INSERT INTO tbl_FoodItem(ItemName, ItemPrice, "
                                          "ItemNote, ItemCat) VALUES(") +
                           SqlLiteral::Text(name) + QLatin1Char(',') + price + QLatin1Char(',') +
                           SqlLiteral::Text(note) + QLatin1Char(',') +
                           SqlLiteral::Number(category) + QLatin1Char(')')));
    }

    // "Starters" with Soup and Salad, "Drinks" with Cola, as another desk stored them.
    void addStartersAndDrinks() {
        const qint64 starters = storeCategory(QStringLiteral("Starters"));
        const qint64 drinks = storeCategory(QStringLiteral("Drinks"));
        storeItem(QStringLiteral("Soup"), QStringLiteral("4.5"), QStringLiteral("hot"), starters);
        storeItem(QStringLiteral("Salad"), QStringLiteral("3.25"), QString(), starters);
        storeItem(QStringLiteral("Cola"), QStringLiteral("2"), QStringLiteral("can"), drinks);
    }

    // What the administration window's load does for this page.
    void load() {
        page()->AddFoodColumns();
        page()->ItemCategoryListShow();
    }

    QStringList storedCategories() {
        QStringList names;
        Recordset rows = db->Query(QStringLiteral("SELECT catName FROM tbl_foodCat ORDER BY ID"));
        for (rows.MoveFirst(); !rows.AtEOF(); rows.MoveNext())
            names << rows.Text(QStringLiteral("catName"));
        return names;
    }

    // Each item as "name|plain price|note|category name".
    QStringList storedItems() {
        QHash<QString, QString> categoryNames;
        Recordset categories = db->Query(QStringLiteral("SELECT * FROM tbl_foodCat"));
        for (categories.MoveFirst(); !categories.AtEOF(); categories.MoveNext())
            categoryNames.insert(categories.Text(QStringLiteral("ID")),
                                 categories.Text(QStringLiteral("catName")));
        QStringList items;
        Recordset rows = db->Query(QStringLiteral("SELECT * FROM tbl_FoodItem ORDER BY ID"));
        for (rows.MoveFirst(); !rows.AtEOF(); rows.MoveNext())
            items << QStringList{rows.Text(QStringLiteral("ItemName")),
                                 rows.Money(QStringLiteral("ItemPrice")).ToPlainText(),
                                 rows.Text(QStringLiteral("ItemNote")),
                                 categoryNames.value(rows.Text(QStringLiteral("ItemCat")),
                                                     QStringLiteral("?"))}
                         .join(QLatin1Char('|'));
        return items;
    }

    QStringList categoryRows() const { return RowsOf(page()->ItemCatLV, 1); }
    QStringList itemRows() const { return RowsOf(page()->FoodLV, 3); }

    void typeItem(const QString& name, const QString& price, const QString& note = {}) {
        page()->itmName->setText(name);
        page()->itmPrice->setText(price);
        page()->itmNote->setText(note);
        QTest::mouseClick(page()->Command5, Qt::LeftButton);
    }

    void expectBalloon(const QString& target, const QString& title, const QString& text) {
        const TestSupport::Balloon balloon = TestSupport::ShownBalloon(hostWindow());
        QVERIFY2(balloon.shown, qPrintable(QStringLiteral("no balloon; expected ") + title));
        QCOMPARE(balloon.title, title);
        QCOMPARE(balloon.text, text);
        QCOMPARE(balloon.icon, int(CBalloonToolTip::ErrorIcon));
        QVERIFY(balloon.target);
        QCOMPARE(balloon.TargetName(), target);
    }

    bool balloonShown() const { return TestSupport::ShownBalloon(hostWindow()).shown; }

private slots:
    void loadListsTheCategoriesAndTheFirstOnesItems() {
        addStartersAndDrinks();
        load();
        QCOMPARE(page()->Frame5->title(), QStringLiteral("&Add / Remove Items"));
        QCOMPARE(page()->itmCat->text(), QStringLiteral("Desserts"));
        QCOMPARE(page()->itmName->text(), QString());
        QCOMPARE(page()->itmPrice->text(), QStringLiteral("0"));
        QCOMPARE(page()->itmNote->text(), QString());
        // The four buttons show only their pictures: add, remove.
        const QList<std::pair<QPushButton*, Icons::Name>> pictures{
            {page()->Command4, Icons::Name::Add},
            {page()->Command6, Icons::Name::Remove},
            {page()->Command5, Icons::Name::Add},
            {page()->Command7, Icons::Name::Remove},
        };
        for (const auto& [button, picture] : pictures) {
            QCOMPARE(button->text(), QString());
            QCOMPARE(button->icon().pixmap(16).toImage(), Icons::Get(picture).pixmap(16).toImage());
        }

        QCOMPARE(categoryRows(), (QStringList{"Starters", "Drinks"}));
        QVERIFY(page()->ItemCatLV->ListItems().Item(1).Selected());
        QCOMPARE(itemRows(), (QStringList{"Soup|$4.50|hot", "Salad|$3.25|"}));
        const QList<std::pair<ExtLV*, QStringList>> headers{
            {page()->ItemCatLV, {"Categories", ""}},
            {page()->FoodLV, {"Item Name", "Item Price", "Item Note", ""}},
        };
        for (const auto& [list, expected] : headers) {
            QCOMPARE(HeadersOf(list), expected);
            // The last column holds the row's ID and is hidden.
            QCOMPARE(list->header()->sectionSize(int(expected.size()) - 1), 0);
        }
        const qint64 starters = db->Query(QStringLiteral("SELECT ID FROM tbl_foodCat WHERE "
                                                         "catName = 'Starters'"))
                                    .Fields(0)
                                    .toLongLong();
        QCOMPARE(page()->ItemCatLV->ListItems().Item(1).SubItems(1), QString::number(starters));

        // Choosing a category shows its items; a later fill keeps two columns, not four.
        ClickRow(page()->ItemCatLV, 2);
        QCOMPARE(itemRows(), QStringList{"Cola|$2.00|can"});
        page()->ItemCategoryListShow();
        QCOMPARE(page()->ItemCatLV->ColumnHeaders().Count(), 2);
        VERIFY_NOTHING_SHOWN();
        QVERIFY(!frmErrorReport::Instance());
    }

    void addCategory_data() {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("balloonTitle");
        QTest::addColumn<QStringList>("stored");
        const QString exists = QStringLiteral("Category Name Already Exist");
        QTest::newRow("the example text as it stands") << QStringList{"Starters"} << "Desserts"
                                                       << "" << QStringList{"Starters", "Desserts"};
        QTest::newRow("the example text again")
            << QStringList{"Desserts"} << "Desserts" << exists << QStringList{"Desserts"};
        QTest::newRow("in other letter case")
            << QStringList{"Desserts"} << "DESSERTS" << exists << QStringList{"Desserts"};
        QTest::newRow("apostrophes removed") << QStringList{} << "Chef's Special"
                                             << "" << QStringList{"Chefs Special"};
        QTest::newRow("apostrophe name again") << QStringList{"Chefs Special"} << "Chef's Special"
                                               << exists << QStringList{"Chefs Special"};
        QTest::newRow("empty") << QStringList{"Starters"} << ""
                               << "Enter Category name" << QStringList{"Starters"};
    }
    void addCategory() {
        QFETCH(QStringList, existing);
        QFETCH(QString, typed);
        QFETCH(QString, balloonTitle);
        QFETCH(QStringList, stored);
        for (const QString& name : existing)
            storeCategory(name);
        load();
        if (typed != QLatin1String("Desserts"))
            page()->itmCat->setText(typed);
        QTest::mouseClick(page()->Command4, Qt::LeftButton);

        QCOMPARE(storedCategories(), stored);
        QCOMPARE(categoryRows(), stored);
        QCOMPARE(page()->itmCat->text(), typed);
        if (balloonTitle.isEmpty())
            QVERIFY(!balloonShown());
        else
            expectBalloon(QStringLiteral("itmCat"), balloonTitle,
                          balloonTitle == QLatin1String("Enter Category name")
                              ? QStringLiteral("Enter Category Name!")
                              : QStringLiteral("Category Name Already Exist!"));
        VERIFY_NOTHING_SHOWN();
        QVERIFY(!frmErrorReport::Instance());
    }

    void addItem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("stored"); // "" when refused
        QTest::addColumn<QString>("balloonTarget");
        QTest::addColumn<QString>("balloonTitle");
        QTest::addColumn<QString>("balloonText");
        const QString priceText = QStringLiteral("Enter Numeric valies in Item Price !");
        QTest::newRow("plain") << "Tea"
                               << "1.5"
                               << "green"
                               << "Tea|1.5|green|Starters"
                               << ""
                               << ""
                               << "";
        QTest::newRow("currency text") << "Wine"
                                       << "$1,234.50"
                                       << ""
                                       << "Wine|1234.5||Starters"
                                       << ""
                                       << ""
                                       << "";
        QTest::newRow("zero") << "Water"
                              << "0"
                              << ""
                              << "Water|0||Starters"
                              << ""
                              << ""
                              << "";
        QTest::newRow("negative") << "Voucher"
                                  << "-2"
                                  << ""
                                  << ""
                                  << "itmPrice"
                                  << "Enter Price"
                                  << "Please Enter Item Price of 0 or more!";
        QTest::newRow("negative currency text") << "Voucher"
                                                << "($0.01)"
                                                << ""
                                                << ""
                                                << "itmPrice"
                                                << "Enter Price"
                                                << "Please Enter Item Price of 0 or more!";
        QTest::newRow("apostrophes removed") << "Chef's Special"
                                             << "9"
                                             << "the chef's own"
                                             << "Chefs Special|9|the chefs own|Starters"
                                             << ""
                                             << ""
                                             << "";
        QTest::newRow("name of an item in another category") << "Cola"
                                                             << "2.5"
                                                             << ""
                                                             << "Cola|2.5||Starters"
                                                             << ""
                                                             << ""
                                                             << "";
        QTest::newRow("name taken in this category") << "soup"
                                                     << "5"
                                                     << ""
                                                     << ""
                                                     << "itmName"
                                                     << "Item Already exist"
                                                     << "Item Already exist in this Category!";
        QTest::newRow("apostrophe name taken in this category")
            << "Chef's Pie"
            << "5"
            << ""
            << ""
            << "itmName"
            << "Item Already exist"
            << "Item Already exist in this Category!";
        QTest::newRow("no name") << ""
                                 << "abc"
                                 << ""
                                 << ""
                                 << "itmName"
                                 << "Item Name"
                                 << "Enter Item Name!";
        QTest::newRow("no price") << "Tea"
                                  << ""
                                  << ""
                                  << ""
                                  << "itmPrice"
                                  << "Invalid Price" << priceText;
        QTest::newRow("letters for a price") << "Tea"
                                             << "cheap"
                                             << ""
                                             << ""
                                             << "itmPrice"
                                             << "Enter Price" << priceText;
    }
    void addItem() {
        QFETCH(QString, name);
        QFETCH(QString, price);
        QFETCH(QString, note);
        QFETCH(QString, stored);
        QFETCH(QString, balloonTarget);
        QFETCH(QString, balloonTitle);
        QFETCH(QString, balloonText);
        addStartersAndDrinks();
        storeItem(QStringLiteral("Chefs Pie"), QStringLiteral("6"), QString(),
                  db->Query(QStringLiteral("SELECT ID FROM tbl_foodCat WHERE catName = "
                                           "'Starters'"))
                      .Fields(0)
                      .toLongLong());
        load();
        const QStringList before = storedItems();
        typeItem(name, price, note);

        if (stored.isEmpty()) {
            QCOMPARE(storedItems(), before);
            expectBalloon(balloonTarget, balloonTitle, balloonText);
        } else {
            QCOMPARE(storedItems(), before + QStringList{stored});
            QVERIFY(!balloonShown());
            const QStringList cells = stored.split(QLatin1Char('|'));
            QCOMPARE(itemRows().last(), cells.at(0) + QLatin1Char('|') +
                                            Currency::FromText(cells.at(1)).Format() +
                                            QLatin1Char('|') + cells.at(2));
        }
        // The boxes keep what was typed.
        QCOMPARE(page()->itmName->text(), name);
        VERIFY_NOTHING_SHOWN();
        QVERIFY(!frmErrorReport::Instance());
    }

    void anItemNeedsACategoryFirst() {
        load();
        typeItem(QStringLiteral("Tea"), QStringLiteral("1"));
        QCOMPARE(Messages(), QStringList{"First create new Category for the Items!"});
        QCOMPARE(Dialogs::Testing::Record().first().icon, Dialogs::Icon::Information);
        QCOMPARE(Dialogs::Testing::Record().first().title, Dialogs::ProgramTitle());
        QVERIFY(!balloonShown());
        QCOMPARE(db->Count(QStringLiteral("tbl_FoodItem")), 0);

        // The box's checks come before it.
        Dialogs::Testing::Reset();
        typeItem(QString(), QStringLiteral("1"));
        VERIFY_NOTHING_SHOWN();
        expectBalloon(QStringLiteral("itmName"), QStringLiteral("Item Name"),
                      QStringLiteral("Enter Item Name!"));
    }

    void itemsGoToTheCategorySelectedAtThatTime() {
        addStartersAndDrinks();
        load();
        ClickRow(page()->ItemCatLV, 2);
        typeItem(QStringLiteral("Juice"), QStringLiteral("3"));
        QCOMPARE(itemRows(), (QStringList{"Cola|$2.00|can", "Juice|$3.00|"}));
        QCOMPARE(storedItems().last(), QStringLiteral("Juice|3||Drinks"));
    }

    void clickingABoxOrAListTakesTheBalloonAway() {
        addStartersAndDrinks();
        load();
        const QList<QWidget*> targets{page()->itmCat,  page()->itmName, page()->itmPrice,
                                      page()->itmNote, page()->FoodLV,  page()->ItemCatLV};
        for (QWidget* target : targets) {
            typeItem(QString(), QStringLiteral("1"));
            QVERIFY(balloonShown());
            if (auto* list = qobject_cast<ExtLV*>(target))
                ClickRow(list, 1);
            else
                QTest::mouseClick(target, Qt::LeftButton);
            QVERIFY2(!balloonShown(), qPrintable(target->objectName()));
        }
    }

    void priceIsShownAsCurrencyOnceLeft_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("number") << "12.5"
                                << "$12.50";
        QTest::newRow("currency text") << "$1,000"
                                       << "$1,000.00";
        QTest::newRow("no amount") << "cheap"
                                   << "cheap";
        QTest::newRow("an amount typed after the one shown") << "$12.50100"
                                                             << "$12.50100";
        QTest::newRow("empty") << ""
                               << "";
    }
    void priceIsShownAsCurrencyOnceLeft() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        load();
        hostWindow()->activateWindow();
        page()->itmPrice->setFocus();
        QTRY_VERIFY(page()->itmPrice->hasFocus());
        page()->itmPrice->setText(typed);
        page()->itmName->setFocus();
        QTRY_COMPARE(page()->itmPrice->text(), shown);
    }

    // A click into the price selects the amount it shows, so that what is typed or pasted is
    // the item's price; a text that is not one amount gets the balloon and adds nothing.
    void thePriceIsTheAmountEntered_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored"); // the new item; empty when refused
        QTest::newRow("typed over the price") << "type"
                                              << "3"
                                              << "Tea|3||Starters";
        QTest::newRow("pasted over the price") << "paste"
                                               << "$3.75"
                                               << "Tea|3.75||Starters";
        QTest::newRow("typed after the price") << "type after"
                                               << "100" << QString();
        QTest::newRow("pasted with a line break") << "paste"
                                                  << "3\n75" << QString();
    }
    void thePriceIsTheAmountEntered() {
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(QString, stored);
        addStartersAndDrinks();
        load();
        const QStringList before = storedItems();
        hostWindow()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(hostWindow()));
        page()->itmName->setText(QStringLiteral("Tea"));
        TestSupport::ChangeAmount(page()->itmPrice, QStringLiteral("type"), QStringLiteral("2.5"));
        QTest::keyClick(page()->itmPrice, Qt::Key_Tab);
        QCOMPARE(page()->itmPrice->text(), QStringLiteral("$2.50"));
        TestSupport::ChangeAmount(page()->itmPrice, how, text);
        QTest::mouseClick(page()->Command5, Qt::LeftButton);
        if (stored.isEmpty()) {
            expectBalloon(QStringLiteral("itmPrice"), QStringLiteral("Enter Price"),
                          QStringLiteral("Enter Numeric valies in Item Price !"));
            QCOMPARE(storedItems(), before);
        } else {
            QVERIFY(!balloonShown());
            QCOMPARE(storedItems(), before + QStringList{stored});
        }
    }

    // The price the box writes once left, in the language's own form, is the price added.
    void thePriceTheBoxWroteIsAddedInEveryLanguage_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France);
        QTest::newRow("Arabic, Egypt") << QLocale(QLocale::Arabic, QLocale::Egypt);
    }
    void thePriceTheBoxWroteIsAddedInEveryLanguage() {
        QFETCH(QLocale, locale);
        const TestSupport::ScopedLocale language(locale);
        addStartersAndDrinks();
        load();
        const QStringList before = storedItems();
        hostWindow()->activateWindow();
        page()->itmPrice->setFocus();
        QTRY_VERIFY(page()->itmPrice->hasFocus());
        page()->itmPrice->setText(QStringLiteral("1234.5"));
        page()->itmName->setFocus();
        QTRY_COMPARE(page()->itmPrice->text(), locale.toCurrencyString(1234.5));
        typeItem(QStringLiteral("Wine"), page()->itmPrice->text());
        QVERIFY(!balloonShown());
        QCOMPARE(storedItems(), before + QStringList{"Wine|1234.5||Starters"});
    }

    void removeCategory_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("categories");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("yes") << true << QStringList{"Drinks", "Menu"}
                             << QStringList{"Cola|2|can|Drinks"};
        QTest::newRow("no") << false << QStringList{"Starters", "Drinks", "Menu"}
                            << QStringList{"Soup|4.5|hot|Starters", "Salad|3.25||Starters",
                                           "Cola|2|can|Drinks"};
    }
    void removeCategory() {
        QFETCH(bool, yes);
        QFETCH(QStringList, categories);
        QFETCH(QStringList, items);
        addStartersAndDrinks();
        load();
        // Another desk's category shows once the list is filled again, whatever the answer.
        storeCategory(QStringLiteral("Menu"));
        Dialogs::Testing::AnswerNextQuestion(yes);
        QTest::mouseClick(page()->Command6, Qt::LeftButton);

        const Dialogs::Shown& question = Dialogs::Testing::Record().first();
        QCOMPARE(question.kind, QStringLiteral("question"));
        QCOMPARE(question.text, QStringLiteral("Remove 'Starters' Category? All the items inside "
                                               "it will also be removed!"));
        QCOMPARE(question.title, QStringLiteral("Remove Category"));
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
        QCOMPARE(storedCategories(), categories);
        QCOMPARE(storedItems(), items);
        QCOMPARE(categoryRows(), categories);
        // The list's first category is selected again and its items shown.
        const QStringList firstCategorysItems =
            yes ? QStringList{"Cola|$2.00|can"} : QStringList{"Soup|$4.50|hot", "Salad|$3.25|"};
        QCOMPARE(itemRows(), firstCategorysItems);
    }

    void removingACategoryTakesOnlyTheSelectedOne() {
        // Two categories of one name, as an older database may hold them.
        const qint64 first = storeCategory(QStringLiteral("Bar"));
        const qint64 second = storeCategory(QStringLiteral("Bar"));
        storeItem(QStringLiteral("Beer"), QStringLiteral("3"), QString(), first);
        storeItem(QStringLiteral("Gin"), QStringLiteral("5"), QString(), second);
        load();
        ClickRow(page()->ItemCatLV, 2);
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(page()->Command6, Qt::LeftButton);
        QCOMPARE(storedCategories(), QStringList{"Bar"});
        QCOMPARE(storedItems(), QStringList{"Beer|3||Bar"});
    }

    void aRefusedCategoryRemovalRemovesNothing() {
        addStartersAndDrinks();
        load();
        VERIFY_RAN(db->RefuseWrites(QStringLiteral("tbl_foodCat"), Write::Delete));
        const QStringList items = storedItems();
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(page()->Command6, Qt::LeftButton);

        QCOMPARE(Messages().size(), 2);
        QVERIFY(Messages().last().startsWith(QStringLiteral("Error Code : DB0002\r\n")));
        // The items were deleted first, and came back with the unit of work.
        QCOMPARE(storedItems(), items);
        QCOMPARE(storedCategories(), (QStringList{"Starters", "Drinks"}));
        QCOMPARE(categoryRows(), (QStringList{"Starters", "Drinks"}));
        QCOMPARE(itemRows(), (QStringList{"Soup|$4.50|hot", "Salad|$3.25|"}));
    }

    void removeItem_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("yes") << true << QStringList{"Soup|4.5|hot|Starters", "Cola|2|can|Drinks"}
                             << QStringList{"Soup|$4.50|hot", "Wrap|$5.00|"};
        QTest::newRow("no") << false
                            << QStringList{"Soup|4.5|hot|Starters", "Salad|3.25||Starters",
                                           "Cola|2|can|Drinks", "Wrap|5||Starters"}
                            << QStringList{"Soup|$4.50|hot", "Salad|$3.25|"};
    }
    void removeItem() {
        QFETCH(bool, yes);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, listed);
        addStartersAndDrinks();
        load();
        // Another desk adds an item; a Yes fills the list again and shows it.
        storeItem(QStringLiteral("Wrap"), QStringLiteral("5"), QString(),
                  page()->ItemCatLV->SelectedItem().SubItems(1).toLongLong());
        ClickRow(page()->FoodLV, 2);
        Dialogs::Testing::AnswerNextQuestion(yes);
        QTest::mouseClick(page()->Command7, Qt::LeftButton);

        const Dialogs::Shown& question = Dialogs::Testing::Record().first();
        QCOMPARE(question.text, QStringLiteral("Do you want to remove selected Item?"));
        QCOMPARE(question.title, QStringLiteral("Remove Item"));
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
        QStringList expected = stored;
        if (yes)
            expected.append(QStringLiteral("Wrap|5||Starters"));
        QCOMPARE(storedItems(), expected);
        QCOMPARE(itemRows(), listed);
    }

    void removeButtonsOnEmptyListsDoNothing() {
        load();
        QTest::mouseClick(page()->Command6, Qt::LeftButton);
        QTest::mouseClick(page()->Command7, Qt::LeftButton);
        VERIFY_NOTHING_SHOWN();
        QVERIFY(!frmErrorReport::Instance());
    }

    void failuresAreReportedUnderTheHandlersCodes_data() {
        QTest::addColumn<QString>("dropped");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("categoriesShown");
        QTest::newRow("categories") << "tbl_foodCat"
                                    << "ADM0008" << QStringList{};
        QTest::newRow("items") << "tbl_FoodItem"
                               << "ADM0017" << QStringList{"Starters", "Drinks"};
    }
    void failuresAreReportedUnderTheHandlersCodes() {
        QFETCH(QString, dropped);
        QFETCH(QString, code);
        QFETCH(QStringList, categoriesShown);
        addStartersAndDrinks();
        VERIFY_RAN(db->Run(QStringLiteral("DROP TABLE ") + dropped));
        load();
        QVERIFY(frmErrorReport::Instance());
        QVERIFY(ErrMsg.startsWith(QStringLiteral("Error Code : ") + code + kLineBreak));
        QCOMPARE(categoryRows(), categoriesShown);
        QCOMPARE(page()->FoodLV->ListItems().Count(), 0);
    }

    void addingWithABrokenDuplicateTestReportsItsCode_data() {
        QTest::addColumn<QString>("dropped");
        QTest::addColumn<QString>("code");
        QTest::newRow("category") << "tbl_foodCat"
                                  << "ADM0007";
        QTest::newRow("item") << "tbl_FoodItem"
                              << "ADM0009";
    }
    void addingWithABrokenDuplicateTestReportsItsCode() {
        QFETCH(QString, dropped);
        QFETCH(QString, code);
        addStartersAndDrinks();
        load();
        VERIFY_RAN(db->Run(QStringLiteral("DROP TABLE ") + dropped));
        if (code == QLatin1String("ADM0007"))
            QTest::mouseClick(page()->Command4, Qt::LeftButton);
        else
            typeItem(QStringLiteral("Tea"), QStringLiteral("1"));
        QVERIFY(frmErrorReport::Instance());
        QVERIFY(ErrMsg.startsWith(QStringLiteral("Error Code : ") + code + kLineBreak));
        VERIFY_NOTHING_SHOWN();
    }
};

STAYMARK_TEST_MAIN(TestAdminCataloguePage)
#include "tst_AdminCataloguePage.moc"
