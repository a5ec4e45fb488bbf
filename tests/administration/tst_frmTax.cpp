#include "administration/frmTax.h"
#include "core/ErrorReport.h"
#include "core/frmErrorReport.h"
#include "core/theDBworks.h"
#include "core/ui/AGPopUp.h"
#include "core/ui/CBalloonToolTip.h"
#include "core/ui/ExtLV.h"
#include "reservations/frmBooking.h"
#include "tests/support/AdminStatements.h"
#include "tests/support/AdminSteps.h"
#include "tests/support/ListLayouts.h"
#include "tests/support/MainWindowFixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabWidget>

using TestSupport::Messages;
using TestSupport::ShownBalloon;
using TestSupport::Write;

namespace {

// Each row as "name|rate", as the list shows it.
QStringList rowsOf(ExtLV* list) {
    return RowsOf(list, 2);
}

// The stored taxes as "name|rate|category", in the table's order.
QStringList storedTaxes(TestSupport::TestDatabase& db) {
    QStringList taxes;
    Recordset rows = db.Query(QStringLiteral("SELECT * FROM tbl_Tax ORDER BY ID"));
    for (rows.MoveFirst(); !rows.AtEOF(); rows.MoveNext())
        taxes << rows.Text(QStringLiteral("TaxName")) + QLatin1Char('|') +
                     QString::number(rows.Fields(QStringLiteral("TaxRate")).toDouble()) +
                     QLatin1Char('|') + rows.Text(QStringLiteral("TaxCat"));
    return taxes;
}

} // namespace

// The tax editor driven through its controls: both pages, their checks and balloons, the
// lists, the removal through the right-click menu and OK.
class TestFrmTax : public MainWindowFixture {
    Q_OBJECT

    // Logged in with the tax privilege, through the main window's command.
    frmTax* open() {
        GlobalLogin::IsLoggedIn = true;
        GlobalLogin::PrivModifyTax = 1;
        triggerAction(QStringLiteral("taxEditor"));
        frmTax* form = LoadedInstance<frmTax>();
        if (form)
            QApplication::processEvents();
        return form;
    }

    // Three taxes as the editor stores them: two room taxes and one food tax.
    static QString addThreeTaxes() {
        const struct {
            const char* name;
            const char* rate;
            int category;
        } taxes[] = {{"VAT", "5", 1}, {"City", "7.5", 1}, {"Bar", "20", 2}};
        for (const auto& tax : taxes) {
            const QString error = AdminStatements::AddTax(
                QString::fromLatin1(tax.name), QString::fromLatin1(tax.rate), tax.category);
            if (!error.isEmpty())
                return error;
        }
        return {};
    }

    static ExtLV* showList(frmTax* form, int number) {
        form->SSTab1->setCurrentIndex(number - 1);
        QApplication::processEvents();
        return number == 1 ? form->ListView1 : form->ListView2;
    }

    // Page 1 or 2: types the name and the percent and presses that page's "&Add Tax".
    static void add(frmTax* form, int page, const QString& name, const QString& percent) {
        showList(form, page);
        (page == 1 ? form->txtTaxName : form->Text1)->setText(name);
        (page == 1 ? form->txtTaxPercent : form->Text2)->setText(percent);
        QTest::mouseClick(page == 1 ? form->Command2 : form->Command3, Qt::LeftButton);
    }

    // Right-clicks the first row of a list and chooses "&Remove Tax", answering the question.
    static void removeFromMenu(frmTax* form, int listNumber, bool yes) {
        ExtLV* list = showList(form, listNumber);
        ClickRow(list, 1, Qt::RightButton);
        QMenu* menu = form->AGPopUp1->Menu();
        QVERIFY(menu && menu->isVisible());
        QAction* remove = TestSupport::control<QAction>(menu, QStringLiteral("TaxRemove"));
        QCOMPARE(remove->text(), QStringLiteral("&Remove Tax"));
        Dialogs::Testing::AnswerNextQuestion(yes);
        remove->trigger();
        menu->close();
    }

private slots:
    void loadShowsBothPagesWithTheirTaxes() {
        VERIFY_RAN(addThreeTaxes());
        frmTax* form = open();
        QVERIFY(form);
        QCOMPARE(main->MdiArea->subWindowList().size(), 1);
        QCOMPARE(main->MdiArea->subWindowList().first()->widget(), form);
        QCOMPARE(form->windowTitle(), QStringLiteral(" Tax Editor"));
        QCOMPARE(form->SSTab1->count(), 2);
        QCOMPARE(form->SSTab1->tabText(0), QStringLiteral("Room Tax"));
        QCOMPARE(form->SSTab1->tabText(1), QStringLiteral("Food && Beverages Tax"));
        QCOMPARE(form->txtTaxName->text(), QStringLiteral("Tax Name"));
        QCOMPARE(form->txtTaxPercent->text(), QStringLiteral("0"));
        QCOMPARE(form->Text1->text(), QStringLiteral("Tax Name"));
        QCOMPARE(form->Text2->text(), QStringLiteral("0"));
        QCOMPARE(form->Label1->text(), QStringLiteral("%"));
        QCOMPARE(form->ListViewClcked, qint16(0));
        QCOMPARE(rowsOf(form->ListView1), (QStringList{"VAT|5%", "City|7.5%"}));
        QCOMPARE(rowsOf(form->ListView2), QStringList{"Bar|20%"});
        for (ExtLV* list : {form->ListView1, form->ListView2}) {
            QCOMPARE(list->ColumnHeaders().Count(), 3);
            QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), "Tax Name");
            QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), "Rate");
            QCOMPARE(list->header()->sectionSize(2), 0);
        }
        Recordset city = db->Query(QStringLiteral("SELECT ID FROM tbl_Tax WHERE TaxName = 'City'"));
        QCOMPARE(form->ListView1->ListItems().Item(2).SubItems(2), city.Text(QStringLiteral("ID")));

        // Choosing the command again brings the same window forward.
        triggerAction(QStringLiteral("taxEditor"));
        QCOMPARE(main->MdiArea->subWindowList().size(), 1);
        QCOMPARE(LoadedInstance<frmTax>(), form);
    }

    void addStoresTheTaxAndRefillsItsList_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("listed");
        QTest::newRow("room tax") << 1 << "Service Tax"
                                  << "10"
                                  << "Service Tax|10|1"
                                  << "Service Tax|10%";
        QTest::newRow("food tax") << 2 << "Bar Tax"
                                  << "12.5"
                                  << "Bar Tax|12.5|2"
                                  << "Bar Tax|12.5%";
        QTest::newRow("name trimmed") << 1 << "  VAT  "
                                      << "5"
                                      << "VAT|5|1"
                                      << "VAT|5%";
        QTest::newRow("percent left at 0") << 1 << "Zero"
                                           << "0"
                                           << "Zero|0|1"
                                           << "Zero|0%";
        QTest::newRow("blanks only") << 2 << "   "
                                     << "3"
                                     << "|3|2"
                                     << "|3%";
        QTest::newRow("negative") << 2 << "Rebate"
                                  << "-2.5"
                                  << "Rebate|-2.5|2"
                                  << "Rebate|-2.5%";
        QTest::newRow("apostrophe kept") << 1 << "Chef's Tax"
                                         << "1"
                                         << "Chef's Tax|1|1"
                                         << "Chef's Tax|1%";
        QTest::newRow("rounded to four places") << 1 << "Fine"
                                                << "1.23456"
                                                << "Fine|1.2346|1"
                                                << "Fine|1.2346%";
    }
    void addStoresTheTaxAndRefillsItsList() {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QString, percent);
        QFETCH(QString, stored);
        QFETCH(QString, listed);
        VERIFY_RAN(addThreeTaxes());
        frmTax* form = open();
        const QStringList before = storedTaxes(*db);
        add(form, page, name, percent);
        QCOMPARE(storedTaxes(*db), before + QStringList{stored});
        QCOMPARE(Messages(),
                 QStringList{QStringLiteral("Tax Name ") + name + " added on the Tax List!"});
        QCOMPARE(Dialogs::Testing::Record().first().icon, Dialogs::Icon::Information);
        ExtLV* changed = page == 1 ? form->ListView1 : form->ListView2;
        QCOMPARE(rowsOf(changed).last(), listed);
        QCOMPARE(rowsOf(page == 1 ? form->ListView2 : form->ListView1).size(), page == 1 ? 1 : 2);
        // The boxes keep what was typed.
        QCOMPARE((page == 1 ? form->txtTaxName : form->Text1)->text(), name);
        QVERIFY(!ShownBalloon(form).shown);
    }

    void refusedInputGetsItsBalloon_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString nameText = QStringLiteral("Please enter Tax Name!(eg: Service Tax, Sale Tax "
                                                "etc.)");
        const QString roomPercentText = QStringLiteral(
            "Please Enter Tax Percent!(eg: 10, 20 etc.) Do Not Enter any Characters.");
        const QString foodPercentText =
            QStringLiteral("Please Enter Tax Percent!(eg: 10, 20 etc.) Do Not Enter % symbol ");
        QTest::newRow("room name placeholder") << 1 << "Tax Name"
                                               << "10"
                                               << "txtTaxName"
                                               << "Enter Tax Name" << nameText;
        QTest::newRow("room name empty") << 1 << ""
                                         << "abc"
                                         << "txtTaxName"
                                         << "Enter Tax Name" << nameText;
        QTest::newRow("room percent sign") << 1 << "VAT"
                                           << "10%"
                                           << "txtTaxPercent"
                                           << "Enter Tax Percent" << roomPercentText;
        QTest::newRow("room percent letters") << 1 << "VAT"
                                              << "ten"
                                              << "txtTaxPercent"
                                              << "Enter Tax Percent" << roomPercentText;
        QTest::newRow("room percent empty") << 1 << "VAT"
                                            << ""
                                            << "txtTaxPercent"
                                            << "Enter Tax Percent" << roomPercentText;
        QTest::newRow("room percent 0%") << 1 << "VAT"
                                         << "0%"
                                         << "txtTaxPercent"
                                         << "Enter Tax Percent" << roomPercentText;
        QTest::newRow("food name placeholder") << 2 << "Tax Name"
                                               << "5"
                                               << "Text1"
                                               << "Enter Tax Name" << nameText;
        QTest::newRow("food percent sign") << 2 << "Bar"
                                           << "10%"
                                           << "Text2"
                                           << "Enter Tax Percent" << foodPercentText;
    }
    void refusedInputGetsItsBalloon() {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QString, percent);
        QFETCH(QString, target);
        QFETCH(QString, title);
        QFETCH(QString, text);
        frmTax* form = open();
        // The other page holds valid input: only the pressed page's boxes count.
        (page == 1 ? form->Text1 : form->txtTaxName)->setText(QStringLiteral("Valid"));
        (page == 1 ? form->Text2 : form->txtTaxPercent)->setText(QStringLiteral("5"));
        add(form, page, name, percent);
        const TestSupport::Balloon balloon = ShownBalloon(form);
        QVERIFY(balloon.shown);
        QCOMPARE(balloon.title, title);
        QCOMPARE(balloon.text, text);
        QCOMPARE(balloon.icon, int(CBalloonToolTip::ErrorIcon));
        QCOMPARE(balloon.TargetName(), target);
        QCOMPARE(db->Count(QStringLiteral("tbl_Tax")), 0);
        VERIFY_NOTHING_SHOWN();

        // A second refusal replaces the balloon: one at a time.
        QTest::mouseClick(page == 1 ? form->Command2 : form->Command3, Qt::LeftButton);
        QCOMPARE(form->findChildren<BalloonWindow*>().size(), 1);
    }

    // Enter in a page's boxes does what its "&Add Tax" does: it adds the tax, or shows the
    // balloon of the first box it refuses, and that balloon stays.
    void enterInABoxAddsThePagesTax_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("balloon");
        QTest::newRow("room percent") << 1 << "txtTaxPercent"
                                      << "12"
                                      << "VAT|12|1"
                                      << "";
        QTest::newRow("room name") << 1 << "txtTaxName"
                                   << "12"
                                   << "VAT|12|1"
                                   << "";
        QTest::newRow("food percent") << 2 << "Text2"
                                      << "7.5"
                                      << "VAT|7.5|2"
                                      << "";
        QTest::newRow("room percent refused") << 1 << "txtTaxPercent"
                                              << "12%"
                                              << ""
                                              << "Enter Tax Percent";
        QTest::newRow("food percent refused") << 2 << "Text2"
                                              << "12%"
                                              << ""
                                              << "Enter Tax Percent";
    }
    void enterInABoxAddsThePagesTax() {
        QFETCH(int, page);
        QFETCH(QString, box);
        QFETCH(QString, percent);
        QFETCH(QString, stored);
        QFETCH(QString, balloon);
        frmTax* form = open();
        showList(form, page);
        QLineEdit* name = page == 1 ? form->txtTaxName : form->Text1;
        QLineEdit* rate = page == 1 ? form->txtTaxPercent : form->Text2;
        for (QLineEdit* typed : {name, rate}) {
            QTest::mouseClick(typed, Qt::LeftButton);
            typed->selectAll();
            QTest::keyClicks(typed, typed == name ? QStringLiteral("VAT") : percent);
        }
        QTest::keyClick(TestSupport::control<QLineEdit>(form, box), Qt::Key_Return);
        QCOMPARE(storedTaxes(*db), stored.isEmpty() ? QStringList() : QStringList{stored});
        QCOMPARE(ShownBalloon(form).title, balloon);
        QCOMPARE(Messages(), stored.isEmpty() ? QStringList()
                                              : QStringList{"Tax Name VAT added on the Tax List!"});
    }

    void rateFollowsTheLocaleButTheStatementDoesNot() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        frmTax* form = open();
        add(form, 1, QStringLiteral("MwSt"), QStringLiteral("7,5"));
        add(form, 1, QStringLiteral("Dot"), QStringLiteral("1.000,25"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(storedTaxes(*db), (QStringList{"MwSt|7.5|1", "Dot|1000.25|1"}));
        QCOMPARE(rowsOf(form->ListView1), (QStringList{"MwSt|7,5%", "Dot|1000,25%"}));
    }

    void clickInABoxTakesThePlaceholderAndTheBalloonAway_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::newRow("room name placeholder") << "txtTaxName"
                                               << "Tax Name"
                                               << "";
        QTest::newRow("room name typed") << "txtTaxName"
                                         << "VAT"
                                         << "VAT";
        QTest::newRow("food name placeholder") << "Text1"
                                               << "Tax Name"
                                               << "";
        QTest::newRow("room percent 0%") << "txtTaxPercent"
                                         << "0%"
                                         << "";
        QTest::newRow("room percent 0") << "txtTaxPercent"
                                        << "0"
                                        << "0";
        QTest::newRow("food percent keeps 0%") << "Text2"
                                               << "0%"
                                               << "0%";
    }
    void clickInABoxTakesThePlaceholderAndTheBalloonAway() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, after);
        frmTax* form = open();
        auto* field = TestSupport::control<QLineEdit>(form, box);
        const int page = field == form->Text1 || field == form->Text2 ? 2 : 1;
        add(form, page, QStringLiteral("Tax Name"), QStringLiteral("5"));
        QVERIFY(ShownBalloon(form).shown);
        field->setText(text);
        QTest::mouseClick(field, Qt::LeftButton);
        QCOMPARE(field->text(), after);
        QVERIFY(!ShownBalloon(form).shown);
    }

    void removeActsOnTheListClickedLast_data() {
        QTest::addColumn<int>("leftClicked");
        QTest::addColumn<bool>("deselect");
        QTest::addColumn<int>("rightClicked");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<bool>("reloaded");
        QTest::addColumn<bool>("columnInFront");
        const QStringList all{"VAT|5|1", "City|7.5|1", "Bar|20|2"};
        QTest::newRow("room list, menu from the food list")
            << 1 << false << 2 << true << QStringList{"VAT|5|1", "Bar|20|2"} << true << false;
        QTest::newRow("food list")
            << 2 << false << 2 << true << QStringList{"VAT|5|1", "City|7.5|1"} << true << false;
        QTest::newRow("no list clicked yet") << 0 << false << 1 << true << all << true << false;
        QTest::newRow("answered No") << 1 << false << 1 << false << all << false << false;
        QTest::newRow("no row selected") << 1 << true << 2 << true << all << true << false;
        // Every cell one place on: the row chosen is still the tax removed.
        QTest::newRow("room list with a column in front, menu from the food list")
            << 1 << false << 2 << true << QStringList{"VAT|5|1", "Bar|20|2"} << true << true;
    }
    void removeActsOnTheListClickedLast() {
        QFETCH(int, leftClicked);
        QFETCH(bool, deselect);
        QFETCH(int, rightClicked);
        QFETCH(bool, yes);
        QFETCH(QStringList, remaining);
        QFETCH(bool, reloaded);
        QFETCH(bool, columnInFront);
        VERIFY_RAN(addThreeTaxes());
        frmTax* form = open();
        if (leftClicked != 0) {
            ExtLV* list = showList(form, leftClicked);
            if (columnInFront)
                TestSupport::PutColumnInFront(list, QStringLiteral("Desk"));
            // The room list's second row, the food list's only row.
            ClickRow(list, leftClicked == 1 ? 2 : 1, Qt::LeftButton);
            QCOMPARE(form->ListViewClcked, qint16(leftClicked));
            if (deselect)
                list->SelectedItem().Selected(false);
        }
        // A tax another desk adds shows once the lists are reloaded.
        VERIFY_RAN(AdminStatements::AddTax(QStringLiteral("Other"), QStringLiteral("1"), 2));
        removeFromMenu(form, rightClicked, yes);
        QCOMPARE(form->ListViewClcked, qint16(leftClicked));
        QCOMPARE(storedTaxes(*db), remaining + QStringList{"Other|1|2"});
        QCOMPARE(rowsOf(form->ListView2).contains(QStringLiteral("Other|1%")), reloaded);
        const Dialogs::Shown& question = Dialogs::Testing::Record().first();
        QCOMPARE(question.kind, QStringLiteral("question"));
        QCOMPARE(
            question.text,
            QStringLiteral("Do you want to remove Selected Tax from the record! Are you Sure?"));
        QCOMPARE(question.title, QStringLiteral("Remove Tax"));
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
    }

    void refusedStatementsAreReportedAndTheListsReload() {
        VERIFY_RAN(addThreeTaxes());
        frmTax* form = open();
        VERIFY_RAN(db->RefuseWrites(QStringLiteral("tbl_Tax"), Write::Insert));
        add(form, 1, QStringLiteral("Service"), QStringLiteral("10"));
        // The refusal is reported; nothing is announced as added.
        QCOMPARE(Messages().size(), 1);
        QVERIFY(Messages().first().startsWith(QStringLiteral("Error Code : DB0003\r\n")));
        QCOMPARE(rowsOf(form->ListView1), (QStringList{"VAT|5%", "City|7.5%"}));

        Dialogs::Testing::Reset();
        VERIFY_RAN(db->AllowWrites(QStringLiteral("tbl_Tax"), Write::Insert));
        VERIFY_RAN(db->RefuseWrites(QStringLiteral("tbl_Tax"), Write::Delete));
        ClickRow(showList(form, 1), 1, Qt::LeftButton);
        removeFromMenu(form, 1, true);
        QCOMPARE(Messages().size(), 2);
        QVERIFY(Messages().last().startsWith(QStringLiteral("Error Code : DB0002\r\n")));
        QCOMPARE(rowsOf(form->ListView1), (QStringList{"VAT|5%", "City|7.5%"}));
        QVERIFY(!frmErrorReport::Instance());
    }

    void failingListQueryLeavesTheListsEmpty() {
        VERIFY_RAN(addThreeTaxes());
        VERIFY_RAN(db->Run(QStringLiteral("DROP TABLE tbl_Tax")));
        frmTax* form = open();
        QVERIFY(form);
        QCOMPARE(form->ListView1->ListItems().Count(), 0);
        QCOMPARE(form->ListView2->ListItems().Count(), 0);
        VERIFY_NOTHING_SHOWN();
        QVERIFY(!frmErrorReport::Instance());
    }

    void okUnloadsAndTheNextLoadStartsAfresh() {
        VERIFY_RAN(addThreeTaxes());
        frmTax* form = open();
        form->txtTaxName->setText(QStringLiteral("Typed"));
        form->Text2->setText(QStringLiteral("9"));
        ClickRow(showList(form, 2), 1, Qt::LeftButton);
        QCOMPARE(form->ListViewClcked, qint16(2));
        QCOMPARE(form->Command1->text(), QStringLiteral("&OK"));
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QTRY_VERIFY(!LoadedInstance<frmTax>());
        QTRY_VERIFY(main->MdiArea->subWindowList().isEmpty());

        form = open();
        QVERIFY(form);
        QCOMPARE(form->txtTaxName->text(), QStringLiteral("Tax Name"));
        QCOMPARE(form->Text2->text(), QStringLiteral("0"));
        QCOMPARE(form->ListViewClcked, qint16(0));
        QCOMPARE(rowsOf(form->ListView1), (QStringList{"VAT|5%", "City|7.5%"}));
    }

    void okRefreshesAnOpenBookingWindow() {
        GlobalLogin::IsLoggedIn = true;
        frmBooking::ShowWindow();
        frmBooking* booking = LoadedInstance<frmBooking>();
        QVERIFY(booking && BookingFormOpen);
        QCOMPARE(booking->lbPercent->text(), QStringLiteral("0"));

        frmTax* form = open();
        add(form, 1, QStringLiteral("VAT"), QStringLiteral("5"));
        add(form, 2, QStringLiteral("Bar"), QStringLiteral("20"));
        QCOMPARE(booking->lbPercent->text(), QStringLiteral("0"));
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(booking->lbPercent->text(), QStringLiteral("5"));
        QTRY_VERIFY(!LoadedInstance<frmTax>());

        // Closing the window any other way leaves the booking window's percent as it was.
        form = open();
        add(form, 1, QStringLiteral("City"), QStringLiteral("7.5"));
        qobject_cast<QMdiSubWindow*>(form->parentWidget())->close();
        QTRY_VERIFY(!LoadedInstance<frmTax>());
        QCOMPARE(booking->lbPercent->text(), QStringLiteral("5"));
    }
};

STAYMARK_TEST_MAIN(TestFrmTax)
#include "tst_frmTax.moc"
