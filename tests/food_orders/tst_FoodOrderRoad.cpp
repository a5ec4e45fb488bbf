#include "FoodOrderFixture.h"

#include "food_orders/FoodOrderStore.h"
#include "food_orders/frmFoodDetails.h"
#include "food_orders/frmFoodTxtView.h"
#include "tests/support/AdminStatements.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>

using TestSupport::Messages;
using TestSupport::RowsOf;

// The road of a food order, from the stay it is charged to until it is removed.
class TestFoodOrderRoad : public FoodOrderFixture {
    Q_OBJECT

    // The customer list's "&New Food && Beverages Order" on the row whose "Customer ID" cell
    // this is. To be driven through the customer list's menu once that window is on main.
    frmFoodingBook* newOrderFromTheCustomerListMenu(const QString& customerCell) {
        frmFoodingBook::ShowForCustomer(customerCell);
        return LoadedInstance<frmFoodingBook>();
    }

    // The customer list's "&Show Food && Beverages Details" on that row: the details open
    // only for a customer with orders. To be driven through the customer list's menu likewise.
    frmFoodDetails* orderDetailsFromTheCustomerListMenu(const QString& customerCell) {
        if (!FoodOrderStore::HasOrders(QString(customerCell).remove(QLatin1Char('#'))))
            return nullptr;
        frmFoodDetails::ShowForCustomer([customerCell] { return customerCell; });
        return LoadedInstance<frmFoodDetails>();
    }

    void saveOrder(frmFoodingBook* form, const QStringList& items, const QString& status) {
        for (const QString& item : items)
            AddItem(form, item);
        form->Combo1->setCurrentText(status);
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        QCOMPARE(Messages().last(), QStringLiteral("Food & Beverages order added into the record"));
    }

    void initTest() override {
        VERIFY_RAN(db->Run(QStringLiteral("UPDATE tbl_HotelInfo SET AddOrderSign = 1")));
        GlobalLogin::LoadHotelInfo();
        VERIFY_RAN(AdminStatements::AddTax(QStringLiteral("Service"), QStringLiteral("8"), 2));
    }

private slots:

    void orderedChargedBilledAndRemoved() {
        const QString annsCell = QStringLiteral("#") + ann;
        QVERIFY(!orderDetailsFromTheCustomerListMenu(annsCell));

        frmFoodingBook* entry = newOrderFromTheCustomerListMenu(annsCell);
        QVERIFY(entry);
        QCOMPARE(entry->txtCFname->text(), QStringLiteral("Ann"));
        saveOrder(entry, {QStringLiteral("Tea"), QStringLiteral("Pasta"), QStringLiteral("Tea")},
                  QStringLiteral("Due"));
        saveOrder(entry, {QStringLiteral("Coffee")}, QStringLiteral("Paid"));

        Recordset day = db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"));
        QCOMPARE(day.RecordCount(), 1);
        QCOMPARE(day.Fields(QStringLiteral("tBookings")).toInt(), 2);
        QCOMPARE(day.Fields(QStringLiteral("tFoodOrders")).toInt(), 2);
        QCOMPARE(day.Money(QStringLiteral("tBookingRevenue")), money("160"));
        QCOMPARE(day.Money(QStringLiteral("tFoodDrinkRevenue")), money("20.75"));
        QCOMPARE(day.Money(QStringLiteral("tRevenue")), money("180.75"));

        frmFoodDetails* details = orderDetailsFromTheCustomerListMenu(annsCell);
        QVERIFY(details);
        QCOMPARE(details->OrderLV->ListItems().Count(), 2);
        const QString dueOrder = details->OrderLV->ListItems().Item(1).Text();
        QVERIFY(dueOrder.startsWith(QLatin1Char('#')));
        QCOMPARE(details->OrderLV->ListItems().Item(1).SubItems(2), QStringLiteral("Due"));
        QCOMPARE(RowsOf(details->ItemsLV, 2),
                 (QStringList{"Tea|$2.50", "Pasta|$12.75", "Tea|$2.50"}));
        // Only the due order counts; 8% of $17.75 is $1.42.
        QCOMPARE(details->txtTotalAmount->text(), shown("17.75"));
        QCOMPARE(details->lbPercent->text(), QStringLiteral("8"));
        QCOMPARE(details->txtTax->text(), shown("1.42"));
        QCOMPARE(details->txtAmoutWithTax->text(), shown("19.17"));

        QTest::mouseClick(details->Command3, Qt::LeftButton);
        frmFoodTxtView* bill = LoadedInstance<frmFoodTxtView>();
        QVERIFY(bill);
        const QStringList lines = bill->RichText->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.value(2), QStringLiteral("Customer ID \t: ") + annsCell);
        QCOMPARE(lines.value(3), QStringLiteral("Food & Beverages Order No. \t: ") + dueOrder);
        QCOMPARE(lines.value(10), QStringLiteral("Total \t$17.75"));
        QCOMPARE(lines.value(13), QStringLiteral("Grand Total \t$19.17"));
        QTextCursor line(bill->RichText->document()->findBlockByNumber(10));
        line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        bill->RichText->setTextCursor(line);
        bill->Button(QStringLiteral("boldi"))->trigger();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bill.rtf"));
        Dialogs::Testing::AnswerNextFile(path);
        bill->Button(QStringLiteral("savei"))->trigger();
        const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
        QVERIFY2(!unrtf.isEmpty(), "unrtf is not installed");
        QProcess reader;
        reader.start(unrtf, {QStringLiteral("--html"), path});
        QVERIFY(reader.waitForFinished(30000));
        const QString html = QString::fromUtf8(reader.readAllStandardOutput());
        QVERIFY2(html.contains(QStringLiteral("<b>Total")), qPrintable(html));
        QVERIFY(html.contains(QStringLiteral("$19.17")));
        QVERIFY(html.contains(QStringLiteral("Ann Lee")));
        delete bill;

        details->OrderLV->ListItems().Item(1).Selected(true);
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(details->Command5, Qt::LeftButton);
        const QString number = QString(dueOrder).remove(QLatin1Char('#'));
        QCOMPARE(db->Count(QStringLiteral("tbl_FoodOrders"),
                           QStringLiteral("FoodOrderID = '%1'").arg(number)),
                 0);
        QVERIFY(!theDBworks::TableExists(FoodOrderStore::ItemTableName(number)));
        QCOMPARE(details->OrderLV->ListItems().Count(), 1);
        QCOMPARE(details->OrderLV->ListItems().Item(1).SubItems(2), QStringLiteral("Paid"));
        QCOMPARE(RowsOf(details->ItemsLV, 2), QStringList{"Coffee|$3.00"});
        day = db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"));
        QCOMPARE(day.Fields(QStringLiteral("tFoodOrders")).toInt(), 2);
    }
};

STAYMARK_TEST_MAIN(TestFoodOrderRoad)
#include "tst_FoodOrderRoad.moc"
