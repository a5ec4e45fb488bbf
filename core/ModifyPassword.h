#pragma once

#include "core/ui/CBalloonToolTip.h"

#include <QDialog>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Replaces an account's password, given its name and current password.
class ModifyPassword final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ModifyPassword)

public:
    ModifyPassword();
    ~ModifyPassword() override;

    // Shows the default instance modeless, or brings it forward.
    static void ShowWindow();

    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtUserName = nullptr;
    QLineEdit* txtPassWord = nullptr;
    QLineEdit* txtNewPassWord = nullptr;
    QFrame* Line1 = nullptr;
    QPushButton* Command1 = nullptr;

    void Command1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildControls();
    void connectEvents();
    // The first empty field gets its balloon; true when all three hold text.
    bool fieldsFilled();

    FormBalloon balloon_;
};
