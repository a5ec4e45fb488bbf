#include "core/ui/ExtLV.h"
#include "reports/frmLog.h"
#include "reservations/frmCustomers.h"
#include "tests/core/PrivateMariaDb.h"
#include "tests/reports/ReportFixture.h"

#include <QElapsedTimer>

#include <chrono>
#include <csignal>
#include <memory>
#include <thread>

// The long lists on a MariaDB server that goes away while they fill: a list is whole, or the
// user is told; never silently empty or cut short.
class TestListFillServerFaults : public ReportFixture {
    Q_OBJECT

    std::unique_ptr<PrivateMariaDb> server;

    // Doubles the table's one row until it holds 2^times rows.
    void doubleRows(const QString& table, const QString& columns, int times) {
        for (int i = 0; i < times; ++i)
            VERIFY_RAN(db->Run(
                QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %1").arg(table, columns)));
    }

    // Fills the list once undisturbed, then again with the server killed a tenth of the way
    // into that time: the list is whole or the locate tool told the user, and a fill with the
    // server gone tells. Once the server is back, the next fill is whole.
    void verifyFillSurvivesTheKill(ExtLV* list, int rows, const std::function<void()>& fill) {
        QElapsedTimer clock;
        clock.start();
        fill();
        const auto undisturbed = std::chrono::milliseconds(clock.elapsed());
        QCOMPARE(list->ListItems().Count(), rows);

        const qsizetype before = Dialogs::Testing::Record().size();
        Dialogs::Testing::CloseNextModal();
        const auto pid = pid_t(server->ProcessId());
        std::thread killer([pid, undisturbed] {
            std::this_thread::sleep_for(undisturbed / 10);
            ::kill(pid, SIGKILL);
        });
        fill();
        killer.join();
        const auto told = [before] {
            return Dialogs::Testing::Record().size() > before &&
                   Dialogs::Testing::Record().last().text == QLatin1String("frmDBLocateTool");
        };
        QVERIFY2(told() || list->ListItems().Count() == rows,
                 qPrintable(QStringLiteral("%1 of %2 rows and nothing said")
                                .arg(list->ListItems().Count())
                                .arg(rows)));
        // A kill that came after the rows had arrived left the list whole; the next fill meets
        // the server gone.
        if (!told()) {
            fill();
            QVERIFY2(told(), "a fill with the server gone said nothing");
        }

        server->Kill();
        const QString error = server->Restart();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        fill();
        QCOMPARE(list->ListItems().Count(), rows);
    }

private slots:
    void initTestCase() {
        server = std::make_unique<PrivateMariaDb>();
        const QString error = server->StartAsTheTestServer();
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    void cleanupTestCase() { server.reset(); }

    void logViewerFillsWholeOrTells() {
        VERIFY_RAN(db->Run(QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) "
                                          "VALUES ('User Logged in : admin', 'admin', "
                                          "'LoginLogout')")));
        doubleRows(QStringLiteral("tbl_logTable"), QStringLiteral("LogText, LoggedUser, LogKey"),
                   18);
        frmLog* form = Open<frmLog>(QStringLiteral("mnuLog"));
        QVERIFY(form);
        verifyFillSurvivesTheKill(form->logList, 1 << 18, [form] { form->LoadLogList(); });
    }

    void customerListFillsWholeOrTells() {
        VERIFY_RAN(db->Run(QStringLiteral("INSERT INTO tbl_customers (cTitle, cFirstName, "
                                          "cLastName, cUniqueNo, cStatus) VALUES ('Mr.', 'John', "
                                          "'Smith', 'JSABCDEF', 'Confirmed')")));
        doubleRows(QStringLiteral("tbl_customers"),
                   QStringLiteral("cTitle, cFirstName, cLastName, cUniqueNo, cStatus"), 16);
        frmCustomers::ShowWindow();
        frmCustomers* form = LoadedInstance<frmCustomers>();
        QVERIFY(form);
        verifyFillSurvivesTheKill(form->customerList, 1 << 16, [form] { form->RoomListShow(); });
    }
};

STAYMARK_TEST_MAIN(TestListFillServerFaults)
#include "tst_ListFillServerFaults.moc"
