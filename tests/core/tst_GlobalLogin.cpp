#include "core/ErrorReport.h"
#include "core/Errors.h"
#include "core/GlobalLogin.h"
#include "core/theDBworks.h"
#include "tests/support/DataTest.h"

#include <QTest>

namespace Login = GlobalLogin;

class TestGlobalLogin : public TestSupport::DatabaseTest {
    Q_OBJECT

    int logRows(const QString& where) { return db->Count(QStringLiteral("tbl_logTable"), where); }

    void initTest() override {
        VERIFY_RAN(db->AddUser(QStringLiteral("admin"), QStringLiteral("pw"),
                               QStringLiteral("1,0,1,0,1")));
    }

private slots:
    void loginNeedsTheExactNameAndPassword_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("matches");
        QTest::newRow("exact") << "admin"
                               << "pw" << true;
        QTest::newRow("other letter case") << "Admin"
                                           << "pw" << false;
        // Names are stored without the blanks around them, and compared so.
        QTest::newRow("leading blank") << " admin"
                                       << "pw" << true;
        QTest::newRow("trailing blank") << "admin "
                                        << "pw" << true;
        QTest::newRow("blank inside") << "ad min"
                                      << "pw" << false;
        QTest::newRow("wrong password") << "admin"
                                        << "PW" << false;
        QTest::newRow("unknown user") << "nobody"
                                      << "pw" << false;
        QTest::newRow("apostrophe in the name") << "O'Brien"
                                                << "x" << true;
    }
    void loginNeedsTheExactNameAndPassword() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, matches);
        VERIFY_RAN(db->AddUser(QStringLiteral("O'Brien"), QStringLiteral("x"),
                               QStringLiteral("0,0,0,0,0")));
        QCOMPARE(Login::LogInUser(name, password), matches);
        QCOMPARE(Login::LoginSucceeded, matches);
        QCOMPARE(Login::CheckUserPassword(name, password), matches);
        QCOMPARE(logRows(QStringLiteral("LogKey = 'LoginLogout'")), matches ? 1 : 0);
        QCOMPARE(ErrMsg, QString());
    }

    void loginLoadsPrivilegesOrderSignAndWritesTheRow() {
        VERIFY_RAN(db->Run(QStringLiteral("UPDATE tbl_HotelInfo SET AddOrderSign = 1")));
        QVERIFY(Login::LogInUser(QStringLiteral("admin"), QStringLiteral("pw")));
        QCOMPARE(Login::LoggedUserName, QStringLiteral("admin"));
        QCOMPARE(Login::PrivModifySettings, 1);
        QCOMPARE(Login::PrivRoomList, 0);
        QCOMPARE(Login::PrivModifyTax, 1);
        QCOMPARE(Login::PrivViewReport, 0);
        QCOMPARE(Login::PrivCustomerViewEdit, 1);
        QCOMPARE(Login::OrderSign, QStringLiteral("#"));
        QCOMPARE(
            logRows(QStringLiteral("LogText = 'User Logged in : admin' AND LoggedUser = 'admin' "
                                   "AND LogKey = 'LoginLogout'")),
            1);
    }

    void failedLoginChangesNothing() {
        QVERIFY(Login::LogInUser(QStringLiteral("admin"), QStringLiteral("pw")));
        VERIFY_RAN(
            db->AddUser(QStringLiteral("clerk"), QStringLiteral("c"), QStringLiteral("0,1,0,1,0")));
        QVERIFY(!Login::LogInUser(QStringLiteral("clerk"), QStringLiteral("wrong")));
        QCOMPARE(Login::LoggedUserName, QStringLiteral("admin"));
        QCOMPARE(Login::PrivRoomList, 0);
        QCOMPARE(logRows({}), 1);
    }

    void reloadLoadsWithoutLogRowAndReportsAMissingRow() {
        VERIFY_RAN(db->Run(QStringLiteral("UPDATE tbl_HotelInfo SET AddOrderSign = 1")));
        Login::ReloadUser(QStringLiteral("admin"), QStringLiteral("pw"));
        QCOMPARE(Login::LoggedUserName, QStringLiteral("admin"));
        QCOMPARE(Login::PrivModifyTax, 1);
        QCOMPARE(Login::OrderSign, QString());
        QCOMPARE(logRows({}), 0);
        Login::ReloadUser(QStringLiteral("ghost"), QStringLiteral("pw"));
        QVERIFY(ErrMsg.startsWith(QStringLiteral("Error Code : GL0003\r\n")));
        QVERIFY(TestSupport::Reported().contains(ErrMsg));
    }

    void checkReportsAFailingQueryAndSaysNo() {
        VERIFY_RAN(db->Run(QStringLiteral("DROP TABLE tbl_users")));
        QVERIFY(!Login::CheckUserPassword(QStringLiteral("admin"), QStringLiteral("pw")));
        QVERIFY(ErrMsg.startsWith(QStringLiteral("Error Code : GL0003\r\n")));
        QCOMPARE(LastSQL, QStringLiteral("SELECT * FROM tbl_users WHERE cusername = 'admin'"));
    }

    void orderSignFollowsTheHotelInformation_data() {
        QTest::addColumn<int>("addOrderSign");
        QTest::addColumn<QString>("sign");
        QTest::newRow("on") << 1 << "#";
        QTest::newRow("off") << 0 << "";
        QTest::newRow("a stored -1 shows no sign") << -1 << "";
    }
    void orderSignFollowsTheHotelInformation() {
        QFETCH(int, addOrderSign);
        QFETCH(QString, sign);
        VERIFY_RAN(db->Run(
            QStringLiteral("UPDATE tbl_HotelInfo SET AddOrderSign = %1").arg(addOrderSign)));
        Login::LoadHotelInfo();
        QCOMPARE(Login::OrderSign, sign);
    }

    void missingHotelRowKeepsTheSign() {
        Login::OrderSign = QStringLiteral("#");
        VERIFY_RAN(db->Run(QStringLiteral("DELETE FROM tbl_HotelInfo")));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, Login::LoadHotelInfo());
        QCOMPARE(Login::OrderSign, QStringLiteral("#"));
    }

    void texts() {
        QCOMPARE(Login::CleanText(QStringLiteral("O'Neil #12")), QStringLiteral("ONeil 12"));
        QCOMPARE(Login::NoPrivilegeMsg(),
                 QStringLiteral("You do not have sufficient privileges to access this section. "));
    }

    void logRowKeepsApostrophesAsTyped() {
        Login::LoggedUserName = QStringLiteral("O'Brien");
        QVERIFY(Login::WriteLog(QStringLiteral("User Logged Out : O'Brien"),
                                QStringLiteral("LoginLogout")));
        Recordset row = db->Query(QStringLiteral("SELECT * FROM tbl_logTable"));
        QCOMPARE(row.Text(QStringLiteral("LogText")), QStringLiteral("User Logged Out : O'Brien"));
        QCOMPARE(row.Text(QStringLiteral("LoggedUser")), QStringLiteral("O'Brien"));
        QCOMPARE(row.Text(QStringLiteral("LogKey")), QStringLiteral("LoginLogout"));
    }
};

STAYMARK_DATA_TEST_MAIN(TestGlobalLogin)
#include "tst_GlobalLogin.moc"
