#include "administration/AdminUsersPage.h"

#include "administration/UserEditFloat.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/NewPasswordBox.h"
#include "core/UserStore.h"
#include "core/theDBworks.h"
#include "core/ui/AGPopUp.h"
#include "core/ui/CBalloonToolTip.h"
#include "core/ui/Dialogs.h"
#include "core/ui/EnterPresses.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"
#include "core/ui/ListFill.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kEditItem = QStringLiteral("mnuEditUser");
const QString kRemoveItem = QStringLiteral("mnuRemoveUser");
constexpr int kRightButton = 2;
const QString kUserId = QStringLiteral("ID");
const QString kUserName = QStringLiteral("cusername");

// A privilege column: "Yes" when the flag is 1.
ListColumn flagColumn(const QString& header, const QString& widthSample, const QString& field) {
    return {header, widthSample, [field](const Recordset& user) {
                return user.Fields(field).toInt() == 1 ? QStringLiteral("Yes")
                                                       : QStringLiteral("No");
            }};
}

const ListColumns& userColumns() {
    static const ListColumns columns{
        TextColumn(QStringLiteral("User Name"), QStringLiteral("Abbrdrev36535653"),
                   QStringLiteral("cusername")),
        flagColumn(QStringLiteral("Settings"), QStringLiteral("Ready-to-Run"),
                   QStringLiteral("cmodifysettings")),
        flagColumn(QStringLiteral("Room View"), QStringLiteral("Ready-to-Run Visua"),
                   QStringLiteral("croomlist")),
        flagColumn(QStringLiteral("Tax View|Edit"), QStringLiteral("Ready-to-Run Visua"),
                   QStringLiteral("cmodifytax")),
        flagColumn(QStringLiteral("Customer View|Edit"),
                   QStringLiteral("Ready-to-Run Visual 0000000"),
                   QStringLiteral("ccustomerviewedit")),
        flagColumn(QStringLiteral("View Report"), QStringLiteral("Ready-to-Run Visual"),
                   QStringLiteral("canViewReport")),
        TextColumn(QString(), QString(), kUserId),
    };
    return columns;
}

const RowValues& userValues() {
    static const RowValues values{FieldValue(kUserId), FieldValue(kUserName)};
    return values;
}

} // namespace

AdminUsersPage::AdminUsersPage(FormBalloon& balloon, QWidget* parent)
    : QWidget(parent)
    , balloon_(balloon) {
    setObjectName(QStringLiteral("AdminUsersPage"));
    layOut();
    connectEvents();
}

AdminUsersPage::~AdminUsersPage() = default;

qint64 AdminUsersPage::UserIdOf(const ListItem& row) {
    return row.Number(kUserId);
}

void AdminUsersPage::layOut() {
    Frame4 = NewFrame(this, QStringLiteral("Add Account"), QStringLiteral("Frame4"));
    txtUserName = NewTextBox(Frame4, QStringLiteral("txtUserName"), QStringLiteral("User Name"));
    txtPassWord =
        NewPasswordBox(Frame4, QStringLiteral("txtPassWord"), balloon_, QStringLiteral("Password"));
    privileges_ = PrivilegeBoxes::Make(Frame4);
    CheckModifySettings = privileges_.modifySettings;
    CheckCanViewRoomList = privileges_.roomList;
    CheckCanAddModifyTax = privileges_.modifyTax;
    CheckCanViewEditCustomreList = privileges_.customerViewEdit;
    canViewReport = privileges_.viewReport;
    Command1 = NewButton(Frame4, QStringLiteral("Command1"), QStringLiteral("&Add &User Account"));
    auto* account = new QGridLayout(Frame4);
    AddCaptionRow(account, 0, QStringLiteral("User Name :"), txtUserName);
    AddCaptionRow(account, 1, QStringLiteral("Password :"), txtPassWord);
    int row = 2;
    for (QCheckBox* box : privileges_.All())
        account->addWidget(box, row++, 0, 1, 2);
    account->addWidget(Command1, row, 1, Qt::AlignRight);
    account->setRowStretch(row + 1, 1);

    Frame2 = NewFrame(this, QStringLiteral("Users Settings"), QStringLiteral("Frame2"));
    UserList = Named(new ExtLV(Frame2), QStringLiteral("UserList"));
    (new QVBoxLayout(Frame2))->addWidget(UserList);
    AGPopUp2 = new AGPopUp(this);
    AGPopUp2->setObjectName(QStringLiteral("AGPopUp2"));
    AGPopUp2->AddItem(QStringLiteral("&Edit User"), kEditItem);
    AGPopUp2->AddItem(QStringLiteral("&Remove User"), kRemoveItem);

    auto* page = new QHBoxLayout(this);
    page->addWidget(Frame4);
    page->addWidget(Frame2, 1);
}

void AdminUsersPage::connectEvents() {
    connect(Command1, &QPushButton::clicked, this, &AdminUsersPage::Command1_Click);
    for (QLineEdit* box : {txtUserName, txtPassWord}) {
        // Enter in a box adds the account, as the button does.
        PressOnEnter(box, Command1);
        box->installEventFilter(this);
    }
    connect(UserList, &ExtLV::MouseDown, this, &AdminUsersPage::UserList_MouseDown);
    connect(AGPopUp2, &AGPopUp::MenuClick, this, &AdminUsersPage::AGPopUp2_MenuClick);
}

void AdminUsersPage::AddUserColumns() {
    AddColumns(*UserList, userColumns());
}

void AdminUsersPage::UserListView() {
    Guarded(QStringLiteral("ADM0015"), [this] {
        UserList->ListItems().Clear();
        UserStore::OpenUsers();
        FillFromRecordset(*UserList, userColumns(), userValues());
    });
}

// "&Add &User Account": makes the account with the ticked privileges.
void AdminUsersPage::Command1_Click() {
    Guarded(QStringLiteral("ADM0005"), [this] {
        if (!accountAccepted())
            return;
        if (!Dialogs::AskYesNo(QStringLiteral("Add new user?"), QStringLiteral("Add User")))
            return;
        addAccount();
        UserListView();
    });
}

bool AdminUsersPage::accountAccepted() {
    if (UserStore::StoredUserName(txtUserName->text()).isEmpty()) {
        ShowValidationBalloon(balloon_.Tip(), txtUserName, QStringLiteral("Please enter User Name"),
                              QStringLiteral("Please Enter User Name!"));
        return false;
    }
    if (txtPassWord->text().isEmpty()) {
        ShowValidationBalloon(balloon_.Tip(), txtPassWord,
                              QStringLiteral("Please enter User Password"),
                              QStringLiteral("Please Enter User Password!"));
        return false;
    }
    return true;
}

void AdminUsersPage::addAccount() {
    const QString name = UserStore::StoredUserName(txtUserName->text());
    if (UserStore::FindUser(name)) {
        Dialogs::Message(QStringLiteral("Username ") + txtUserName->text() +
                         QStringLiteral(" already exist!, Try another name."));
        return;
    }
    // Enciphered as the login window enciphers what the user will type there.
    const QString password = GlobalLogin::EncryptPassword(txtPassWord->text());
    if (password.isEmpty()) {
        Dialogs::Message(QStringLiteral("The account was not created: its password could not be "
                                        "enciphered."),
                         Dialogs::Icon::Critical);
        return;
    }
    UserStore::AddAccount(name, password, privileges_.Checked());
}

void AdminUsersPage::removeuserName() {
    Guarded(QStringLiteral("ADM0021"), [this] {
        const ListItem user = UserList->SelectedItem();
        const qint64 id = UserIdOf(user);
        if (!removalAllowed(id))
            return;
        if (!Dialogs::AskYesNo(QStringLiteral("Remove '") + user.Value(kUserName).toString() +
                                   QStringLiteral("' user from the record?"),
                               QStringLiteral("Add User")))
            return;
        UserStore::RemoveAccount(id);
        UserListView();
    });
}

bool AdminUsersPage::removalAllowed(qint64 id) {
    const std::optional<UserStore::Account> user = UserStore::FindUserById(id);
    if (!user)
        return true;
    const QString& name = user->userName;
    QString refusal;
    if (user->IsMaster())
        refusal = QStringLiteral("User '") + name +
                  QStringLiteral("' is the master account and cannot be removed!");
    else if (GlobalLogin::IsLoggedIn && name == GlobalLogin::LoggedUserName)
        refusal = QStringLiteral("You are logged in as '") + name +
                  QStringLiteral("': this account cannot be removed while it is in use!");
    if (refusal.isEmpty())
        return true;
    Dialogs::Message(refusal);
    return false;
}

void AdminUsersPage::EditSelectedUser() {
    Guarded(QStringLiteral("ADM0022"), [this] {
        const int x = UserList->ItemX();
        const int y = UserList->ItemY();
        // The editor opens over the page: no balloon of the page stays above it.
        balloon_.Remove();
        UserEditFloat editor(*UserList, window());
        editor.LoadIt(x, y);
        if (editor.AccountFound())
            Dialogs::RunModal(editor);
    });
}

// An item of the user list's menu.
void AdminUsersPage::AGPopUp2_MenuClick(const QString& ItemName) {
    if (ItemName == kRemoveItem)
        removeuserName();
    else if (ItemName == kEditItem)
        EditSelectedUser();
}

// The right button in the list opens its menu at the mouse.
void AdminUsersPage::UserList_MouseDown(int Button, int, int X, int Y) {
    if (Button == kRightButton)
        AGPopUp2->PopUp(UserList->mapToGlobal(QPoint(X, Y)));
}

// A click in either box takes the balloon away.
void AdminUsersPage::txtUserName_Click() {
    balloon_.Remove();
}
void AdminUsersPage::txtPassWord_Click() {
    balloon_.Remove();
}

bool AdminUsersPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == txtUserName)
            txtUserName_Click();
        else if (watched == txtPassWord)
            txtPassWord_Click();
    }
    return QWidget::eventFilter(watched, event);
}
