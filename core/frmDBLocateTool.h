#pragma once

#include "core/ui/CBalloonToolTip.h"
#include "core/ui/DatabaseSettingsForm.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Opened when the database cannot be reached: shows the error and the failed statement and
// lets the user point the program at the database again, the embedded file or a MySQL
// server. Confirming writes config.ini and reconnects; it closes once both are done, and
// otherwise says why and stays.
class frmDBLocateTool final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmDBLocateTool)

public:
    frmDBLocateTool();
    ~frmDBLocateTool() override;

    // Runs the tool modal unless it is already on screen.
    static void ShowModal();
    // The tool while it is open, or null.
    static frmDBLocateTool* Instance();

    QLabel* Label1 = nullptr;
    QLabel* Label5 = nullptr;
    QPlainTextEdit* Text2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLineEdit* txtDBpass = nullptr;
    QLineEdit* txtSQLHost = nullptr;
    QLineEdit* txtSQLDBName = nullptr;
    QLineEdit* txtSQLUserName = nullptr;
    QLineEdit* txtSQLPassWord = nullptr;
    QPushButton* Command2 = nullptr;

private:
    void buildControls();
    void connectEvents();
    void Form_Load();
    void showError();
    // "My SQL": switches between the server's fields and the database file's.
    void Check1_Click();
    // "Browse": picks the database file.
    void Command1_Click();
    // "OK": checks the fields, stores them in config.ini, reconnects and closes.
    void Command2_Click();
    // False, with the balloon and the focus at the first field that fails its check, unless
    // every field in use passes.
    bool fieldsPass();
    // Settings that were not stored are not connected with: the user is told, and the tool stays.
    bool stored();
    bool connected();
    // Runs a step of the confirmation. When it fails, the cause goes into the error field and
    // the user is told what failed and why.
    bool succeeded(const std::function<void()>& step, const QString& whatFailed);

    FormBalloon balloon_;
    // Made with the controls, in their order.
    std::optional<DatabaseSettingsForm> form_;
};
