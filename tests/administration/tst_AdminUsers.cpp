#include "administration/UserEditFloat.h"
#include "core/SqlLiteral.h"
#include "tests/administration/AdminWindowFixture.h"
#include "tests/support/ListLayouts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <optional>

using TestSupport::Messages;
using TestSupport::Write;

// The user accounts page and the privilege editor, driven through their controls.
class TestAdminUsers : public AdminWindowFixture {
    Q_OBJECT

    // Each account as "name|cmodifysettings|croomlist|cmodifytax|ccustomerviewedit|
    // canViewReport|cusertype", in the order they were made.
    QStringList storedAccounts() const {
        return StoredRows(*db, QStringLiteral("SELECT * FROM tbl_users ORDER BY ID"),
                          {"cusername", "cmodifysettings", "croomlist", "cmodifytax",
                           "ccustomerviewedit", "canViewReport", "cusertype"});
    }

    QString storedPassword(const QString& name) const {
        Recordset row = db->Query("SELECT cpassword FROM tbl_users WHERE cusername = " +
                                  SqlLiteral::Text(name));
        return row.AtEOF() ? QString() : row.Text("cpassword");
    }

    AdminUsersPage* openUsers() {
        OpenAdmin()->SSTab1->setCurrentIndex(3);
        QApplication::processEvents();
        return Users();
    }

    // Types the account, ticks the boxes given as five "0"/"1" flags, presses Add and answers
    // the question, unless no question is to be asked.
    static void addAccount(AdminUsersPage* page, const QString& name, const QString& password,
                           const QString& flags, std::optional<bool> answer = true) {
        page->txtUserName->setText(name);
        page->txtPassWord->setText(password);
        const QList<QCheckBox*> boxes{page->CheckModifySettings, page->CheckCanViewRoomList,
                                      page->CheckCanAddModifyTax,
                                      page->CheckCanViewEditCustomreList, page->canViewReport};
        for (int i = 0; i < boxes.size(); ++i)
            boxes[i]->setChecked(flags.at(i) == QLatin1Char('1'));
        if (answer)
            Dialogs::Testing::AnswerNextQuestion(*answer);
        QTest::mouseClick(page->Command1, Qt::LeftButton);
    }

    QString addMaster() const {
        return db->Run(
            "INSERT INTO tbl_users (cusername, cpassword, cmodifysettings, croomlist, cmodifytax, "
            "canViewReport, ccustomerviewedit, cusertype) VALUES ('boss', 'X', 1, 1, 1, 1, 1, 1)");
    }

    // Opens the privilege editor on the account from the list's menu; `inside` runs while it is
    // open. True when the editor was still open after `inside`.
    bool editPrivileges(const QString& account, const std::function<void(UserEditFloat&)>& inside,
                        const std::source_location& where = std::source_location::current()) {
        const TestSupport::ModalSteps<UserEditFloat> editor(inside, where);
        AdminUsersPage* page = openUsers();
        ChooseFromMenu(page->UserList, page->AGPopUp2, account, "mnuEditUser", where);
        if (!editor.Ran())
            TestSupport::FailAt(QStringLiteral("the privilege editor did not open"), where);
        return editor.Ran() && !editor.ClosedByTheSteps();
    }

private slots:
    void addStoresTheAccountAsTheLoginWillCheckIt_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("listed");
        QTest::newRow("only Can View Reports") << "clerk"
                                               << "secret"
                                               << "00001"
                                               << "clerk|0|0|0|0|1|0"
                                               << "clerk|No|No|No|No|Yes";
        QTest::newRow("every privilege") << "manager"
                                         << "pw"
                                         << "11111"
                                         << "manager|1|1|1|1|1|0"
                                         << "manager|Yes|Yes|Yes|Yes|Yes";
        QTest::newRow("each box in its column") << "mixed"
                                                << "pw"
                                                << "10100"
                                                << "mixed|1|0|1|0|0|0"
                                                << "mixed|Yes|No|Yes|No|No";
        QTest::newRow("name trimmed, password as typed") << "  night clerk "
                                                         << " pa'ss "
                                                         << "01010"
                                                         << "night clerk|0|1|0|1|0|0"
                                                         << "night clerk|No|Yes|No|Yes|No";
        QTest::newRow("apostrophe kept in the name") << "Mary O'Neil"
                                                     << "pw"
                                                     << "00000"
                                                     << "Mary O'Neil|0|0|0|0|0|0"
                                                     << "Mary O'Neil|No|No|No|No|No";
    }
    void addStoresTheAccountAsTheLoginWillCheckIt() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, flags);
        QFETCH(QString, stored);
        QFETCH(QString, listed);
        AdminUsersPage* page = openUsers();
        addAccount(page, name, password, flags);
        const QString storedName = stored.section('|', 0, 0);
        QCOMPARE(storedAccounts().last(), stored);
        QCOMPARE(storedPassword(storedName), GlobalLogin::EncryptPassword(password));
        QCOMPARE(LogRows(), QStringList{"New Account Created with User Name : " + storedName +
                                        "|admin|UserAddRemove"});
        QCOMPARE(RowsOf(page->UserList, 6).last(), listed);
        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().kind, QStringLiteral("question"));
        QCOMPARE(shown.first().text, QStringLiteral("Add new user?"));
        QCOMPARE(shown.first().title, QStringLiteral("Add User"));
        QCOMPARE(page->txtUserName->text(), name);
        QCOMPARE(page->txtPassWord->text(), password);
        // The account logs in with the password typed as it was typed here.
        QVERIFY(GlobalLogin::CheckUserPassword(storedName, password));
    }

    // However many bytes its letters take, the password typed is the one stored and checked.
    void thePasswordHeldIsWhatTheColumnStores_data() {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("held");
        QTest::newRow("one byte a letter") << "a" << 119;
        QTest::newRow("two bytes a letter") << "\u00e9" << 59;
        QTest::newRow("three bytes a letter") << "\u20ac" << 39;
    }
    void thePasswordHeldIsWhatTheColumnStores() {
        QFETCH(QString, letter);
        QFETCH(int, held);
        AdminUsersPage* page = openUsers();
        page->txtUserName->setText(QStringLiteral("clerk"));
        // Typed letter by letter, as a keyboard sends them.
        for (int i = 0; i < 257; ++i)
            QTest::sendKeyEvent(QTest::Click, page->txtPassWord, Qt::Key_unknown, letter,
                                Qt::NoModifier);
        QCOMPARE(page->txtPassWord->text(), letter.repeated(held));
        Dialogs::Testing::AnswerNextQuestion(true);
        QTest::mouseClick(page->Command1, Qt::LeftButton);
        QCOMPARE(Messages(), QStringList{"Add new user?"});
        QVERIFY(GlobalLogin::CheckUserPassword(QStringLiteral("clerk"), letter.repeated(held)));
    }

    void refusedInputGetsItsBalloon_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("no name") << ""
                                 << "pw"
                                 << "txtUserName"
                                 << "Please enter User Name"
                                 << "Please Enter User Name!";
        QTest::newRow("blanks for a name") << "   "
                                           << "pw"
                                           << "txtUserName"
                                           << "Please enter User Name"
                                           << "Please Enter User Name!";
        QTest::newRow("no password") << "clerk"
                                     << ""
                                     << "txtPassWord"
                                     << "Please enter User Password"
                                     << "Please Enter User Password!";
    }
    void refusedInputGetsItsBalloon() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, target);
        QFETCH(QString, title);
        QFETCH(QString, text);
        AdminUsersPage* page = openUsers();
        // Refused before the question.
        addAccount(page, name, password, "11111", std::nullopt);
        const TestSupport::Balloon balloon = ShownBalloon();
        QVERIFY(balloon.shown);
        QCOMPARE(balloon.title, title);
        QCOMPARE(balloon.text, text);
        QCOMPARE(balloon.TargetName(), target);
        QVERIFY(QApplication::focusWidget() != balloon.target.data());
        VERIFY_NOTHING_SHOWN();
        QCOMPARE(storedAccounts().size(), 1);
        // A click in either box takes it away.
        QTest::mouseClick(page->txtPassWord, Qt::LeftButton);
        QVERIFY(!ShownBalloon().shown);
    }

    void noAccountWithoutYesOrUnderATakenName() {
        AdminUsersPage* page = openUsers();
        addAccount(page, "clerk", "pw", "00001", false);
        QCOMPARE(storedAccounts().size(), 1);
        addAccount(page, " Admin", "pw", "00001");
        QCOMPARE(storedAccounts().size(), 1);
        QCOMPARE(Messages(), (QStringList{"Add new user?", "Add new user?",
                                          "Username  Admin already exist!, Try another name."}));
        QVERIFY(LogRows().isEmpty());
    }

    void theAccountAndItsLogRowAreStoredTogether_data() {
        QTest::addColumn<QString>("table");
        QTest::newRow("account refused") << "tbl_users";
        QTest::newRow("log row refused") << "tbl_logTable";
    }
    void theAccountAndItsLogRowAreStoredTogether() {
        QFETCH(QString, table);
        VERIFY_RAN(db->RefuseWrites(table, Write::Insert));
        AdminUsersPage* page = openUsers();
        addAccount(page, "clerk", "pw", "00001");
        QCOMPARE(storedAccounts().size(), 1);
        QVERIFY(LogRows().isEmpty());
        const QStringList messages = Messages();
        QCOMPARE(messages.size(), 2);
        QVERIFY2(messages.last().startsWith("Error Code : DB0003\r\n"),
                 qPrintable(messages.last()));
        QCOMPARE(page->UserList->ListItems().Count(), 1);
    }

    void removeDeletesTheSelectedAccount() {
        VERIFY_RAN(db->AddUser("clerk", "pw", "0,0,0,1,0"));
        VERIFY_RAN(db->AddUser("cook", "pw", "0,0,0,0,0"));
        AdminUsersPage* page = openUsers();
        Dialogs::Testing::AnswerNextQuestion(false);
        ChooseFromMenu(page->UserList, page->AGPopUp2, "clerk", "mnuRemoveUser");
        QCOMPARE(storedAccounts().size(), 3);
        Dialogs::Testing::AnswerNextQuestion(true);
        ChooseFromMenu(page->UserList, page->AGPopUp2, "clerk", "mnuRemoveUser");
        QCOMPARE(storedAccounts(), (QStringList{"admin|1|1|1|1|1|0", "cook|0|0|0|0|0|0"}));
        QCOMPARE(RowsOf(page->UserList, 1), (QStringList{"admin", "cook"}));
        const Dialogs::Shown& question = Dialogs::Testing::Record().last();
        QCOMPARE(question.kind, QStringLiteral("question"));
        QCOMPARE(question.text, QStringLiteral("Remove 'clerk' user from the record?"));
        QCOMPARE(question.title, QStringLiteral("Add User"));
        QCOMPARE(Dialogs::Testing::Record().size(), 2);
        QVERIFY(LogRows().isEmpty());
    }

    // With a column put in front of the others every cell stands one place on: the editor and
    // the removal still act on the account of the row chosen.
    void editorAndRemovalTakeTheChosenAccountWhereverItsCellsStand() {
        VERIFY_RAN(db->AddUser("clerk", "pw", "0,0,0,0,0"));
        VERIFY_RAN(db->AddUser("cook", "pw", "0,0,0,0,0"));
        AdminUsersPage* page = openUsers();
        TestSupport::PutColumnInFront(page->UserList, QStringLiteral("Desk"));
        const auto rowOf = [page](const QString& name) {
            return int(RowsOf(page->UserList, 2).indexOf(QLatin1Char('|') + name)) + 1;
        };
        const TestSupport::ModalSteps<UserEditFloat> editor([&](UserEditFloat& shown) {
            QCOMPARE(shown.lbusername->text(), QStringLiteral("User Name : clerk"));
            ClickCheckBox(shown.canViewReport);
            QTest::mouseClick(shown.Command1, Qt::LeftButton);
        });
        ChooseFromMenu(page->UserList, page->AGPopUp2, rowOf("clerk"), "mnuEditUser");
        QVERIFY(editor.Ran());
        QCOMPARE(storedAccounts().at(1), QStringLiteral("clerk|0|0|0|0|1|0"));

        TestSupport::PutColumnInFront(page->UserList, QStringLiteral("Desk"));
        Dialogs::Testing::AnswerNextQuestion(true);
        ChooseFromMenu(page->UserList, page->AGPopUp2, rowOf("cook"), "mnuRemoveUser");
        QCOMPARE(Messages().last(), QStringLiteral("Remove 'cook' user from the record?"));
        QCOMPARE(storedAccounts(), (QStringList{"admin|1|1|1|1|1|0", "clerk|0|0|0|0|1|0"}));
    }

    void theMasterAndTheLoggedInAccountsStay_data() {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("message");
        QTest::newRow("master account") << "boss"
                                        << "User 'boss' is the master account and cannot be "
                                           "removed!";
        QTest::newRow("own account") << "admin"
                                     << "You are logged in as 'admin': this account cannot be "
                                        "removed while it is in use!";
    }
    void theMasterAndTheLoggedInAccountsStay() {
        QFETCH(QString, account);
        QFETCH(QString, message);
        VERIFY_RAN(addMaster());
        AdminUsersPage* page = openUsers();
        // Refused before any question is asked.
        ChooseFromMenu(page->UserList, page->AGPopUp2, account, "mnuRemoveUser");
        QCOMPARE(Messages(), QStringList{message});
        QCOMPARE(storedAccounts().size(), 2);
    }

    void theEditorShowsTheAccountsPrivileges_data() {
        QTest::addColumn<QString>("account");
        QTest::addColumn<bool>("firstBoxEnabled");
        QTest::addColumn<QString>("checked");
        QTest::newRow("master account") << "boss" << false << "11111";
        QTest::newRow("ordinary account") << "clerk" << true << "10010";
    }
    void theEditorShowsTheAccountsPrivileges() {
        QFETCH(QString, account);
        QFETCH(bool, firstBoxEnabled);
        QFETCH(QString, checked);
        VERIFY_RAN(addMaster());
        VERIFY_RAN(db->AddUser("clerk", "pw", "1,0,0,0,1"));
        const bool stayedOpen = editPrivileges(account, [&](UserEditFloat& editor) {
            ExtLV* list = Users()->UserList;
            QCOMPARE(editor.pos(), QPoint(list->ItemX(), list->ItemY()));
            QCOMPARE(editor.windowTitle(), QStringLiteral("User Prevelages Editor"));
            QCOMPARE(editor.lbusername->text(), "User Name : " + account);
            QString shown;
            for (const QCheckBox* box : {editor.CheckModifySettings, editor.CheckCanViewRoomList,
                                         editor.CheckCanAddModifyTax,
                                         editor.CheckCanViewEditCustomreList, editor.canViewReport})
                shown += box->isChecked() ? '1' : '0';
            QCOMPARE(shown, checked);
            QCOMPARE(editor.CheckModifySettings->isEnabled(), firstBoxEnabled);
            QVERIFY(editor.canViewReport->isEnabled());
            // Nothing changed yet: nothing to modify.
            QVERIFY(!editor.Command1->isEnabled());
        });
        QVERIFY(stayedOpen);
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
    }

    void modifyStoresTheFiveValuesAndRefreshesTheList() {
        VERIFY_RAN(db->AddUser("clerk", "pw", "0,0,0,0,0"));
        const bool stayedOpen = editPrivileges("clerk", [&](UserEditFloat& editor) {
            ClickCheckBox(editor.canViewReport);
            QVERIFY(editor.Command1->isEnabled());
            editor.CheckCanAddModifyTax->setChecked(true);
            QTest::mouseClick(editor.Command1, Qt::LeftButton);
        });
        QVERIFY(!stayedOpen);
        QCOMPARE(storedAccounts().last(), QStringLiteral("clerk|0|0|1|0|1|0"));
        QCOMPARE(RowsOf(Users()->UserList, 6).last(), QStringLiteral("clerk|No|No|Yes|No|Yes"));
        QCOMPARE(Messages().last(),
                 QStringLiteral("Succesfully Modified User's privileges!\r\nYou need to restart "
                                "the program after this change."));
        QCOMPARE(Dialogs::Testing::Record().last().icon, Dialogs::Icon::Information);
    }

    void theMasterAccountKeepsItsAdministration() {
        VERIFY_RAN(addMaster());
        editPrivileges("boss", [&](UserEditFloat& editor) {
            editor.CheckModifySettings->setChecked(false);
            QVERIFY(editor.CheckModifySettings->isChecked());
            QVERIFY(editor.Command1->isEnabled());
            QTest::mouseClick(editor.Command1, Qt::LeftButton);
        });
        QCOMPARE(Dialogs::Testing::Record().at(1).text,
                 QStringLiteral("User is Administrator! This feature is disabled for this user."));
        QCOMPARE(Dialogs::Testing::Record().at(1).icon, Dialogs::Icon::Critical);
        QCOMPARE(storedAccounts().last(), QStringLiteral("boss|1|1|1|1|1|1"));
    }

    void aRefusedUpdateIsNotCalledASuccess() {
        VERIFY_RAN(db->AddUser("clerk", "pw", "0,0,0,0,0"));
        VERIFY_RAN(db->RefuseWrites("tbl_users", Write::Update));
        QVERIFY(!editPrivileges("clerk", [&](UserEditFloat& editor) {
            editor.canViewReport->setChecked(true);
            QTest::mouseClick(editor.Command1, Qt::LeftButton);
        }));
        const QStringList messages = Messages();
        QCOMPARE(messages.size(), 2);
        QVERIFY2(messages.last().startsWith("Error Code : DB0004\r\n"),
                 qPrintable(messages.last()));
        QCOMPARE(storedAccounts().last(), QStringLiteral("clerk|0|0|0|0|0|0"));
    }

    void anAccountRemovedMeanwhileOpensNoEditor() {
        VERIFY_RAN(db->AddUser("clerk", "pw", "0,0,0,0,0"));
        AdminUsersPage* page = openUsers();
        VERIFY_RAN(db->Run("DELETE FROM tbl_users WHERE cusername = 'clerk'"));
        ChooseFromMenu(page->UserList, page->AGPopUp2, "clerk", "mnuEditUser");
        VERIFY_NOTHING_SHOWN();
        QVERIFY(ReportShown().isEmpty());
    }
};

STAYMARK_TEST_MAIN(TestAdminUsers)
#include "tst_AdminUsers.moc"
