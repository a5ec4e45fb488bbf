#include "tests/support/MainWindowFixture.h"

#include "administration/AdminUsersPage.h"
#include "administration/frmAdminArea.h"
#include "core/ErrorReport.h"
#include "core/ModifyPassword.h"
#include "core/frmErrorReport.h"

#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

using TestSupport::LastMessage;
using TestSupport::PasteInto;
using TestSupport::ShownBalloon;
using TestSupport::Write;

class TestLoginWindows : public MainWindowFixture {
    Q_OBJECT

    frmLogInOut* openLogin() {
        triggerAction(QStringLiteral("mnuLoginLogOut"));
        return LoadedInstance<frmLogInOut>();
    }

private slots:
    void firstRunMakesTheMasterAccount() {
        frmLogInOut* login = openLogin();
        QCOMPARE(login->windowTitle(), QStringLiteral("Create Master Account"));
        QCOMPARE(login->Frame1->title(), QStringLiteral("Creat a New Account"));
        QCOMPARE(login->Command1->text(), QStringLiteral("Create"));
        QCOMPARE(login->loginLabel->text(), QStringLiteral("Master Account does not exist! Please "
                                                           "create a new master login account."));
        QVERIFY(login->Image2->isVisibleTo(login) && !login->Image1->isVisibleTo(login));

        TypeLogin(QStringLiteral("admin"), QStringLiteral("s3cret"));
        Recordset user = db->Query(QStringLiteral("SELECT * FROM tbl_users"));
        QCOMPARE(user.RecordCount(), 1);
        for (const char* column : {"cmodifysettings", "croomlist", "cmodifytax", "canViewReport",
                                   "ccustomerviewedit", "cusertype"})
            QCOMPARE(user.Fields(QString::fromLatin1(column)).toInt(), 1);
        QCOMPARE(user.Text(QStringLiteral("cpassword")),
                 GlobalLogin::EncryptPassword(QStringLiteral("s3cret")));
        QCOMPARE(LastMessage(),
                 QStringLiteral("Master account created. You are now logged in as admin"));
        QVERIFY(GlobalLogin::IsLoggedIn);
        QCOMPARE(GlobalLogin::LoggedUserName, QStringLiteral("admin"));
        QCOMPARE(GlobalLogin::PrivModifySettings, 1);
        QCOMPARE(loginPanel()->text(), QStringLiteral("Logged In as admin"));
        QCOMPARE(loginCommand()->text(), QStringLiteral("Log Out"));
        QCOMPARE(db->Count(QStringLiteral("tbl_logTable")), 0);
        QTRY_VERIFY(!LoadedInstance<frmLogInOut>());

        GlobalLogin::IsLoggedIn = false;
        login = openLogin();
        QCOMPARE(login->windowTitle(), QStringLiteral("Login"));
        QCOMPARE(login->Command1->text(), QStringLiteral("Login"));
        QVERIFY(login->Image1->isVisibleTo(login) && !login->Image2->isVisibleTo(login));
    }

    // A password that is to be stored is held to what fits its column enciphered; the boxes
    // that check a stored password take what any stored account may have.
    void passwordBoxesHoldWhatTheirColumnStores() {
        const QString typed = QString(257, QLatin1Char('p'));
        const QString storable = typed.left(119);
        frmLogInOut* login = openLogin();
        login->txtUserName->setText(QStringLiteral("admin"));
        QTest::keyClicks(login->txtPassWord, typed);
        QCOMPARE(login->txtPassWord->text(), storable);
        QTest::mouseClick(login->Command1, Qt::LeftButton);
        QCOMPARE(LastMessage(),
                 QStringLiteral("Master account created. You are now logged in as admin"));
        QVERIFY(GlobalLogin::CheckUserPassword(QStringLiteral("admin"), storable));
        QTRY_VERIFY(!LoadedInstance<frmLogInOut>());

        ModifyPassword::ShowWindow();
        ModifyPassword* window = LoadedInstance<ModifyPassword>();
        window->txtUserName->setText(QStringLiteral("admin"));
        QTest::keyClicks(window->txtPassWord, storable);
        QTest::keyClicks(window->txtNewPassWord, typed.toUpper());
        QCOMPARE(window->txtNewPassWord->text(), storable.toUpper());
        QTest::mouseClick(window->Command1, Qt::LeftButton);
        QCOMPARE(LastMessage(), QStringLiteral("Password succesfully changed!"));
        QVERIFY(GlobalLogin::CheckUserPassword(QStringLiteral("admin"), storable.toUpper()));

        // Logging in, the box takes as much as a text column holds.
        GlobalLogin::IsLoggedIn = false;
        login = openLogin();
        QTest::keyClicks(login->txtPassWord, typed);
        QCOMPARE(login->txtPassWord->text(), typed.left(255));
    }

    // The master account's name is stored as the accounts page stores names, without the blanks
    // around it, so that the name as typed when it was made logs in, with every privilege.
    void masterAccountLogsInWithTheNameAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("blanks on both sides") << " boss "
                                              << "boss";
        QTest::newRow("a blank after it") << "boss "
                                          << "boss";
        QTest::newRow("no blanks") << "boss"
                                   << "boss";
        QTest::newRow("blanks alone are no name") << "   "
                                                  << "";
    }
    void masterAccountLogsInWithTheNameAsTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        frmLogInOut* login = openLogin();
        TypeLogin(typed, QStringLiteral("s3cret"));
        if (stored.isEmpty()) {
            QCOMPARE(ShownBalloon(login).title, QStringLiteral("Please Enter Username"));
            QCOMPARE(db->Count(QStringLiteral("tbl_users")), 0);
            QVERIFY(!GlobalLogin::IsLoggedIn);
            return;
        }
        QCOMPARE(LastMessage(), "Master account created. You are now logged in as " + stored);
        QCOMPARE(db->Query(QStringLiteral("SELECT cusername FROM tbl_users"))
                     .Text(QStringLiteral("cusername")),
                 stored);
        QCOMPARE(ErrMsg, QString());
        QVERIFY(!frmErrorReport::Instance());
        QCOMPARE(GlobalLogin::LoggedUserName, stored);
        for (int flag : {GlobalLogin::PrivModifySettings, GlobalLogin::PrivRoomList,
                         GlobalLogin::PrivModifyTax, GlobalLogin::PrivCustomerViewEdit,
                         GlobalLogin::PrivViewReport})
            QCOMPARE(flag, 1);
        QCOMPARE(loginPanel()->text(), "Logged In as " + stored);

        QTRY_VERIFY(!LoadedInstance<frmLogInOut>());
        triggerAction(QStringLiteral("mnuLoginLogOut"));
        QCOMPARE(LastMessage(), QStringLiteral("Successfully Logged Out!"));
        QCOMPARE(openLogin()->windowTitle(), QStringLiteral("Login"));
        TypeLogin(typed, QStringLiteral("s3cret"));
        QCOMPARE(LastMessage(), "You are logged in as " + stored);
        QVERIFY(GlobalLogin::IsLoggedIn);
        QCOMPARE(db->Count(QStringLiteral("tbl_logTable"),
                           "LogText = 'User Logged in : " + stored + "'"),
                 1);
    }

    // A pasted password is taken whole or refused whole, with the box's balloon saying why and
    // naming the most it may hold, in every box whose password is stored: the master
    // account's, a new account's and a changed one. What is stored is what the box took, and
    // it logs in.
    void aPastedPasswordIsTakenWholeOrRefused_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("refusal");
        const QString umlaut = QStringLiteral("\u00fc");
        const QString emoji = QStringLiteral("\U0001F600");
        const QString tooLong = QStringLiteral("Password Too Long");
        QTest::newRow("ASCII under the limit") << QString(118, QLatin1Char('p')) << "";
        QTest::newRow("ASCII at the limit") << QString(119, QLatin1Char('p')) << "";
        QTest::newRow("ASCII one over") << QString(120, QLatin1Char('p')) << tooLong;
        QTest::newRow("ASCII far over") << QString(257, QLatin1Char('p')) << tooLong;
        QTest::newRow("umlauts at the limit") << umlaut.repeated(59) << "";
        QTest::newRow("umlauts one over") << umlaut.repeated(60) << tooLong;
        QTest::newRow("emoji under the limit") << emoji.repeated(28) << "";
        QTest::newRow("emoji at the limit") << emoji.repeated(29) << "";
        QTest::newRow("emoji one over") << emoji.repeated(30) << tooLong;
        QTest::newRow("emoji far over") << emoji.repeated(40) << tooLong;
        QTest::newRow("a line with its line break") << "s3cret\n"
                                                    << "Password Not Taken";
        QTest::newRow("two lines") << "s3\r\ncret"
                                   << "Password Not Taken";
    }
    void aPastedPasswordIsTakenWholeOrRefused() {
        QFETCH(QString, pasted);
        QFETCH(QString, refusal);
        const bool taken = refusal.isEmpty();
        // A refused paste leaves the box as it was; the user then types a password.
        const QString password = taken ? pasted : QStringLiteral("typed");
        const auto paste = [&](QWidget* window, QLineEdit* box) {
            PasteInto(box, pasted);
            const TestSupport::Balloon balloon = ShownBalloon(window);
            if (taken) {
                QCOMPARE(box->text(), pasted);
                QVERIFY(!balloon.shown);
                return;
            }
            QCOMPARE(box->text(), QString());
            QCOMPARE(balloon.title, refusal);
            if (refusal == QLatin1String("Password Too Long"))
                QVERIFY2(balloon.text.contains(QLatin1String("at most 119 ")),
                         qPrintable(balloon.text));
            QCOMPARE(balloon.TargetName(), box->objectName());
            QTest::keyClicks(box, password);
        };

        frmLogInOut* login = openLogin();
        login->txtUserName->setText(QStringLiteral("admin"));
        paste(login, login->txtPassWord);
        QTest::mouseClick(login->Command1, Qt::LeftButton);
        QCOMPARE(LastMessage(),
                 QStringLiteral("Master account created. You are now logged in as admin"));
        QVERIFY(GlobalLogin::CheckUserPassword(QStringLiteral("admin"), password));
        // Logged in again with the password pasted as before.
        QTRY_VERIFY(!LoadedInstance<frmLogInOut>());
        triggerAction(QStringLiteral("mnuLoginLogOut"));
        login = openLogin();
        login->txtUserName->setText(QStringLiteral("admin"));
        PasteInto(login->txtPassWord, password);
        QTest::mouseClick(login->Command1, Qt::LeftButton);
        QCOMPARE(LastMessage(), QStringLiteral("You are logged in as admin"));

        triggerAction(QStringLiteral("mnuAdministration"));
        frmAdminArea* admin = LoadedInstance<frmAdminArea>();
        QVERIFY(admin);
        admin->SSTab1->setCurrentIndex(3);
        QApplication::processEvents();
        AdminUsersPage* users = admin->UsersPage;
        users->txtUserName->setText(QStringLiteral("clerk"));
        paste(admin, users->txtPassWord);
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(users->Command1, Qt::LeftButton);
        QCOMPARE(LastMessage(), QStringLiteral("Add new user?"));
        QVERIFY(GlobalLogin::CheckUserPassword(QStringLiteral("clerk"), password));

        VERIFY_RAN(db->AddUser(QStringLiteral("night"), QStringLiteral("old"),
                               QStringLiteral("0,0,0,0,0")));
        ModifyPassword::ShowWindow();
        ModifyPassword* change = LoadedInstance<ModifyPassword>();
        change->txtUserName->setText(QStringLiteral("night"));
        change->txtPassWord->setText(QStringLiteral("old"));
        paste(change, change->txtNewPassWord);
        QTest::mouseClick(change->Command1, Qt::LeftButton);
        QCOMPARE(LastMessage(), QStringLiteral("Password succesfully changed!"));
        QVERIFY(GlobalLogin::CheckUserPassword(QStringLiteral("night"), password));
    }

    void refusedMasterAccountIsNotReportedAsMade() {
        VERIFY_RAN(db->RefuseWrites(QStringLiteral("tbl_users"), Write::Insert));
        frmLogInOut* login = openLogin();
        TypeLogin(QStringLiteral("admin"), QStringLiteral("s3cret"));
        QVERIFY(LastMessage().startsWith(QStringLiteral("Error Code : DB0003\r\n")));
        QVERIFY(!GlobalLogin::IsLoggedIn);
        QVERIFY(login->isVisible());
        QCOMPARE(loginPanel()->text(), QStringLiteral("Not Logged In"));
    }

    void emptyFieldsGetTheirBalloonInOrder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("balloon");
        QTest::newRow("both empty") << ""
                                    << ""
                                    << "Please Enter Username";
        QTest::newRow("name empty") << ""
                                    << "pw"
                                    << "Please Enter Username";
        QTest::newRow("password empty") << "admin"
                                        << ""
                                        << "Please Enter Password";
    }
    void emptyFieldsGetTheirBalloonInOrder() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, balloon);
        VERIFY_RAN(db->AddUser(QStringLiteral("admin"), QStringLiteral("pw"),
                               QStringLiteral("1,1,1,1,1")));
        frmLogInOut* login = openLogin();
        TypeLogin(name, password);
        QCOMPARE(ShownBalloon(login).title, balloon);
        QVERIFY(!GlobalLogin::IsLoggedIn);
        QTest::keyClicks(login->txtPassWord, QStringLiteral("x"));
        QVERIFY(!ShownBalloon(login).shown);
    }

    void wrongPasswordKeepsTheWindowUntilALoginSucceeded() {
        VERIFY_RAN(db->AddUser(QStringLiteral("admin"), QStringLiteral("pw"),
                               QStringLiteral("1,1,1,1,1")));
        frmLogInOut* login = openLogin();
        TypeLogin(QStringLiteral("admin"), QStringLiteral("wrong"));
        const Dialogs::Shown refusal = Dialogs::Testing::Record().last();
        QCOMPARE(refusal.text, QStringLiteral("Username Or Password Don not match"));
        QCOMPARE(refusal.title, QStringLiteral("Wrong Username/Password"));
        QCOMPARE(refusal.icon, Dialogs::Icon::Critical);
        QVERIFY(login->isVisible());
        QVERIFY(!GlobalLogin::IsLoggedIn);

        TypeLogin(QStringLiteral("admin"), QStringLiteral("pw"));
        QCOMPARE(LastMessage(), QStringLiteral("You are logged in as admin"));
        QVERIFY(GlobalLogin::IsLoggedIn);
        QTRY_VERIFY(!LoadedInstance<frmLogInOut>());

        triggerAction(QStringLiteral("mnuLoginLogOut"));
        openLogin();
        TypeLogin(QStringLiteral("Admin"), QStringLiteral("pw"));
        QCOMPARE(LastMessage(), QStringLiteral("Username Or Password Don not match"));
        QTRY_VERIFY(!LoadedInstance<frmLogInOut>());
    }

    // Enter in either field does what the button does, its balloon included.
    void enterInAFieldLogsIn_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("balloon");
        QTest::newRow("in the password") << "txtPassWord"
                                         << "pw"
                                         << "";
        QTest::newRow("in the user name") << "txtUserName"
                                          << "pw"
                                          << "";
        QTest::newRow("no password typed") << "txtUserName"
                                           << ""
                                           << "Please Enter Password";
    }
    void enterInAFieldLogsIn() {
        QFETCH(QString, field);
        QFETCH(QString, password);
        QFETCH(QString, balloon);
        VERIFY_RAN(db->AddUser(QStringLiteral("admin"), QStringLiteral("pw"),
                               QStringLiteral("1,1,1,1,1")));
        frmLogInOut* login = openLogin();
        QTest::keyClicks(login->txtUserName, QStringLiteral("admin"));
        QTest::keyClicks(login->txtPassWord, password);
        QTest::keyClick(TestSupport::control<QLineEdit>(login, field), Qt::Key_Return);
        QCOMPARE(ShownBalloon(login).title, balloon);
        QCOMPARE(GlobalLogin::IsLoggedIn, balloon.isEmpty());
        QCOMPARE(db->Count(QStringLiteral("tbl_logTable"),
                           QStringLiteral("LogText = 'User Logged in : admin'")),
                 balloon.isEmpty() ? 1 : 0);
    }

    void failingQueryIsReportedAndTheWindowStays() {
        VERIFY_RAN(db->AddUser(QStringLiteral("admin"), QStringLiteral("pw"),
                               QStringLiteral("1,1,1,1,1")));
        frmLogInOut* login = openLogin();
        VERIFY_RAN(db->Run(QStringLiteral("DROP TABLE tbl_users")));
        TypeLogin(QStringLiteral("admin"), QStringLiteral("pw"));
        QVERIFY(ErrMsg.startsWith(QStringLiteral("Error Code : FRLOG001\r\n")));
        QVERIFY(frmErrorReport::Instance());
        QVERIFY(!GlobalLogin::IsLoggedIn);
        QVERIFY(login->isVisible());
    }

    void passwordChangeChecksFieldsInOrder() {
        ModifyPassword::ShowWindow();
        ModifyPassword* window = LoadedInstance<ModifyPassword>();
        QTest::mouseClick(window->Command1, Qt::LeftButton);
        QCOMPARE(ShownBalloon(window).title, QStringLiteral("Please Enter Username"));
        window->txtUserName->setText(QStringLiteral("clerk"));
        window->txtPassWord->setText(QStringLiteral("c"));
        QTest::mouseClick(window->Command1, Qt::LeftButton);
        QCOMPARE(ShownBalloon(window).title, QStringLiteral("Please Enter NEW Password"));
        QTest::mouseClick(window->txtNewPassWord, Qt::LeftButton);
        QVERIFY(!ShownBalloon(window).shown);
    }

    // Enter in any field of the password change does what "&Modify" does.
    void enterInThePasswordChangeModifies_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("balloon");
        QTest::addColumn<QString>("message");
        QTest::newRow("in the user name") << "txtUserName"
                                          << "c"
                                          << ""
                                          << "Password succesfully changed!";
        QTest::newRow("in the current password") << "txtPassWord"
                                                 << "c"
                                                 << ""
                                                 << "Password succesfully changed!";
        QTest::newRow("in the new password") << "txtNewPassWord"
                                             << "c"
                                             << ""
                                             << "Password succesfully changed!";
        QTest::newRow("a wrong password") << "txtNewPassWord"
                                          << "x"
                                          << ""
                                          << "Wrong Username or password! Password not changed!";
        QTest::newRow("a field left empty") << "txtUserName"
                                            << ""
                                            << "Please Enter Password"
                                            << "";
    }
    void enterInThePasswordChangeModifies() {
        QFETCH(QString, field);
        QFETCH(QString, current);
        QFETCH(QString, balloon);
        QFETCH(QString, message);
        VERIFY_RAN(
            db->AddUser(QStringLiteral("clerk"), QStringLiteral("c"), QStringLiteral("0,0,0,0,0")));
        ModifyPassword::ShowWindow();
        ModifyPassword* window = LoadedInstance<ModifyPassword>();
        QTest::keyClicks(window->txtUserName, QStringLiteral("clerk"));
        QTest::keyClicks(window->txtPassWord, current);
        QTest::keyClicks(window->txtNewPassWord, QStringLiteral("n3w"));
        QTest::keyClick(TestSupport::control<QLineEdit>(window, field), Qt::Key_Return);
        QCOMPARE(ShownBalloon(window).title, balloon);
        QCOMPARE(LastMessage(), message);
        QCOMPARE(GlobalLogin::CheckUserPassword(QStringLiteral("clerk"), QStringLiteral("n3w")),
                 message == QLatin1String("Password succesfully changed!"));
    }

    void passwordChangeNeedsTheExactNameAndCurrentPassword_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("changed");
        QTest::newRow("another account's password") << "clerk"
                                                    << "c" << true;
        QTest::newRow("wrong password") << "clerk"
                                        << "x" << false;
        QTest::newRow("name in other case") << "Clerk"
                                            << "c" << false;
    }
    void passwordChangeNeedsTheExactNameAndCurrentPassword() {
        QFETCH(QString, name);
        QFETCH(QString, current);
        QFETCH(bool, changed);
        VERIFY_RAN(db->AddUser(QStringLiteral("admin"), QStringLiteral("pw"),
                               QStringLiteral("1,1,1,1,1")));
        VERIFY_RAN(
            db->AddUser(QStringLiteral("clerk"), QStringLiteral("c"), QStringLiteral("0,0,0,0,0")));
        ModifyPassword::ShowWindow();
        ModifyPassword* window = LoadedInstance<ModifyPassword>();
        window->txtUserName->setText(name);
        window->txtPassWord->setText(current);
        window->txtNewPassWord->setText(QStringLiteral("n3w"));
        QTest::mouseClick(window->Command1, Qt::LeftButton);
        const Dialogs::Shown shown = Dialogs::Testing::Record().last();
        const QString stored =
            db->Query(QStringLiteral("SELECT cpassword FROM tbl_users WHERE cusername = 'clerk'"))
                .Text(QStringLiteral("cpassword"));
        if (changed) {
            QCOMPARE(shown.text, QStringLiteral("Password succesfully changed!"));
            QCOMPARE(shown.title, QStringLiteral("Password changed"));
            QCOMPARE(stored, GlobalLogin::EncryptPassword(QStringLiteral("n3w")));
            QTRY_VERIFY(!LoadedInstance<ModifyPassword>());
        } else {
            QCOMPARE(shown.text,
                     QStringLiteral("Wrong Username or password! Password not changed!"));
            QCOMPARE(shown.icon, Dialogs::Icon::Critical);
            QCOMPARE(stored, GlobalLogin::EncryptPassword(QStringLiteral("c")));
            QVERIFY(window->isVisible());
        }
        QVERIFY(GlobalLogin::CheckUserPassword(QStringLiteral("admin"), QStringLiteral("pw")));
    }
};

STAYMARK_TEST_MAIN(TestLoginWindows)
#include "tst_LoginWindows.moc"
