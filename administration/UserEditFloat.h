#pragma once

#include "administration/PrivilegeBoxes.h"

#include <QDialog>

class ExtLV;
class QCheckBox;
class QLabel;
class QPushButton;

// "User Prevelages Editor": the five privileges of the account selected in the administration
// window's user list. The master account keeps its access to the administration window.
class UserEditFloat final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UserEditFloat)

public:
    // Edits the account selected in `userList`.
    explicit UserEditFloat(ExtLV& userList, QWidget* parent = nullptr);
    ~UserEditFloat() override;

    QLabel* lbusername = nullptr;
    QCheckBox* CheckModifySettings = nullptr;
    QCheckBox* CheckCanViewRoomList = nullptr;
    QCheckBox* CheckCanAddModifyTax = nullptr;
    QCheckBox* CheckCanViewEditCustomreList = nullptr;
    QCheckBox* canViewReport = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    qint32 SN = 0; // not used
    // The window's left and top, on the screen.
    qint32 WX = 0;
    qint32 WY = 0;

    // Where the window opens; called before it is shown.
    void LoadIt(qint32 x, qint32 y);
    void LoadUserPrivileges();
    // False when the load found no account: the window has closed itself.
    bool AccountFound() const { return accountFound_; }

    void CheckModifySettings_Click();
    void CheckCanViewRoomList_Click();
    void CheckCanAddModifyTax_Click();
    void CheckCanViewEditCustomreList_Click();
    void canViewReport_Click();
    void Command1_Click();
    void Command2_Click();

private:
    void layOut();
    void connectEvents();
    void Form_Load();
    // The ID in the user list's selected row, read each time it is needed.
    qint64 selectedId() const;

    ExtLV& userList_;
    PrivilegeBoxes privileges_;
    bool accountFound_ = false;
};
