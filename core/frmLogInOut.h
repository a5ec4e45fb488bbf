#pragma once

#include "core/ui/CBalloonToolTip.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The window through which a user logs in; while no account exists it makes the master
// account instead, with every privilege, and logs its maker in.
class frmLogInOut final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLogInOut)

public:
    frmLogInOut();
    ~frmLogInOut() override;

    // Shows the default instance modeless, or brings it forward.
    static void ShowWindow();

    QLineEdit* txtUserName = nullptr;
    QLineEdit* txtPassWord = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* loginLabel = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;

    void Command1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectEvents();
    void Form_Load();
    void txtPassWord_Change();
    // Makes the master account from the typed name and password; false when it was not stored.
    bool createMasterAccount(const QString& userName, const QString& password);
    void logIn(const QString& userName, const QString& password);
    void showLoggedIn(const QString& userName);

    FormBalloon balloon_;
};
