#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The error report window: the error text and the last statement, kept on top, one for the
// whole program. While it is open a further report only brings it forward.
class frmErrorReport final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmErrorReport)

public:
    static void ShowReport();
    // The open window, or null.
    static frmErrorReport* Instance();

    ~frmErrorReport() override;

    QPlainTextEdit* txtError = nullptr;

private:
    frmErrorReport();
    void buildControls();
    void connectEvents();
    void Form_Load();
    // "&Close": unloads the window.
    void Command1_Click();

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
};
