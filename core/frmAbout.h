#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: product name, description, version, the product's web page and the legal
// notice.
class frmAbout final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)

public:
    frmAbout();
    ~frmAbout() override;

    // Runs the about box modal, as the Help menu's About command does.
    static void ShowModal();

    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void buildControls();
    void connectEvents();
    void Form_Load();
    // "OK": closes the box.
    void cmdOK_Click();
    // "System Info...": starts the system-information tool.
    void cmdSysInfo_Click();
    void StartSysInfo();
    // The web page link: opens the product's home page.
    void Label5_Click();
    // The mouse on the link: underlined and blue, with the hand pointer.
    void Label5_MouseMove();
    // The mouse elsewhere on the window: the link plain again, the usual pointer.
    void Form_MouseMove();
    void setLinkLook(bool highlighted);
};
