#pragma once

#include "core/ui/CBalloonToolTip.h"

#include <QDialog>

#include <tuple>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Opened when the database cannot be reached: shows the error and the failed statement and
// lets the user point the program at the database again, the embedded file or a MySQL
// server. Confirming writes config.ini and reconnects; it closes once the connection works.
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
    void loadSettings();
    // "My SQL": switches between the server's fields and the database file's.
    void Check1_Click();
    void enableMySqlPage(bool mySql);
    // "Browse": picks the database file.
    void Command1_Click();
    // "OK": checks the fields, stores them in config.ini, reconnects and closes.
    void Command2_Click();
    void showConnectionRefused(const QString& cause);
    bool saveFilePage();
    bool saveMySqlPage();
    // The first empty field of the list gets its balloon and the focus; true when none is empty.
    bool allFilled(const QList<std::tuple<QLineEdit*, QString, QString>>& checks);
    void rejectField(QLineEdit* field, const QString& title, const QString& text);
    void removeBalloon();

    FormBalloon balloon_;
};
