#include "tests/administration/AdminWindowFixture.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

// A machine on which the password cipher cannot be loaded: no account is made without its
// enciphered password.
class TestAccountCipherFailure : public AdminWindowFixture {
    Q_OBJECT

    QTemporaryDir noCipherModules;

    // No account can be made to log in with.
    bool startsLoggedIn() const override { return false; }

    void initTest() override {
        GlobalLogin::IsLoggedIn = true;
        GlobalLogin::LoggedUserName = QStringLiteral("admin");
        GlobalLogin::PrivModifySettings = 1;
    }

private slots:
    void initTestCase() {
        // Before the program's first encryption: the cipher's module is looked for here.
        QVERIFY(noCipherModules.isValid());
        qputenv("OPENSSL_MODULES", QFile::encodeName(noCipherModules.path()));
    }

    void anAccountWhosePasswordCannotBeEncipheredIsNotMade() {
        OpenAdmin();
        AdminUsersPage* page = Users();
        page->txtUserName->setText(QStringLiteral("clerk"));
        page->txtPassWord->setText(QStringLiteral("secret"));
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(page->Command1, Qt::LeftButton);
        QCOMPARE(db->Count(QStringLiteral("tbl_users")), 0);
        QVERIFY(LogRows().isEmpty());
        QVERIFY(ReportShown().startsWith(QStringLiteral("Error Code : ENDN")));
        const Dialogs::Shown& told = Dialogs::Testing::Record().last();
        QCOMPARE(told.text, QStringLiteral("The account was not created: its password could not "
                                           "be enciphered."));
        QCOMPARE(told.icon, Dialogs::Icon::Critical);
        QCOMPARE(page->UserList->ListItems().Count(), 0);
    }
};

STAYMARK_TEST_MAIN(TestAccountCipherFailure)
#include "tst_AccountCipherFailure.moc"
