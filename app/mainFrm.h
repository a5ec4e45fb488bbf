#pragma once

#include "core/CommandGate.h"

#include <QMainWindow>

#include <functional>
#include <optional>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class WindowPlacement;

// The program's one multiple-document window: the menu, the toolbar, the status bar, and the
// child windows of every task. It gates each command by the login state.
class mainFrm final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(mainFrm)

public:
    mainFrm();
    ~mainFrm() override;

    // The loaded main window, or null.
    static mainFrm* Instance();
    // False when another instance was running: the load ended the program.
    bool Loaded() const { return loaded_; }
    void UnloadChildWindows();

    QMdiArea* MdiArea = nullptr;
    QToolBar* Toolbar1 = nullptr;

    void mnuBooking_Click();
    void mnuFoodOrder_Click();
    void mnuCustomerList_Click();
    void mnuRoomList_Click();
    void mnuCustomerHistoryList_Click();
    void mnuReport_Click();
    void mnuLoginLogOut_Click();
    void mnuAdministration_Click();
    void taxEditor_Click();
    void mnuLog_Click();
    void mnuChangeMyPassword_Click();
    void mnuCascade_Click();
    void mnuTileHorizontal_Click();
    void mnuTileVertical_Click();
    void mnuOnlineHelp_Click();
    void mnuOpenHelp_Click();
    void mnuAbout_Click();
    void Toolbar1_ButtonClick(const QString& key);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MDIForm_Load();
    void MDIForm_Unload();
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void fillWindowMenu();
    void tileChildren(Qt::Orientation stacking);
    void updateClockPanels();
    // Shows who is logged in: the status bar, the login command's caption and the password
    // command. Without a user it shows that nobody is. The login window tells it through the
    // window notices.
    void ShowLoginState(const std::optional<QString>& loggedInUser);
    // Ends the user's login: the log row (the text, then the user's name), the login state,
    // the notice, and every child window closed.
    void logOut(const QString& logText);
    // Runs a command as its gate decides: its window, the login window, or a message.
    void runGated(CommandGate::Command command, const std::function<void()>& open);

    // Restored at load and saved when the window closes, as every window's placement is.
    WindowPlacement* placement_ = nullptr;
    bool loaded_ = false;
    QLabel* StatusBar1Panel1 = nullptr;
    QAction* mnuLoginLogOut = nullptr;
    QAction* mnuChangeMyPassword = nullptr;
    QMenu* mnuWin = nullptr;
    QList<QAction*> windowListActions_;
    QLabel* capsPanel_ = nullptr;
    QLabel* timePanel_ = nullptr;
    QLabel* datePanel_ = nullptr;
};
