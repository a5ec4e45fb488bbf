#include "FoodOrderFixture.h"

#include "core/frmErrorReport.h"
#include "food_orders/FoodOrderStore.h"
#include "tests/core/DatabaseFaults.h"
#include "tests/core/PrivateMariaDb.h"
#include "tests/core/StatementTrap.h"

#include <QSqlDatabase>

#include <chrono>
#include <csignal>
#include <memory>
#include <thread>

using namespace std::chrono_literals;
using TestSupport::Backend;
using TestSupport::Messages;

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

    void restartServer() {
        server->Kill();
        const QString error = server->Restart();
        QVERIFY2(error.isEmpty(), qPrintable(error));
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

STAYMARK_TEST_MAIN(TestFoodOrderServerFaults)
#include "tst_FoodOrderServerFaults.moc"
