#include "administration/FoodCatalogueStore.h"
#include "core/CCrypto.h"
#include "core/CIniFile.h"
#include "core/ErrorReport.h"
#include "core/theDBworks.h"
#include "food_orders/frmFoodingBook.h"
#include "reservations/BookingStore.h"
#include "tests/administration/AdminWindowFixture.h"
#include "tests/core/PrivateMariaDb.h"

#include <QComboBox>
#include <QTreeWidget>

#include <memory>

namespace {

enum class Change { RoomAdd, RoomRemoval, FoodOrder };

const QDate kToday(2026, 12, 10);

QString accountName() {
    return QStringLiteral("rows_only");
}

void setSetting(const QString& key, const QString& value) {
    WriteConfigValue(QStringLiteral("settings"), key, value);
}

} // namespace

Q_DECLARE_METATYPE(Change)

// A front desk, on a server of the test's own, whose account may read and write rows but not make,
// change or remove tables, as a cautious administrator sets one up: a change that needs a table
// says so in words, once, and leaves nothing half done.
class TestServerRights : public AdminWindowFixture {
    Q_OBJECT

    std::unique_ptr<PrivateMariaDb> server;
    QString customer;

    // The account for the rows alone, and the program connected through it.
    QString connectWithRowsOnly() {
        const QString database = theDBworks::SQLDatabaseName;
        for (const char* host : {"127.0.0.1", "localhost"}) {
            const QString account = QStringLiteral("'%1'@'%2'").arg(accountName(), host);
            for (const QString& statement :
                 {QStringLiteral("DROP USER IF EXISTS %1").arg(account),
                  QStringLiteral("CREATE USER %1 IDENTIFIED BY 'rows'").arg(account),
                  QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON %1.* TO %2")
                      .arg(database, account)}) {
                const QString error = server->RunAsAdministrator(statement);
                if (!error.isEmpty())
                    return error;
            }
        }
        setSetting(QStringLiteral("SQLUserName"), EncryptSecret(accountName()));
        setSetting(QStringLiteral("SQLPassWord"), EncryptSecret(QStringLiteral("rows")));
        try {
            theDBworks::OpenConnection();
        } catch (const std::exception& error) {
            return DescriptionOf(error);
        }
        return {};
    }

    void initTest() override {
        VERIFY_RAN(AddRooms({{"101", "Garden", "Twin Bed", "80"}}));
        QVERIFY(FoodCatalogueStore::AddCategory(QStringLiteral("Drinks")));
        QVERIFY(FoodCatalogueStore::AddItem(QStringLiteral("Tea"),
                                            Currency::FromText(QStringLiteral("2.5"), QLocale::c()),
                                            QStringLiteral("hot"), 1));
        BookingRecord stay;
        stay.title = QStringLiteral("Mrs.");
        stay.firstName = QStringLiteral("Ann");
        stay.lastName = QStringLiteral("Lee");
        stay.arrival = kToday;
        stay.departure = kToday.addDays(1);
        stay.days = 1;
        stay.status = QStringLiteral("Checked In");
        QVERIFY(BookingStore::SaveBooking(stay, kToday));
        customer = stay.uniqueNo;
        VERIFY_RAN(connectWithRowsOnly());
        OpenAdmin();
        Dialogs::Testing::Reset();
    }

    QStringList tables() {
        return StoredRows(*db,
                          QStringLiteral("SELECT table_name FROM information_schema.tables WHERE "
                                         "table_schema = DATABASE() ORDER BY table_name"),
                          {QStringLiteral("table_name")});
    }

    void make(Change change) {
        switch (change) {
        case Change::RoomAdd:
            AddRoomOnPage("104", "Sea view", "Twin Bed", "90");
            break;
        case Change::RoomRemoval:
            ClickRow(Rooms()->listRoomView, "101", Qt::LeftButton);
            Dialogs::Testing::AnswerNextQuestion(true);
            QTest::mouseClick(Rooms()->cmdRemoveRoom, Qt::LeftButton);
            break;
        case Change::FoodOrder: {
            frmFoodingBook::ShowForCustomer(customer);
            frmFoodingBook* form = LoadedInstance<frmFoodingBook>();
            QVERIFY(form);
            const QList<QTreeWidgetItem*> tea = form->TreeView1->findItems(
                QStringLiteral("Tea"), Qt::MatchExactly | Qt::MatchRecursive);
            QCOMPARE(tea.size(), 1);
            form->TreeView1->setCurrentItem(tea.first());
            QTest::mouseClick(form->Command1, Qt::LeftButton);
            form->Combo1->setCurrentText(QStringLiteral("Due"));
            Dialogs::Testing::AnswerNextQuestion(true);
            QTest::keyClick(form->txtTotalAmount, Qt::Key_Return);
            break;
        }
        }
    }

private slots:
    void initTestCase() {
        server = std::make_unique<PrivateMariaDb>();
        const QString error = server->StartAsTheTestServer();
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    void cleanupTestCase() { server.reset(); }

    void aChangeTheAccountMayNotMakeIsToldInWordsAndLeavesNothing_data() {
        QTest::addColumn<Change>("change");
        QTest::newRow("room added") << Change::RoomAdd;
        QTest::newRow("room removed") << Change::RoomRemoval;
        QTest::newRow("food order saved") << Change::FoodOrder;
    }
    void aChangeTheAccountMayNotMakeIsToldInWordsAndLeavesNothing() {
        QFETCH(Change, change);
        const QStringList tablesBefore = tables();
        const QStringList logBefore = LogRows();
        make(change);
        QStringList told;
        for (const Dialogs::Shown& shown : Dialogs::Testing::Record())
            if (shown.kind == QLatin1String("message") || shown.kind == QLatin1String("modal"))
                told << shown.text;
        QCOMPARE(told, QStringList{
                           QStringLiteral("The server account '%1' may not make, change or remove "
                                          "tables in the database '%2', so nothing was saved. Ask "
                                          "the server's administrator to grant this account the "
                                          "CREATE, DROP, ALTER and LOCK TABLES rights on that "
                                          "database.")
                               .arg(accountName(), theDBworks::SQLDatabaseName)});
        QVERIFY(!frmErrorReport::Instance());
        QCOMPARE(StoredRows(*db, QStringLiteral("SELECT RoomNameID FROM tbl_Rooms"),
                            {QStringLiteral("RoomNameID")}),
                 QStringList{"101"});
        QCOMPARE(db->Count(QStringLiteral("tbl_FoodOrders")), 0);
        QCOMPARE(tables(), tablesBefore);
        QCOMPARE(LogRows(), logBefore);
    }
};

STAYMARK_TEST_MAIN(TestServerRights)
#include "tst_ServerRights.moc"
