#pragma once

#include "core/ui/DatabaseSettingsForm.h"

#include <QWidget>

#include <optional>

class FormBalloon;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The "Database Settings" page of the administration window: which database the program uses,
// the embedded file or a MySQL server, changed in config.ini for the next start.
class AdminDatabasePage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AdminDatabasePage)

public:
    // The page shows its validation balloons through the window's balloon.
    explicit AdminDatabasePage(FormBalloon& balloon, QWidget* parent = nullptr);
    ~AdminDatabasePage() override;

    QGroupBox* Frame3 = nullptr;
    QLineEdit* txtDBpath = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* Label12 = nullptr;
    QLineEdit* txtDBpass = nullptr;
    QCheckBox* UseMySQL = nullptr;
    QLineEdit* txtSQLHost = nullptr;
    QLineEdit* txtSQLDBName = nullptr;
    QLineEdit* txtSQLUserName = nullptr;
    QLineEdit* txtSQLPassWord = nullptr;
    QPushButton* Command3 = nullptr;

    // The window's load: the settings the running connection was opened with, not config.ini.
    void LoadSettings();

    void Command2_Click();
    void UseMySQL_Click();
    void Command3_Click();

private:
    void buildControls();
    void connectEvents();
    void save();

    FormBalloon& balloon_;
    // Made with the controls, in their order.
    std::optional<DatabaseSettingsForm> form_;
};
