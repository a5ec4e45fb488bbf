#include "core/AppPaths.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "food_orders/FoodOrderNumber.h"
#include "food_orders/FoodOrderStore.h"
#include "reservations/BookingStore.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/WindowChecks.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using TestSupport::Backend;
using TestSupport::Write;

namespace {

const QDate kToday(2026, 12, 10);

Currency money(const char* plain) {
    return Currency::FromText(QString::fromLatin1(plain), QLocale::c());
}

FoodOrder anOrder(const QString& number) {
    FoodOrder order;
    order.customerNumber = QStringLiteral("ALABCDEF");
    order.orderId = number;
    order.title = QStringLiteral("Mrs.");
    order.firstName = QStringLiteral("Ann");
    order.lastName = QStringLiteral("Lee");
    order.total = money("7.5");
    order.status = QStringLiteral("Due");
    order.date = kToday;
    order.lines = {{QStringLiteral("Tea"), money("2.5")}, {QStringLiteral("Cake"), money("5")}};
    return order;
}

BookingRecord aBooking() {
    BookingRecord b;
    b.title = QStringLiteral("Mr.");
    b.firstName = QStringLiteral("John");
    b.lastName = QStringLiteral("Smith");
    b.arrival = kToday;
    b.departure = kToday.addDays(1);
    b.days = 1;
    b.roomRate = b.grandTotal = b.due = money("80");
    b.paymentMethod = b.paymentDetails = QStringLiteral("Cash");
    b.status = QStringLiteral("Confirmed");
    return b;
}

// Another front desk: books or orders `count` times against the database of the folder.
int workAtAnotherDesk(const QString& work, const QString& folder, int count) {
    AppPaths::SetProgramFolder(folder);
    Dialogs::Testing::Enable();
    theDBworks::OpenConnection();
    GlobalLogin::LoggedUserName = QStringLiteral("desk");
    for (int i = 0; i < count; ++i) {
        bool saved = false;
        if (work == QLatin1String("book")) {
            BookingRecord booking = aBooking();
            saved = BookingStore::SaveBooking(booking, kToday);
        } else {
            saved = FoodOrderStore::SaveOrder(anOrder(FoodOrderNumber::NewNumber()));
        }
        if (!saved) {
            const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
            fprintf(stderr, "%s %d failed: %s\n", qUtf8Printable(work), i,
                    qUtf8Printable(shown.isEmpty() ? ErrMsg : shown.last().text));
            return 1;
        }
    }
    return 0;
}

} // namespace

// The food orders' statements: order numbers, a removal that takes the row and the item
// table together, values stored as typed, and two desks selling at once.
class TestFoodOrderStore : public TestSupport::DatabaseTest {
    Q_OBJECT

    bool orderStored(const QString& number) {
        return db->Count(QStringLiteral("tbl_FoodOrders"),
                         QStringLiteral("FoodOrderID = '%1'").arg(number)) == 1;
    }
    bool tableStored(const QString& number) {
        return theDBworks::TableExists(FoodOrderStore::ItemTableName(number));
    }

private slots:
    void numbersAreSixNumbersFromOneSeed() {
        const QRegularExpression sixNumbers(QStringLiteral("^(9|[1-9][0-9]|10[0-8]){6}$"));
        QSet<QString> drawn;
        for (int i = 0; i < 2000; ++i) {
            const QString number = FoodOrderNumber::RandomNumber();
            QVERIFY2(sixNumbers.match(number).hasMatch(), qPrintable(number));
            drawn.insert(number);
        }
        // Drawn within the same second, they still differ.
        QCOMPARE(drawn.size(), 2000);
    }

    void aNumberInUseIsDrawnAgain() {
        QVERIFY(FoodOrderStore::SaveOrder(anOrder(QStringLiteral("101112131415"))));
        // A table left without its order row holds its number too.
        VERIFY_RAN(db->Run(QStringLiteral("CREATE TABLE tbl_FoodOrder_202122232425 (ID INT)")));
        QStringList draws{QStringLiteral("101112131415"), QStringLiteral("202122232425"),
                          QStringLiteral("303132333435")};
        int drawsMade = 0;
        const QString number = FoodOrderNumber::NewNumber([&] { return draws.at(drawsMade++); });
        QCOMPARE(number, QStringLiteral("303132333435"));
        QCOMPARE(drawsMade, 3);
    }

    void valuesAreStoredAsTyped() {
        FoodOrder order = anOrder(QStringLiteral("999999999999"));
        order.title = QStringLiteral("Dr.");
        order.firstName = QStringLiteral("Ann'); DROP TABLE tbl_Tax; --");
        order.lastName = QStringLiteral("O'Hara \\ #1#");
        order.lines = {{QStringLiteral("Fish 'n' Chips"), money("1234.5678")},
                       {QStringLiteral("Crème brûlée, Жук"), money("4")}};
        QVERIFY(FoodOrderStore::SaveOrder(order));
        Recordset row = db->Query(QStringLiteral("SELECT * FROM tbl_FoodOrders"));
        QCOMPARE(row.Text(QStringLiteral("CustomerFName")), order.firstName);
        QCOMPARE(row.Text(QStringLiteral("CustomreLName")), order.lastName);
        Recordset line =
            db->Query(QStringLiteral("SELECT * FROM tbl_FoodOrder_999999999999 ORDER BY ID"));
        QCOMPARE(line.Text(QStringLiteral("FoodItem")), QStringLiteral("Fish 'n' Chips"));
        QCOMPARE(line.Money(QStringLiteral("Price")), money("1234.5678"));
        // Whatever the server's own character set, the item table holds any name.
        line.MoveNext();
        QCOMPARE(line.Text(QStringLiteral("FoodItem")), QStringLiteral("Crème brûlée, Жук"));
        QCOMPARE(db->Count(QStringLiteral("tbl_Tax")), 0);
        QVERIFY_THROWS_EXCEPTION(StaymarkError,
                                 FoodOrderStore::ItemTableName(QStringLiteral("1; x")));
    }

    void removalTakesTheRowAndTheTableTogether() {
        QVERIFY(FoodOrderStore::SaveOrder(anOrder(QStringLiteral("121314151617"))));
        QVERIFY(FoodOrderStore::SaveOrder(anOrder(QStringLiteral("212223242526"))));
        QVERIFY(FoodOrderStore::RemoveOrder(QStringLiteral("121314151617")));
        QVERIFY(!orderStored(QStringLiteral("121314151617")));
        QVERIFY(!tableStored(QStringLiteral("121314151617")));
        QVERIFY(orderStored(QStringLiteral("212223242526")));
        // The day's revenue keeps the removed order.
        Recordset day = db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"));
        QCOMPARE(day.Fields(QStringLiteral("tFoodOrders")).toInt(), 2);
        QCOMPARE(day.Money(QStringLiteral("tFoodDrinkRevenue")), money("15"));
        // An order whose table is already gone still goes.
        VERIFY_RAN(db->Run(QStringLiteral("DROP TABLE tbl_FoodOrder_212223242526")));
        QVERIFY(FoodOrderStore::RemoveOrder(QStringLiteral("212223242526")));
        QCOMPARE(db->Count(QStringLiteral("tbl_FoodOrders")), 0);
    }

    void refusedRemovalKeepsTheRowAndTheTable() {
        QVERIFY(FoodOrderStore::SaveOrder(anOrder(QStringLiteral("121314151617"))));
        VERIFY_RAN(db->RefuseWrites(QStringLiteral("tbl_FoodOrders"), Write::Delete));
        QVERIFY(!FoodOrderStore::RemoveOrder(QStringLiteral("121314151617")));
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : DB0002"));
        QVERIFY(orderStored(QStringLiteral("121314151617")));
        QVERIFY(tableStored(QStringLiteral("121314151617")));
        QCOMPARE(db->Count(QStringLiteral("tbl_FoodOrder_121314151617")), 2);
        QVERIFY(!theDBworks::InTransaction());
    }

    // On MariaDB the table goes outside the unit of work; one that will not go brings the
    // row back.
    void tableThatWillNotGoBringsTheRowBack() {
        if (db->Which() != Backend::MariaDB)
            QSKIP("SQLite drops the table inside the unit of work");
        QVERIFY(FoodOrderStore::SaveOrder(anOrder(QStringLiteral("121314151617"))));
        const QVariant rowId =
            db->Query(QStringLiteral("SELECT ID FROM tbl_FoodOrders")).Fields(QStringLiteral("ID"));
        VERIFY_RAN(db->Run(QStringLiteral("CREATE TABLE pin (ref INT, FOREIGN KEY (ref) REFERENCES "
                                          "tbl_FoodOrder_121314151617(ID)) ENGINE=InnoDB")));
        QVERIFY(!FoodOrderStore::RemoveOrder(QStringLiteral("121314151617")));
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : DB0002"));
        Recordset row = db->Query(QStringLiteral("SELECT * FROM tbl_FoodOrders"));
        QCOMPARE(row.RecordCount(), 1);
        QCOMPARE(row.Text(QStringLiteral("FoodOrderID")), QStringLiteral("121314151617"));
        QCOMPARE(row.Fields(QStringLiteral("ID")).toLongLong(), rowId.toLongLong());
        QCOMPARE(row.Text(QStringLiteral("OrderNo")), QStringLiteral("ALABCDEF"));
        QCOMPARE(row.Money(QStringLiteral("TotalPrice")), money("7.5"));
        QCOMPARE(row.Date(QStringLiteral("Dateline")), kToday);
        QVERIFY(tableStored(QStringLiteral("121314151617")));
    }

    // What a save or a removal cut short leaves (a desk or its server stopped between a table
    // change and its unit of work) is finished by the next save; nothing else is touched.
    void halfChangedOrderTablesAreFinishedByTheNextSave() {
        const QString itemColumns = QStringLiteral(" (ID INT, FoodItem VARCHAR(225))");
        const auto makeTable = [&](const QString& name) {
            VERIFY_RAN(db->Run(QStringLiteral("CREATE TABLE ") + name + itemColumns));
        };
        FoodOrder withRow = anOrder(QStringLiteral("333333333333"));
        withRow.lines.clear();
        QVERIFY(FoodOrderStore::SaveOrder(withRow));
        makeTable(QStringLiteral("tbl_FoodOrder_111111111111")); // a save cut short: goes
        makeTable(QStringLiteral("tbl_FoodOrder_222222222222")); // holds items: stays
        VERIFY_RAN(db->Run(QStringLiteral(
            "INSERT INTO tbl_FoodOrder_222222222222 (ID, FoodItem) VALUES (1, 'Tea')")));
        makeTable(QStringLiteral("tbl_FoodOrder_12ab"));     // not a number: stays
        makeTable(QStringLiteral("tbl_FoodOrder_9_old"));    // not a number: stays
        makeTable(QStringLiteral("tbl_FoodOrderCopy_4444")); // not an order's: stays
        // A removal cut short after its row went: the items set aside go.
        makeTable(QStringLiteral("tbl_FoodOrderGone_555555555555"));
        // A removal cut short before its row went: the items come back.
        QVERIFY(FoodOrderStore::SaveOrder(anOrder(QStringLiteral("666666666666"))));
        VERIFY_RAN(db->Run(QStringLiteral(
            "ALTER TABLE tbl_FoodOrder_666666666666 RENAME TO tbl_FoodOrderGone_666666666666")));

        QVERIFY(FoodOrderStore::SaveOrder(anOrder(QStringLiteral("777777777777"))));

        for (const char* gone : {"tbl_FoodOrder_111111111111", "tbl_FoodOrderGone_555555555555",
                                 "tbl_FoodOrderGone_666666666666"})
            QVERIFY2(!theDBworks::TableExists(QString::fromLatin1(gone)), gone);
        for (const char* kept :
             {"tbl_FoodOrder_222222222222", "tbl_FoodOrder_333333333333", "tbl_FoodOrder_12ab",
              "tbl_FoodOrder_9_old", "tbl_FoodOrderCopy_4444", "tbl_FoodOrder_777777777777"})
            QVERIFY2(theDBworks::TableExists(QString::fromLatin1(kept)), kept);
        QCOMPARE(db->Count(QStringLiteral("tbl_FoodOrder_666666666666")), 2);
        QCOMPARE(db->Count(QStringLiteral("tbl_FoodOrders")), 3);
        VERIFY_NOTHING_SHOWN();
    }

    // One desk booking and one ordering at the same moment: one revenue row, every sale in it.
    void aBookingDeskAndAnOrderingDeskShareOneRevenueRow() {
        const int perDesk = 25;
        QProcess booking;
        QProcess ordering;
        const QString count = QString::number(perDesk);
        booking.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--desk"), QStringLiteral("book"), db->Folder(), count});
        ordering.start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--desk"), QStringLiteral("order"), db->Folder(), count});
        QVERIFY(booking.waitForFinished(120000));
        QVERIFY(ordering.waitForFinished(120000));
        QVERIFY2(booking.exitCode() == 0, booking.readAllStandardError().constData());
        QVERIFY2(ordering.exitCode() == 0, ordering.readAllStandardError().constData());
        QCOMPARE(db->Count(QStringLiteral("tbl_revenueStats")), 1);
        Recordset day = db->Query(QStringLiteral("SELECT * FROM tbl_revenueStats"));
        QCOMPARE(day.Fields(QStringLiteral("tBookings")).toInt(), perDesk);
        QCOMPARE(day.Fields(QStringLiteral("tFoodOrders")).toInt(), perDesk);
        QCOMPARE(day.Money(QStringLiteral("tBookingRevenue")), money("80") * perDesk);
        QCOMPARE(day.Money(QStringLiteral("tFoodDrinkRevenue")), money("7.5") * perDesk);
        QCOMPARE(day.Money(QStringLiteral("tRevenue")), money("87.5") * perDesk);
        QCOMPARE(db->Count(QStringLiteral("tbl_FoodOrders")), perDesk);
    }
};

int main(int argc, char* argv[]) {
    if (argc == 5 && qstrcmp(argv[1], "--desk") == 0) {
        QCoreApplication app(argc, argv);
        return workAtAnotherDesk(QString::fromLatin1(argv[2]), QString::fromLocal8Bit(argv[3]),
                                 QByteArray(argv[4]).toInt());
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestSupport::PrepareProcess();
    TestFoodOrderStore test;
    const int failed = QTest::qExec(&test, argc, argv);
    return TestSupport::FinishProcess() ? failed : 1;
}

#include "tst_FoodOrderStore.moc"
