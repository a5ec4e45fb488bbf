#include "administration/UserEditFloat.h"

#include "administration/AdminUsersPage.h"
#include "administration/frmAdminArea.h"
#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidthTwips = 4170;
constexpr int kClientHeightTwips = 2220;

} // namespace

UserEditFloat::UserEditFloat(ExtLV& userList, QWidget* parent)
    : QDialog(parent)
    , userList_(userList) {
    setObjectName(QStringLiteral("UserEditFloat"));
    setWindowTitle(QStringLiteral("User Prevelages Editor"));
    layOut();
    connectEvents();
    Form_Load();
}

UserEditFloat::~UserEditFloat() = default;

void UserEditFloat::layOut() {
    lbusername = NewLabel(this, QStringLiteral("lbusername"), QStringLiteral("Username :"));
    privileges_ = PrivilegeBoxes::Make(this);
    CheckModifySettings = privileges_.modifySettings;
    CheckCanViewRoomList = privileges_.roomList;
    CheckCanAddModifyTax = privileges_.modifyTax;
    CheckCanViewEditCustomreList = privileges_.customerViewEdit;
    canViewReport = privileges_.viewReport;
    Command1 = NewButton(this, QStringLiteral("Command1"), QStringLiteral("Modify"));
    Command2 = NewButton(this, QStringLiteral("Command2"), QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbusername);
    for (QCheckBox* box : privileges_.All())
        layout->addWidget(box);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons);
    setMinimumSize(TwipsSize(kClientWidthTwips, kClientHeightTwips));
}

// A box changes by a click or by the load: each runs its Click handler.
void UserEditFloat::connectEvents() {
    const std::pair<QCheckBox*, void (UserEditFloat::*)()> boxes[] = {
        {CheckModifySettings, &UserEditFloat::CheckModifySettings_Click},
        {CheckCanViewRoomList, &UserEditFloat::CheckCanViewRoomList_Click},
        {CheckCanAddModifyTax, &UserEditFloat::CheckCanAddModifyTax_Click},
        {CheckCanViewEditCustomreList, &UserEditFloat::CheckCanViewEditCustomreList_Click},
        {canViewReport, &UserEditFloat::canViewReport_Click},
    };
    for (const auto& [box, handler] : boxes)
        connect(box, &QCheckBox::toggled, this, handler);
    connect(Command1, &QPushButton::clicked, this, &UserEditFloat::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &UserEditFloat::Command2_Click);
}

void UserEditFloat::LoadIt(qint32 x, qint32 y) {
    WX = x;
    WY = y;
    move(WX, WY);
}

// A failure skips the rest of the load: the window opens as far as it was filled.
void UserEditFloat::Form_Load() {
    IgnoreErrors([this] { LoadUserPrivileges(); });
}

qint64 UserEditFloat::selectedId() const {
    return AdminUsersPage::UserIdOf(userList_.SelectedItem());
}

void UserEditFloat::LoadUserPrivileges() {
    const std::optional<UserStore::Account> user = UserStore::FindUserById(selectedId());
    if (!user) {
        close();
        return;
    }
    accountFound_ = true;
    if (user->IsMaster())
        CheckModifySettings->setEnabled(false);
    lbusername->setText(QStringLiteral("User Name : ") + user->userName);
    const UserStore::Privileges& granted = user->privileges;
    const std::pair<QCheckBox*, int> flags[] = {
        {CheckModifySettings, granted.modifySettings},
        {CheckCanViewRoomList, granted.roomList},
        {CheckCanAddModifyTax, granted.modifyTax},
        {CheckCanViewEditCustomreList, granted.customerViewEdit},
        {canViewReport, granted.viewReport},
    };
    // Setting a box runs its Click handler, which reads the account again.
    for (const auto& [box, value] : flags)
        box->setChecked(value != 0);
    Command1->setEnabled(false);
}

// The master account keeps its access to the administration window.
void UserEditFloat::CheckModifySettings_Click() {
    IgnoreErrors([this] {
        const std::optional<UserStore::Account> user = UserStore::FindUserById(selectedId());
        const bool master = user && user->IsMaster();
        if (master && !CheckModifySettings->isChecked()) {
            CheckModifySettings->setChecked(true);
            Dialogs::Message(
                QStringLiteral("User is Administrator! This feature is disabled for this user."),
                Dialogs::Icon::Critical);
        }
    });
    Command1->setEnabled(true);
}

// A change of the other four boxes lets the change be saved.
void UserEditFloat::CheckCanViewRoomList_Click() {
    Command1->setEnabled(true);
}
void UserEditFloat::CheckCanAddModifyTax_Click() {
    Command1->setEnabled(true);
}
void UserEditFloat::CheckCanViewEditCustomreList_Click() {
    Command1->setEnabled(true);
}
void UserEditFloat::canViewReport_Click() {
    Command1->setEnabled(true);
}

// "Modify": stores the five privileges.
void UserEditFloat::Command1_Click() {
    Guarded(QStringLiteral("ADM0023"), [this] {
        // A refused update has reported itself; saying it succeeded would be untrue.
        if (UserStore::UpdatePrivileges(selectedId(), privileges_.Checked()))
            Dialogs::Message(QStringLiteral("Succesfully Modified User's privileges!") +
                             kLineBreak +
                             QStringLiteral("You need to restart the program after this change."));
        if (frmAdminArea* admin = LoadedInstance<frmAdminArea>())
            admin->UserListView();
    });
    close();
}

// "Cancel": closes the window.
void UserEditFloat::Command2_Click() {
    close();
}
