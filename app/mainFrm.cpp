#include "app/mainFrm.h"

#include "administration/RoomStore.h"
#include "administration/frmAdminArea.h"
#include "administration/frmTax.h"
#include "core/AppPaths.h"
#include "core/Clock.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/ModifyPassword.h"
#include "core/ProductInfo.h"
#include "core/SingleInstance.h"
#include "core/WindowNotices.h"
#include "core/frmAbout.h"
#include "core/frmLogInOut.h"
#include "core/theDBworks.h"
#include "core/ui/ChildMnemonics.h"
#include "core/ui/Dialogs.h"
#include "core/ui/FormControls.h"
#include "core/ui/Icons.h"
#include "core/ui/Shell.h"
#include "core/ui/WindowPlacement.h"
#include "core/ui/Workspace.h"
#include "food_orders/FoodOrderStore.h"
#include "food_orders/frmFoodingBook.h"
#include "reports/frmLog.h"
#include "reports/frmStats.h"
#include "reservations/frmBooking.h"
#include "reservations/frmCustomers.h"
#include "reservations/frmRoomList.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

using CommandGate::Command;

namespace {

QPointer<mainFrm> loadedMainWindow;

// With nothing stored the main window takes this much of the screen, where the screen has it:
// room for the booking form beside the menu, toolbar and status bar.
constexpr QSize kFirstOpenSize(1280, 800);

const QString kLogsRefused =
    QStringLiteral("Only user with Administrator privileges can view logs");

QAction* addItem(QMenu* menu, const QString& name, const QString& caption,
                 const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

void addSeparator(QMenu* menu, const QString& name) {
    menu->addSeparator()->setObjectName(name);
}

QMenu* addMenu(QMenuBar* bar, const QString& name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

} // namespace

mainFrm::mainFrm() {
    setObjectName(QStringLiteral("mainFrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Staymark Vol 1"));
    MdiArea = new QMdiArea(this);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(MdiArea);
    buildMenus();
    buildToolbar();
    buildStatusBar();
    resize(kFirstOpenSize);
    loadedMainWindow = this;
    Workspace::Provide(MdiArea);
    LetChildWindowMnemonicsWin(this);
    connect(&WindowNotices::Instance(), &WindowNotices::LoggedIn, this,
            [this](const QString& userName) { ShowLoginState(userName); });
    MDIForm_Load();
}

mainFrm::~mainFrm() {
    qApp->removeEventFilter(this);
    SingleInstance::Release();
}

mainFrm* mainFrm::Instance() {
    return loadedMainWindow;
}

void mainFrm::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* records = addMenu(bar, QStringLiteral("mnuRecords"), QStringLiteral("&Records"));
    connect(addItem(records, QStringLiteral("mnuBooking"), QStringLiteral("New &Booking"),
                    QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &mainFrm::mnuBooking_Click);
    connect(addItem(records, QStringLiteral("mnuFoodOrder"),
                    QStringLiteral("New &Food && Beverages Order"),
                    QKeySequence(Qt::CTRL | Qt::Key_F)),
            &QAction::triggered, this, &mainFrm::mnuFoodOrder_Click);
    addSeparator(records, QStringLiteral("mnusepk"));
    connect(addItem(records, QStringLiteral("mnuCustomerList"), QStringLiteral("&Customer List"),
                    QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, &mainFrm::mnuCustomerList_Click);
    connect(addItem(records, QStringLiteral("mnuRoomList"), QStringLiteral("Room(s) &Schedule"),
                    QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &mainFrm::mnuRoomList_Click);
    connect(addItem(records, QStringLiteral("mnuCustomerHistoryList"),
                    QStringLiteral("&Customer History List")),
            &QAction::triggered, this, &mainFrm::mnuCustomerHistoryList_Click);
    connect(addItem(records, QStringLiteral("mnuReport"), QStringLiteral("&Overall Report")),
            &QAction::triggered, this, &mainFrm::mnuReport_Click);
    addSeparator(records, QStringLiteral("sep"));
    mnuLoginLogOut = addItem(records, QStringLiteral("mnuLoginLogOut"), QStringLiteral("Log in"));
    connect(mnuLoginLogOut, &QAction::triggered, this, &mainFrm::mnuLoginLogOut_Click);

    QMenu* options = addMenu(bar, QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    connect(addItem(options, QStringLiteral("mnuAdministration"), QStringLiteral("A&dministration"),
                    QKeySequence(Qt::CTRL | Qt::Key_A)),
            &QAction::triggered, this, &mainFrm::mnuAdministration_Click);
    connect(addItem(options, QStringLiteral("taxEditor"), QStringLiteral("Tax(s) Editor"),
                    QKeySequence(Qt::CTRL | Qt::Key_T)),
            &QAction::triggered, this, &mainFrm::taxEditor_Click);
    addSeparator(options, QStringLiteral("sepu"));
    connect(addItem(options, QStringLiteral("mnuLog"), QStringLiteral("&View Log")),
            &QAction::triggered, this, &mainFrm::mnuLog_Click);
    mnuChangeMyPassword = addItem(options, QStringLiteral("mnuChangeMyPassword"),
                                  QStringLiteral("&Change My Password"));
    connect(mnuChangeMyPassword, &QAction::triggered, this, &mainFrm::mnuChangeMyPassword_Click);

    mnuWin = addMenu(bar, QStringLiteral("mnuWin"), QStringLiteral("&Window"));
    connect(addItem(mnuWin, QStringLiteral("mnuCascade"), QStringLiteral("&Cascade")),
            &QAction::triggered, this, &mainFrm::mnuCascade_Click);
    connect(
        addItem(mnuWin, QStringLiteral("mnuTileHorizontal"), QStringLiteral("&Tile Horizontal")),
        &QAction::triggered, this, &mainFrm::mnuTileHorizontal_Click);
    connect(addItem(mnuWin, QStringLiteral("mnuTileVertical"), QStringLiteral("&Tile Vertical")),
            &QAction::triggered, this, &mainFrm::mnuTileVertical_Click);
    connect(mnuWin, &QMenu::aboutToShow, this, &mainFrm::fillWindowMenu);

    QMenu* help = addMenu(bar, QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    connect(addItem(help, QStringLiteral("mnuOnlineHelp"), QStringLiteral("&Online Support")),
            &QAction::triggered, this, &mainFrm::mnuOnlineHelp_Click);
    connect(addItem(help, QStringLiteral("mnuOpenHelp"), QStringLiteral("&Open Help")),
            &QAction::triggered, this, &mainFrm::mnuOpenHelp_Click);
    addSeparator(help, QStringLiteral("mnusep"));
    connect(addItem(help, QStringLiteral("mnuAbout"), QStringLiteral("&About Staymark")),
            &QAction::triggered, this, &mainFrm::mnuAbout_Click);
}

void mainFrm::buildToolbar() {
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    // Texts beside the icons keep the band low, leaving the height to the child windows.
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    Toolbar1->setMovable(false);
    struct Button {
        const char* key;
        const char* text; // an action's text: "&&" shows one "&"
        Icons::Name icon;
    };
    const Button buttons[] = {
        {"toolNewBooking", "New Booking", Icons::Name::NewBooking},
        {"toolNewFoodOrder", "New Food && Beverages Order", Icons::Name::NewFoodOrder},
        {"toolCustomerList", "Customer List", Icons::Name::CustomerList},
        {"toolRoomSchedule", "Room(s) Schedule", Icons::Name::RoomSchedule},
        {"toolStats", "Stats View", Icons::Name::StatsView},
        {"toolLogView", "Log View", Icons::Name::LogView},
        {"toolAdmin", "Administrator", Icons::Name::Administrator},
    };
    for (const Button& button : buttons) {
        const QString key = QString::fromLatin1(button.key);
        QAction* action =
            Toolbar1->addAction(Icons::Get(button.icon), QString::fromLatin1(button.text));
        action->setObjectName(key);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
}

void mainFrm::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1Panel1 = NewLabel(this, QStringLiteral("StatusBar1Panel1"), QString());
    capsPanel_ = NewLabel(this, QStringLiteral("StatusBar1Caps"), QStringLiteral("CAPS"));
    capsPanel_->setEnabled(false);
    timePanel_ = NewLabel(this, QStringLiteral("StatusBar1Time"), QString());
    datePanel_ = NewLabel(this, QStringLiteral("StatusBar1Date"), QString());
    bar->addWidget(StatusBar1Panel1, 1);
    bar->addPermanentWidget(capsPanel_);
    bar->addPermanentWidget(timePanel_);
    bar->addPermanentWidget(datePanel_);
    updateClockPanels();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &mainFrm::updateClockPanels);
    clock->start(1000);
    // Caps Lock shows in the typing: a letter whose case disagrees with Shift.
    qApp->installEventFilter(this);
}

void mainFrm::updateClockPanels() {
    const QDateTime now = Clock::Now();
    timePanel_->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
    datePanel_->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
}

bool mainFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (key->key() == Qt::Key_CapsLock) {
            capsPanel_->setEnabled(!capsPanel_->isEnabled());
        } else if (text.size() == 1 && text.at(0).isLetter() &&
                   text.at(0).toUpper() != text.at(0).toLower()) {
            const bool shifted = key->modifiers().testFlag(Qt::ShiftModifier);
            capsPanel_->setEnabled(text.at(0).isUpper() != shifted);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void mainFrm::MDIForm_Load() {
    // A second instance ends here, before any database work.
    if (!SingleInstance::Acquire()) {
        Dialogs::Message(QStringLiteral("Staymark already running!"), Dialogs::Icon::Information,
                         QStringLiteral("Staymark"));
        return;
    }
    // A database that cannot be opened leads to the locate tool, with the cause.
    IgnoreErrors([] { theDBworks::Connect(); });
    ShowLoginState(std::nullopt);
    // With nothing stored the window opens in the middle of the screen, wholly on it; a place
    // stored on a larger screen is brought back onto this one.
    placement_ = new WindowPlacement(Settings::MainWindowPlacement, this);
    placement_->Restore(this, kFirstOpenSize);
    // Without a database the user has just closed the tool: it is not shown a second time.
    if (theDBworks::IsConnected())
        IgnoreErrors([] { GlobalLogin::LoadHotelInfo(); });
    // Order and room tables a desk left half changed when it or the server stopped.
    if (theDBworks::IsConnected())
        IgnoreErrors([] { FoodOrderStore::FinishUnfinishedTableChanges(); });
    if (theDBworks::IsConnected())
        IgnoreErrors([] { RoomStore::FinishUnfinishedRemovals(); });
    loaded_ = true;
}

void mainFrm::closeEvent(QCloseEvent* event) {
    MDIForm_Unload();
    event->accept();
}

void mainFrm::MDIForm_Unload() {
    if (loaded_ && GlobalLogin::IsLoggedIn)
        logOut(QStringLiteral("User Logged Out/Terminated Program : "));
    theDBworks::CloseRecordset();
}

void mainFrm::logOut(const QString& logText) {
    IgnoreErrors([&] {
        GlobalLogin::WriteLog(logText + GlobalLogin::LoggedUserName, QStringLiteral("LoginLogout"));
    });
    GlobalLogin::IsLoggedIn = false;
    ShowLoginState(std::nullopt);
    Dialogs::Message(QStringLiteral("Successfully Logged Out!"));
    UnloadChildWindows();
}

void mainFrm::UnloadChildWindows() {
    MdiArea->closeAllSubWindows();
}

void mainFrm::runGated(Command command, const std::function<void()>& open) {
    IgnoreErrors([&] {
        switch (CommandGate::For(command)) {
        case CommandGate::Outcome::Open:
            if (open)
                open();
            break;
        case CommandGate::Outcome::LogIn:
            frmLogInOut::ShowWindow();
            break;
        case CommandGate::Outcome::NoPrivilege:
            Dialogs::Message(GlobalLogin::NoPrivilegeMsg());
            break;
        case CommandGate::Outcome::NoLogPrivilege:
            Dialogs::Message(kLogsRefused);
            break;
        case CommandGate::Outcome::Nothing:
            break;
        }
    });
}

// "New &Booking": the booking window.
void mainFrm::mnuBooking_Click() {
    runGated(Command::Booking, [] { frmBooking::ShowWindow(); });
}

// "New &Food && Beverages Order": the food order entry.
void mainFrm::mnuFoodOrder_Click() {
    runGated(Command::FoodOrder, [] { frmFoodingBook::ShowWindow(); });
}

// "&Customer List": the customer list.
void mainFrm::mnuCustomerList_Click() {
    runGated(Command::CustomerList, [] { frmCustomers::ShowWindow(); });
}

// "Room(s) &Schedule": the room schedule.
void mainFrm::mnuRoomList_Click() {
    runGated(Command::RoomList, [] { frmRoomList::ShowWindow(); });
}

// "&Customer History List": has no window of its own.
void mainFrm::mnuCustomerHistoryList_Click() {
    runGated(Command::CustomerHistoryList, {});
}

// "&Overall Report": the revenue chart.
void mainFrm::mnuReport_Click() {
    runGated(Command::Report, [] { frmStats::ShowWindow(); });
}

// "&View Log": the activity-log viewer.
void mainFrm::mnuLog_Click() {
    runGated(Command::Log, [] { frmLog::ShowWindow(); });
}

// "A&dministration": the administration window.
void mainFrm::mnuAdministration_Click() {
    runGated(Command::Administration, [] { frmAdminArea::ShowWindow(); });
}

// "Tax(s) Editor": the tax editor.
void mainFrm::taxEditor_Click() {
    runGated(Command::TaxEditor, [] { frmTax::ShowWindow(); });
}

// "Log in" / "Log Out": the login window, or the logout.
void mainFrm::mnuLoginLogOut_Click() {
    IgnoreErrors([this] {
        if (!GlobalLogin::IsLoggedIn) {
            frmLogInOut::ShowWindow();
            return;
        }
        logOut(QStringLiteral("User Logged Out : "));
    });
}

void mainFrm::ShowLoginState(const std::optional<QString>& loggedInUser) {
    mnuLoginLogOut->setText(loggedInUser ? QStringLiteral("Log Out") : QStringLiteral("Log in"));
    StatusBar1Panel1->setText(loggedInUser ? QStringLiteral("Logged In as ") + *loggedInUser
                                           : QStringLiteral("Not Logged In"));
    mnuChangeMyPassword->setVisible(loggedInUser.has_value());
}

// "&Change My Password": the password change window.
void mainFrm::mnuChangeMyPassword_Click() {
    ModifyPassword::ShowWindow();
}

// "&Cascade": the child windows one behind the other, each wholly in the workspace.
void mainFrm::mnuCascade_Click() {
    MdiArea->cascadeSubWindows();
    FitChildrenInside(MdiArea);
}

// "&Tile Horizontal": the child windows one above the other, each the full width.
void mainFrm::mnuTileHorizontal_Click() {
    IgnoreErrors([this] { tileChildren(Qt::Vertical); });
}

// "&Tile Vertical": the child windows side by side, each the full height.
void mainFrm::mnuTileVertical_Click() {
    IgnoreErrors([this] { tileChildren(Qt::Horizontal); });
}

void mainFrm::tileChildren(Qt::Orientation stacking) {
    QList<QMdiSubWindow*> children;
    const QList<QMdiSubWindow*> all = MdiArea->subWindowList();
    for (QMdiSubWindow* child : all)
        if (child->isVisible() && !child->isMinimized())
            children.append(child);
    if (children.isEmpty())
        return;
    const QSize area = MdiArea->viewport()->size();
    const int count = int(children.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* child = children.at(i);
        child->showNormal();
        if (stacking == Qt::Vertical) {
            const int height = area.height() / count;
            child->setGeometry(0, i * height, area.width(), height);
        } else {
            const int width = area.width() / count;
            child->setGeometry(i * width, 0, width, area.height());
        }
    }
}

void mainFrm::fillWindowMenu() {
    qDeleteAll(windowListActions_);
    windowListActions_.clear();
    const QList<QMdiSubWindow*> children = MdiArea->subWindowList();
    if (children.isEmpty())
        return;
    windowListActions_.append(mnuWin->addSeparator());
    for (QMdiSubWindow* child : children) {
        // A title's "&" ("New Food & Beverages Order") is shown, not taken as an access key.
        QAction* action =
            mnuWin->addAction(QString(child->windowTitle()).replace(u'&', QStringLiteral("&&")));
        action->setCheckable(true);
        action->setChecked(child == MdiArea->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, child = QPointer<QMdiSubWindow>(child)] {
            if (child)
                MdiArea->setActiveSubWindow(child);
        });
        windowListActions_.append(action);
    }
}

// "&Online Support": the support web page.
void mainFrm::mnuOnlineHelp_Click() {
    IgnoreErrors([] { Shell::OpenUrl(QUrl(ProductInfo::SupportPage())); });
}

// "&Open Help": the help page beside the program; where it cannot be shown, the user learns
// which file and why.
void mainFrm::mnuOpenHelp_Click() {
    IgnoreErrors([] {
        const QString help = AppPaths::ProgramFolder() + QStringLiteral("/help.html");
        const auto noProgram = [help] {
            Dialogs::Message(QStringLiteral("The help file could not be opened:") + kLineBreak +
                             help + kLineBreak + Shell::NoProgramOpensIt());
        };
        switch (Shell::OpenFile(help, noProgram)) {
        case Shell::FileOpening::Opened:
            return;
        case Shell::FileOpening::Missing:
            Dialogs::Message(QStringLiteral("The help file could not be found:") + kLineBreak +
                             help);
            return;
        case Shell::FileOpening::NoOpener:
            noProgram();
            return;
        }
    });
}

// "&About Staymark": the about box.
void mainFrm::mnuAbout_Click() {
    frmAbout::ShowModal();
}

void mainFrm::Toolbar1_ButtonClick(const QString& key) {
    IgnoreErrors([&] {
        if (!GlobalLogin::IsLoggedIn) {
            frmLogInOut::ShowWindow();
            return;
        }
        const std::pair<const char*, void (mainFrm::*)()> handlers[] = {
            {"toolNewBooking", &mainFrm::mnuBooking_Click},
            {"toolNewFoodOrder", &mainFrm::mnuFoodOrder_Click},
            {"toolCustomerList", &mainFrm::mnuCustomerList_Click},
            {"toolRoomSchedule", &mainFrm::mnuRoomList_Click},
            {"toolStats", &mainFrm::mnuReport_Click},
            {"toolLogView", &mainFrm::mnuLog_Click},
            {"toolAdmin", &mainFrm::mnuAdministration_Click},
        };
        for (const auto& [name, handler] : handlers)
            if (key == QLatin1String(name))
                (this->*handler)();
    });
}
