#pragma once

#include "administration/PrivilegeBoxes.h"

#include <QWidget>

class AGPopUp;
class ExtLV;
class FormBalloon;
class ListItem;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// The "User Accounts" page of the administration window: accounts made with their five
// privileges, listed, removed and opened in the privilege editor.
class AdminUsersPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AdminUsersPage)

public:
    // The page shows its validation balloons through the window's balloon.
    explicit AdminUsersPage(FormBalloon& balloon, QWidget* parent = nullptr);
    ~AdminUsersPage() override;

    // The account a row of the list stands for: its ID in tbl_users.
    static qint64 UserIdOf(const ListItem& row);

    QGroupBox* Frame4 = nullptr;
    QLineEdit* txtUserName = nullptr;
    QLineEdit* txtPassWord = nullptr;
    QCheckBox* CheckModifySettings = nullptr;
    QCheckBox* CheckCanViewRoomList = nullptr;
    QCheckBox* CheckCanAddModifyTax = nullptr;
    QCheckBox* CheckCanViewEditCustomreList = nullptr;
    QCheckBox* canViewReport = nullptr;
    QPushButton* Command1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    ExtLV* UserList = nullptr;
    AGPopUp* AGPopUp2 = nullptr;

    // The window's load: the list's columns.
    void AddUserColumns();
    // Refills the user list from tbl_users.
    void UserListView();

    void Command1_Click();
    void removeuserName();
    void EditSelectedUser();
    void AGPopUp2_MenuClick(const QString& ItemName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void connectEvents();
    // The first empty box gets its balloon; true when both are filled.
    bool accountAccepted();
    void addAccount();
    // The master account and the account in use stay; the user is told why.
    bool removalAllowed(qint64 id);
    void txtUserName_Click();
    void txtPassWord_Click();
    void UserList_MouseDown(int Button, int Shift, int X, int Y);

    FormBalloon& balloon_;
    PrivilegeBoxes privileges_;
};
