#include "core/frmErrorReport.h"
#include "tests/core/DatabaseFaults.h"
#include "tests/core/PrivateMariaDb.h"
#include "tests/reservations/BookingWindowFixture.h"

#include <memory>

using TestSupport::Backend;

namespace {

int countOf(const QString& accessSql) {
    return DatabaseFaults::QueryOnAFreshConnection(Backend::MariaDB, accessSql).Fields(0).toInt();
}

} // namespace

// The booking window on a MariaDB server that goes away and comes back.
class TestServerFaults : public BookingWindowFixture {
    Q_OBJECT

    std::unique_ptr<PrivateMariaDb> server;

    void initTest() override {
        LogIn();
        QVERIFY(GlobalLogin::IsLoggedIn);
        QVERIFY(OpenBooking());
    }

    void submitBooking(const QString& first, const QString& last, const QString& roomId) {
        frmBooking* form = LoadedInstance<frmBooking>();
        form->txtFName->setText(first);
        form->txtLName->setText(last);
        form->comboStatus->setCurrentText(QStringLiteral("Confirmed"));
        AddRoom(form, roomId);
        QTest::mouseClick(form->Command5, Qt::LeftButton);
    }

    // No booking is ever half-kept: every table counts each booking once.
    void verifyEveryCountAgrees(int bookings) {
        QCOMPARE(countOf(QStringLiteral("SELECT COUNT(*) FROM tbl_customers")), bookings);
        QCOMPARE(countOf(QStringLiteral("SELECT COUNT(*) FROM room_101")) +
                     countOf(QStringLiteral("SELECT COUNT(*) FROM room_102")) +
                     countOf(QStringLiteral("SELECT COUNT(*) FROM room_103")),
                 bookings);
        QCOMPARE(countOf(QStringLiteral("SELECT tBookings FROM tbl_revenueStats")), bookings);
        QCOMPARE(
            countOf(QStringLiteral("SELECT COUNT(*) FROM tbl_logTable WHERE LogKey = 'Bookings'")),
            bookings);
        const Recordset revenue = DatabaseFaults::QueryOnAFreshConnection(
            Backend::MariaDB, QStringLiteral("SELECT tRevenue FROM tbl_revenueStats"));
        const Recordset totals = DatabaseFaults::QueryOnAFreshConnection(
            Backend::MariaDB,
            QStringLiteral("SELECT SUM(cGrandTotal) AS total FROM tbl_customers"));
        QCOMPARE(revenue.Money(QStringLiteral("tRevenue")), totals.Money(QStringLiteral("total")));
    }

    QString lastTitle() const { return Dialogs::Testing::Record().last().title; }

private slots:
    // Every test of this class runs on the server it starts here, whatever the run asks for.
    void initTestCase() {
        server = std::make_unique<PrivateMariaDb>();
        const QString error = server->StartAsTheTestServer();
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    void cleanupTestCase() { server.reset(); }

    void bookingAfterTheServerCameBackGoesInWithoutAWord() {
        submitBooking(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("101"));
        QCOMPARE(lastTitle(), QStringLiteral("Customer Added"));
        server->Kill();
        const QString error = server->Restart();
        QVERIFY2(error.isEmpty(), qPrintable(error));

        const qsizetype before = Dialogs::Testing::Record().size();
        submitBooking(QStringLiteral("Bo"), QStringLiteral("Li"), QStringLiteral("102"));
        QCOMPARE(Dialogs::Testing::Record().size(), before + 1);
        QCOMPARE(lastTitle(), QStringLiteral("Customer Added"));
        QVERIFY(!frmErrorReport::Instance());
        verifyEveryCountAgrees(2);
    }

    void serverStillAwayOpensTheLocateToolOnceAndKeepsTheBooking() {
        server->Kill();
        const qsizetype before = Dialogs::Testing::Record().size();
        Dialogs::Testing::CloseNextModal();
        submitBooking(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("101"));
        QCOMPARE(Dialogs::Testing::Record().size(), before + 1);
        QCOMPARE(Dialogs::Testing::Record().last().text, QStringLiteral("frmDBLocateTool"));
        QVERIFY(!frmErrorReport::Instance());
        frmBooking* form = LoadedInstance<frmBooking>();
        QCOMPARE(form->txtFName->text(), QStringLiteral("Ann"));
        QCOMPARE(form->ListView2->ListItems().Count(), 1);

        const QString error = server->Restart();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QTest::mouseClick(form->Command5, Qt::LeftButton);
        QCOMPARE(lastTitle(), QStringLiteral("Customer Added"));
        verifyEveryCountAgrees(1);
    }
};

STAYMARK_TEST_MAIN(TestServerFaults)
#include "tst_ServerFaults.moc"
