#include "administration/AdminCataloguePage.h"
#include "core/SqlLiteral.h"
#include "food_orders/FoodOrderStore.h"
#include "tests/administration/AdminPageHost.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using TestSupport::Messages;

// An item named on the catalogue page can be ordered: its name fits an order's item table.
class TestCatalogueItemOrders : public AdminPageHost<AdminCataloguePage> {
    Q_OBJECT

private slots:
    void theLongestItemNameGoesIntoAnOrder() {
        VERIFY_RAN(db->Run(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES('Drinks')")));
        page()->AddFoodColumns();
        page()->ItemCategoryListShow();
        QTest::keyClicks(page()->itmName, QString(300, QLatin1Char('n')));
        const QString held = page()->itmName->text();
        QCOMPARE(held.size(), 225);
        page()->itmPrice->setText(QStringLiteral("2"));
        QTest::mouseClick(page()->Command5, Qt::LeftButton);
        QCOMPARE(db->Query(QStringLiteral("SELECT ItemName FROM tbl_FoodItem"))
                     .Text(QStringLiteral("ItemName")),
                 held);

        FoodOrder order;
        order.customerNumber = QStringLiteral("ALABCDEF");
        order.orderId = QStringLiteral("102030405060");
        order.firstName = QStringLiteral("Ann");
        order.lastName = QStringLiteral("Lee");
        order.status = QStringLiteral("Not Paid");
        order.date = QDate(2024, 5, 1);
        order.total = Currency::FromText(QStringLiteral("2"), QLocale::c());
        order.lines = {{held, order.total}};
        QVERIFY(FoodOrderStore::SaveOrder(order));
        QCOMPARE(Messages(), QStringList());
        QCOMPARE(db->Query(QStringLiteral("SELECT FoodItem FROM ") +
                           FoodOrderStore::ItemTableName(order.orderId))
                     .Text(QStringLiteral("FoodItem")),
                 held);
    }
};

STAYMARK_TEST_MAIN(TestCatalogueItemOrders)
#include "tst_CatalogueItemOrders.moc"
