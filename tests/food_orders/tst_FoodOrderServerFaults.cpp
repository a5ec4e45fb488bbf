#include "FoodOrderFixture.h"

#include "core/frmErrorReport.h"
#include "food_orders/FoodOrderStore.h"
#include "food_orders/frmFoodDetails.h"
#include "food_orders/frmFoodTxtView.h"
#include "tests/core/DatabaseFaults.h"
#include "tests/core/PrivateMariaDb.h"
#include "tests/core/StatementTrap.h"

#include <QPushButton>
#include <QSqlDatabase>
#include <QTextEdit>

#include <chrono>
#include <csignal>
#include <memory>
#include <thread>

using namespace std::chrono_literals;
using TestSupport::Backend;
using TestSupport::Messages;

namespace {

// Another front desk removes the order it is given.
int removeOrderAtAnotherDesk(const QStringList& work) {
    return FoodOrderStore::RemoveOrder(work.value(0)) ? 0 : 1;
}

} // namespace

// Orders on a MariaDB server that dies while a save or a removal waits for another desk's
// lock, with the database locate tool closed, and comes back.
class TestFoodOrderServerFaults : public FoodOrderFixture {
    Q_OBJECT

    std::unique_ptr<PrivateMariaDb> server;
    std::unique_ptr<StatementTrap> trap;

    FoodOrder anOrder(const QString& number) const {
        FoodOrder order;
        order.customerNumber = ann;
        order.orderId = number;
        order.firstName = QStringLiteral("Ann");
        order.lastName = QStringLiteral("Lee");
        order.total = money("2.5");
        order.status = QStringLiteral("Due");
        order.date = kToday;
        order.lines = {{QStringLiteral("Tea"), money("2.5")}};
        return order;
    }

    // The order tables as a fresh connection lists them.
    static QStringList orderTables() {
        QStringList names;
        const Recordset rows = DatabaseFaults::QueryOnAFreshConnection(
            Backend::MariaDB,
            QStringLiteral("SELECT table_name AS tname FROM information_schema.tables WHERE "
                           "table_schema = DATABASE() AND table_name LIKE 'tbl!_FoodOrder!_%' "
                           "ESCAPE '!' ORDER BY table_name"));
        Recordset walk = rows;
        ForEachRow(walk, [&](const Recordset& row) { names << row.Text(QStringLiteral("tname")); });
        return names;
    }
    static int countOf(const QString& sql) {
        return DatabaseFaults::QueryOnAFreshConnection(Backend::MariaDB, sql).Fields(0).toInt();
    }
    static bool tableThere(const QString& name) {
        return countOf("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = "
                       "DATABASE() AND table_name = '" +
                       name + "'") == 1;
    }

    void restartServer() {
        server->Kill();
        const QString error = server->Restart();
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    frmFoodDetails* openDetails() {
        frmFoodDetails::ShowForCustomer([this] { return ann; });
        return LoadedInstance<frmFoodDetails>();
    }

    // Runs `step` while another desk holds `lock`; the server dies a moment into the wait,
    // and the locate tool that opens is closed. Then the server comes back.
    void killWhileWaiting(const QString& lock, const std::function<void()>& step) {
        DatabaseFaults::OtherDesk desk(Backend::MariaDB);
        const QString held = desk.Hold(lock, 4000ms);
        QVERIFY2(held.isEmpty(), qPrintable(held));
        const pid_t pid = pid_t(server->ProcessId());
        std::thread killer([pid] {
            std::this_thread::sleep_for(1500ms);
            ::kill(pid, SIGKILL);
        });
        const qsizetype before = Dialogs::Testing::Record().size();
        Dialogs::Testing::CloseNextModal();
        step();
        killer.join();
        desk.Finish();
        server->Kill();
        QCOMPARE(Dialogs::Testing::Record().size(), before + 1);
        QCOMPARE(Dialogs::Testing::Record().last().text, QStringLiteral("frmDBLocateTool"));
        const QString error = server->Restart();
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

private slots:
    void initTestCase() {
        server = std::make_unique<PrivateMariaDb>();
        const QString error = server->Start();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        trap = std::make_unique<StatementTrap>(*server);
    }
    void cleanupTestCase() {
        trap.reset();
        server.reset();
    }

    // The server goes down as Save is pressed, at each step before the question: the user meets
    // the locate tool and nothing else, and the next Save, with the server back, saves.
    void theServerGoneAsSaveIsPressedTakesTheLocateToolsRoad_data() {
        QTest::addColumn<QString>("statement");
        QTest::newRow("the new number's order row")
            << "SELECT ID FROM tbl_FoodOrders WHERE FoodOrderID";
        QTest::newRow("the new number's item table") << "LOWER(table_name) = LOWER('tbl_FoodOrder_";
    }
    void theServerGoneAsSaveIsPressedTakesTheLocateToolsRoad() {
        QFETCH(QString, statement);
        frmFoodingBook::ShowForCustomer(ann);
        frmFoodingBook* form = LoadedInstance<frmFoodingBook>();
        QVERIFY(form);
        AddItem(form, QStringLiteral("Tea"));
        trap->KillServerAt(statement);
        Dialogs::Testing::CloseNextModal();
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        QVERIFY(trap->Sprung());
        QCOMPARE(Messages(), QStringList{"frmDBLocateTool"});
        QVERIFY(!frmErrorReport::Instance());
        restartServer();

        Dialogs::Testing::Reset();
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        QCOMPARE(Messages(), (QStringList{"Confirm Save this Order?",
                                          "Food & Beverages order added into the record"}));
        QCOMPARE(countOf(QStringLiteral("SELECT COUNT(*) FROM tbl_FoodOrders")), 1);
        QCOMPARE(orderTables().size(), 1);
    }

    // The server dies as the order's row is being deleted, after its items were set aside: the
    // details, refreshed once the server is back, and the bill show the order whole.
    void anOrderWhoseRemovalWasCutShortIsShownWhole() {
        const QString number = QStringLiteral("101010101010");
        QVERIFY(FoodOrderStore::SaveOrder(anOrder(number)));
        frmFoodDetails* details = openDetails();
        trap->KillServerAt(QStringLiteral("DELETE FROM tbl_FoodOrders"));
        Dialogs::Testing::CloseNextModal();
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(details->Command5, Qt::LeftButton);
        QVERIFY(trap->Sprung());
        const QStringList met{"Remove Food & Beverages Order '" + number + "' ? Are you sure!",
                              "frmDBLocateTool"};
        QCOMPARE(Messages(), met);
        restartServer();

        QTest::mouseClick(details->Command1, Qt::LeftButton);
        QCOMPARE(TestSupport::RowsOf(details->ItemsLV, 2), QStringList{"Tea|" + shown("2.5")});
        QCOMPARE(details->txtTotalAmount->text(), shown("2.5"));
        QTest::mouseClick(details->Command3, Qt::LeftButton);
        frmFoodTxtView* bill = LoadedInstance<frmFoodTxtView>();
        QVERIFY(bill);
        QVERIFY2(bill->RichText->toPlainText().contains("Tea"),
                 qPrintable(bill->RichText->toPlainText()));
        QCOMPARE(Messages(), met);
        QVERIFY(!frmErrorReport::Instance());
        QCOMPARE(orderTables(), QStringList{"tbl_FoodOrder_" + number});
    }

    // While another desk is removing the order, its details and its bill say so instead of
    // showing part of it; once the removal is done the order is gone from the list.
    void anOrderBeingRemovedAtAnotherDeskSaysSo() {
        const QString number = QStringLiteral("101010101010");
        QVERIFY(FoodOrderStore::SaveOrder(anOrder(number)));
        frmFoodDetails* details = openDetails();
        // The other desk's removal waits for this lock after it has set the items aside.
        DatabaseFaults::OtherDesk holder(Backend::MariaDB);
        VERIFY_RAN(holder.Hold("UPDATE tbl_FoodOrders SET Status = Status WHERE FoodOrderID = '" +
                                   number + "'",
                               4500ms));
        DatabaseFaults::DeskProcess remover({number});
        VERIFY_RAN(remover.Start());
        QTRY_VERIFY_WITH_TIMEOUT(tableThere("tbl_FoodOrderGone_" + number), 10000);

        QTest::mouseClick(details->Command1, Qt::LeftButton);
        QCOMPARE(details->ItemsLV->ListItems().Count(), 0);
        for (QLineEdit* amount :
             {details->txtTotalAmount, details->txtTax, details->txtAmoutWithTax})
            QCOMPARE(amount->text(), QString());
        QTest::mouseClick(details->Command3, Qt::LeftButton);
        QVERIFY(!LoadedInstance<frmFoodTxtView>());
        const QString underway = "The removal of order " + number +
                                 " is being finished at another front desk, so its items are not "
                                 "shown. Please press Refresh in a moment.";
        QCOMPARE(Messages(), (QStringList{underway, underway}));

        holder.Finish();
        VERIFY_RAN(remover.Finish());
        QTest::mouseClick(details->Command1, Qt::LeftButton);
        QCOMPARE(TestSupport::RowsOf(details->OrderLV, 1), QStringList{""});
        QCOMPARE(Messages(), (QStringList{underway, underway}));
        QVERIFY(!frmErrorReport::Instance());
        QCOMPARE(orderTables(), QStringList{});
        QVERIFY(!tableThere("tbl_FoodOrderGone_" + number));
    }

    // Cut short after its item table was made: the next save leaves no stray table.
    void saveCutShortLeavesNoTableAfterTheNextSave() {
        QVERIFY(FoodOrderStore::SaveOrder(anOrder(QStringLiteral("101010101010"))));
        killWhileWaiting(
            QStringLiteral("UPDATE tbl_revenueStats SET tFoodOrders = tFoodOrders"),
            [&] { QVERIFY(!FoodOrderStore::SaveOrder(anOrder(QStringLiteral("202020202020")))); });
        QCOMPARE(orderTables(), QStringList({QStringLiteral("tbl_FoodOrder_101010101010"),
                                             QStringLiteral("tbl_FoodOrder_202020202020")}));
        QVERIFY(FoodOrderStore::SaveOrder(anOrder(QStringLiteral("303030303030"))));
        QCOMPARE(orderTables(), QStringList({QStringLiteral("tbl_FoodOrder_101010101010"),
                                             QStringLiteral("tbl_FoodOrder_303030303030")}));
        QCOMPARE(countOf(QStringLiteral("SELECT COUNT(*) FROM tbl_FoodOrders")), 2);
        QVERIFY(!frmErrorReport::Instance());
    }

    // Cut short at each step that can wait: the order is there whole after the next save, or
    // gone whole.
    void removalCutShortIsWholeAfterTheNextSave_data() {
        QTest::addColumn<QString>("lock");
        QTest::newRow("setting the items aside")
            << "SELECT COUNT(*) FROM tbl_FoodOrder_101010101010";
        QTest::newRow("deleting the row")
            << "UPDATE tbl_FoodOrders SET Status = Status WHERE FoodOrderID = '101010101010'";
    }
    void removalCutShortIsWholeAfterTheNextSave() {
        QFETCH(QString, lock);
        QVERIFY(FoodOrderStore::SaveOrder(anOrder(QStringLiteral("101010101010"))));
        killWhileWaiting(
            lock, [&] { QVERIFY(!FoodOrderStore::RemoveOrder(QStringLiteral("101010101010"))); });
        QVERIFY(FoodOrderStore::SaveOrder(anOrder(QStringLiteral("303030303030"))));
        QCOMPARE(orderTables(), QStringList({QStringLiteral("tbl_FoodOrder_101010101010"),
                                             QStringLiteral("tbl_FoodOrder_303030303030")}));
        QCOMPARE(countOf(QStringLiteral("SELECT COUNT(*) FROM tbl_FoodOrders WHERE FoodOrderID "
                                        "= '101010101010'")),
                 1);
        QCOMPARE(countOf(QStringLiteral("SELECT COUNT(*) FROM tbl_FoodOrder_101010101010")), 1);
        // And it can be removed whole now.
        QVERIFY(FoodOrderStore::RemoveOrder(QStringLiteral("101010101010")));
        QCOMPARE(orderTables(), QStringList({QStringLiteral("tbl_FoodOrder_303030303030")}));
    }
};

STAYMARK_TEST_MAIN_WITH_DESK(TestFoodOrderServerFaults, removeOrderAtAnotherDesk)
#include "tst_FoodOrderServerFaults.moc"
