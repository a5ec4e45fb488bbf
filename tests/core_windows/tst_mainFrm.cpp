#include "tests/support/MainWindowFixture.h"
#include "tests/support/SearchPath.h"

#include "core/AppPaths.h"
#include "core/CIniFile.h"
#include "core/SingleInstance.h"
#include "core/theDBworks.h"
#include "core/ui/Shell.h"
#include "core/ui/Workspace.h"

#include <QLabel>
#include <QLockFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <QToolBar>
#include <QToolButton>

namespace {

enum class State { LoggedOut, FlagOne, FlagNotOne, LoggedOutAfterTaxLogin };
enum class Seen { Window, Login, NoPrivilege, NoLogPrivilege, Nothing };

void enter(State state) {
    using namespace GlobalLogin;
    const int flag = state == State::FlagNotOne ? 0 : 1;
    PrivModifySettings = PrivRoomList = PrivModifyTax = PrivCustomerViewEdit = PrivViewReport =
        (state == State::LoggedOut ? 0 : flag);
    IsLoggedIn = state == State::FlagOne || state == State::FlagNotOne;
    LoggedUserName = QStringLiteral("admin");
}

// A second process that holds the program's lock, as a running Staymark does.
int holdLock(const char* path) {
    QLockFile lock(QString::fromLocal8Bit(path));
    if (!lock.tryLock(0))
        return 1;
    fputs("locked\n", stdout);
    fflush(stdout);
    QThread::sleep(30);
    return 0;
}

// A button's caption as it shows: "&&" draws one "&", a lone "&" marks the access key.
QString shownText(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        shown += caption[i];
    }
    return shown;
}

QWidget* childForm(const QString& name) {
    auto* form = new QWidget;
    form->setObjectName(name);
    form->setWindowTitle(name);
    form->setAttribute(Qt::WA_DeleteOnClose);
    return form;
}

} // namespace

Q_DECLARE_METATYPE(State)
Q_DECLARE_METATYPE(Seen)

using TestSupport::control;
using TestSupport::LastMessage;

class TestMainFrm : public MainWindowFixture {
    Q_OBJECT

    Seen seen() {
        if (frmLogInOut* login = LoadedInstance<frmLogInOut>(); login && login->isVisible())
            return Seen::Login;
        const QString message = LastMessage();
        if (message == GlobalLogin::NoPrivilegeMsg())
            return Seen::NoPrivilege;
        if (message == QLatin1String("Only user with Administrator privileges can view logs"))
            return Seen::NoLogPrivilege;
        if (!main->MdiArea->subWindowList().isEmpty())
            return Seen::Window;
        return Seen::Nothing;
    }

private slots:
    void commandsFollowTheGate_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<State>("state");
        QTest::addColumn<Seen>("expected");
        struct Row {
            const char* command;
            Seen flagOne, flagNotOne, loggedOut, afterTaxLogin;
        };
        const Row rows[] = {
            {"mnuBooking", Seen::Window, Seen::Window, Seen::Login, Seen::Login},
            {"mnuFoodOrder", Seen::Window, Seen::Window, Seen::Login, Seen::Login},
            {"mnuCustomerList", Seen::Window, Seen::NoPrivilege, Seen::Login, Seen::Login},
            {"mnuRoomList", Seen::Window, Seen::NoPrivilege, Seen::Login, Seen::Login},
            {"mnuCustomerHistoryList", Seen::Nothing, Seen::NoPrivilege, Seen::Login, Seen::Login},
            {"mnuReport", Seen::Window, Seen::NoPrivilege, Seen::Login, Seen::Login},
            {"mnuLog", Seen::Window, Seen::NoLogPrivilege, Seen::Login, Seen::Login},
            {"mnuAdministration", Seen::Window, Seen::NoPrivilege, Seen::Login, Seen::Login},
            {"taxEditor", Seen::Window, Seen::NoPrivilege, Seen::NoPrivilege, Seen::Login},
        };
        for (const Row& row : rows) {
            const QString name = QString::fromLatin1(row.command);
            QTest::addRow("%s, flag 1", row.command) << name << State::FlagOne << row.flagOne;
            QTest::addRow("%s, flag not 1", row.command)
                << name << State::FlagNotOne << row.flagNotOne;
            QTest::addRow("%s, logged out", row.command)
                << name << State::LoggedOut << row.loggedOut;
            QTest::addRow("%s, logged out after a tax login", row.command)
                << name << State::LoggedOutAfterTaxLogin << row.afterTaxLogin;
        }
    }
    void commandsFollowTheGate() {
        QFETCH(QString, command);
        QFETCH(State, state);
        QFETCH(Seen, expected);
        enter(state);
        triggerAction(command);
        QCOMPARE(seen(), expected);
    }

    void toolbarOpensTheLoginWindowWhileLoggedOut_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        const std::pair<const char*, const char*> buttons[] = {
            {"toolNewBooking", "New Booking"},
            {"toolNewFoodOrder", "New Food & Beverages Order"},
            {"toolCustomerList", "Customer List"},
            {"toolRoomSchedule", "Room(s) Schedule"},
            {"toolStats", "Stats View"},
            {"toolLogView", "Log View"},
            {"toolAdmin", "Administrator"},
        };
        for (const auto& [key, text] : buttons)
            QTest::newRow(key) << QString::fromLatin1(key) << QString::fromLatin1(text);
    }
    void toolbarOpensTheLoginWindowWhileLoggedOut() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        const auto* button = qobject_cast<QToolButton*>(
            main->Toolbar1->widgetForAction(control<QAction>(main, key)));
        QVERIFY(button && !button->icon().isNull());
        QCOMPARE(shownText(button->text()), text);
        QCOMPARE(button->toolTip(), text);
        enter(State::LoggedOutAfterTaxLogin);
        triggerAction(key);
        QCOMPARE(seen(), Seen::Login);
    }

    void toolbarRunsTheMenuCommandOfItsKey() {
        enter(State::FlagNotOne);
        triggerAction(QStringLiteral("toolLogView"));
        QCOMPARE(seen(), Seen::NoLogPrivilege);
        triggerAction(QStringLiteral("toolStats"));
        QCOMPARE(seen(), Seen::NoPrivilege);
        Dialogs::Testing::Reset();
        main->Toolbar1_ButtonClick(QStringLiteral("toolUnknown"));
        QCOMPARE(seen(), Seen::Nothing);
    }

    void ctrlCRunsTheCustomerListCommand() {
        enter(State::FlagNotOne);
        QApplication::setActiveWindow(main);
        QVERIFY(QTest::qWaitForWindowActive(main));
        QTest::keyClick(main, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(seen(), Seen::NoPrivilege);
    }

    void loadShowsTheLoggedOutState() {
        QCOMPARE(main->windowTitle(), QStringLiteral("Staymark Vol 1"));
        QCOMPARE(loginPanel()->text(), QStringLiteral("Not Logged In"));
        QVERIFY(!passwordCommand()->isVisible());
        QCOMPARE(loginCommand()->text(), QStringLiteral("Log in"));
        QVERIFY(theDBworks::IsConnected());
        const QLabel* time = control<QLabel>(main, QStringLiteral("StatusBar1Time"));
        const QLabel* date = control<QLabel>(main, QStringLiteral("StatusBar1Date"));
        QCOMPARE(date->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(!time->text().isEmpty());
    }

    void capsPanelFollowsTheTyping() {
        const QLabel* caps = control<QLabel>(main, QStringLiteral("StatusBar1Caps"));
        QCOMPARE(caps->text(), QStringLiteral("CAPS"));
        QTest::keyClick(main, 'A');
        QVERIFY(caps->isEnabled());
        QTest::keyClick(main, 'a');
        QVERIFY(!caps->isEnabled());
    }

    void loginThroughTheWindowUpdatesTheMainWindow() {
        VERIFY_RAN(db->AddUser(QStringLiteral("admin"), QStringLiteral("pw"),
                               QStringLiteral("1,1,1,1,1")));
        triggerAction(QStringLiteral("mnuLoginLogOut"));
        TypeLogin(QStringLiteral("admin"), QStringLiteral("pw"));
        QVERIFY(GlobalLogin::IsLoggedIn);
        QCOMPARE(loginPanel()->text(), QStringLiteral("Logged In as admin"));
        QCOMPARE(loginCommand()->text(), QStringLiteral("Log Out"));
        QVERIFY(passwordCommand()->isVisible());
    }

    void logOutWritesItsRowAndClosesTheChildWindows() {
        VERIFY_RAN(db->AddUser(QStringLiteral("admin"), QStringLiteral("pw"),
                               QStringLiteral("0,0,1,0,0")));
        QVERIFY(GlobalLogin::LogInUser(QStringLiteral("admin"), QStringLiteral("pw")));
        GlobalLogin::IsLoggedIn = true;
        Workspace::ShowChild(childForm(QStringLiteral("first")));
        Workspace::ShowChild(childForm(QStringLiteral("second")));
        triggerAction(QStringLiteral("mnuLoginLogOut"));
        QVERIFY(!GlobalLogin::IsLoggedIn);
        QCOMPARE(GlobalLogin::PrivModifyTax, 1);
        QCOMPARE(GlobalLogin::LoggedUserName, QStringLiteral("admin"));
        QCOMPARE(loginCommand()->text(), QStringLiteral("Log in"));
        QCOMPARE(loginPanel()->text(), QStringLiteral("Not Logged In"));
        QVERIFY(!passwordCommand()->isVisible());
        QCOMPARE(LastMessage(), QStringLiteral("Successfully Logged Out!"));
        QTRY_VERIFY(main->MdiArea->subWindowList().isEmpty());
        QCOMPARE(db->Count(QStringLiteral("tbl_logTable"),
                           QStringLiteral(
                               "LogText = 'User Logged Out : admin' AND LogKey = 'LoginLogout'")),
                 1);
    }

    void closingWhileLoggedInLogsTheEnd() {
        VERIFY_RAN(db->AddUser(QStringLiteral("admin"), QStringLiteral("pw"),
                               QStringLiteral("1,1,1,1,1")));
        QVERIFY(GlobalLogin::LogInUser(QStringLiteral("admin"), QStringLiteral("pw")));
        GlobalLogin::IsLoggedIn = true;
        QPointer<QWidget> child = childForm(QStringLiteral("child"));
        Workspace::ShowChild(child);
        main->close();
        QCOMPARE(LastMessage(), QStringLiteral("Successfully Logged Out!"));
        QTRY_VERIFY(!child);
        QCOMPARE(db->Count(QStringLiteral("tbl_logTable"),
                           QStringLiteral("LogText = 'User Logged Out/Terminated Program : "
                                          "admin' AND LoggedUser = 'admin'")),
                 1);
    }

    void closingWhileLoggedOutIsQuiet() {
        main->close();
        VERIFY_NOTHING_SHOWN();
        QCOMPARE(db->Count(QStringLiteral("tbl_logTable")), 0);
    }

    void placementIsRestoredAtLoadAndSavedOnClose() {
        main->setGeometry(50, 60, 900, 640);
        main->close();
        QTRY_VERIFY(!main);
        QCOMPARE(ReadConfigValue(QStringLiteral("pos"), QStringLiteral("Width")),
                 QStringLiteral("900"));
        main = new mainFrm();
        QCOMPARE(main->geometry().size(), QSize(900, 640));
    }

    void windowMenuArrangesTheChildWindows() {
        const QString food = QStringLiteral("New Food & Beverages Order");
        Workspace::ShowChild(childForm(QStringLiteral("first")));
        Workspace::ShowChild(childForm(food));
        QMenu* menu = control<QMenu>(main, QStringLiteral("mnuWin"));
        emit menu->aboutToShow();
        QStringList titles;
        for (QAction* action : menu->actions())
            titles << shownText(action->text());
        QVERIFY2(titles.contains(QStringLiteral("first")) && titles.contains(food),
                 qPrintable(titles.join(QLatin1Char('|'))));
        triggerAction(QStringLiteral("mnuTileVertical"));
        const QList<QMdiSubWindow*> children = main->MdiArea->subWindowList();
        QCOMPARE(children.at(0)->geometry().top(), children.at(1)->geometry().top());
        QVERIFY(children.at(0)->geometry().left() != children.at(1)->geometry().left());
        triggerAction(QStringLiteral("mnuTileHorizontal"));
        QCOMPARE(children.at(0)->geometry().left(), children.at(1)->geometry().left());
        QVERIFY(children.at(0)->geometry().top() != children.at(1)->geometry().top());
    }

    // The workspace places a new window beside those already open; grown to its load size it
    // must still be seen whole, not run off the workspace's edge.
    void windowsOpenWhollyInsideTheWorkspace() {
        enter(State::FlagOne);
        main->setGeometry(50, 60, 1024, 720);
        for (const char* command :
             {"mnuAdministration", "mnuBooking", "mnuCustomerList", "mnuRoomList"}) {
            triggerAction(QString::fromLatin1(command));
            const QMdiSubWindow* window = main->MdiArea->activeSubWindow();
            QVERIFY2(window, command);
            QVERIFY2(main->MdiArea->viewport()->rect().contains(window->geometry()),
                     qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                    .arg(QString::fromLatin1(command))
                                    .arg(window->x())
                                    .arg(window->y())
                                    .arg(window->width())
                                    .arg(window->height())));
        }
    }

    // Help that cannot be shown says which file and why, where the desktop has no opener and
    // where its opener finds no program for the file; nothing reaches the terminal only.
    void helpThatCannotOpenSaysSo_data() {
        QTest::addColumn<bool>("fileThere");
        // The desktop's opener and its exit status; none where it is empty.
        QTest::addColumn<QString>("opener");
        QTest::addColumn<int>("openerExit");
        QTest::addColumn<QString>("message"); // none shown where it is empty
        const QString noProgram = QStringLiteral(
            "The help file could not be opened:\r\n%1\r\nNo program on this computer opens it.");
        QTest::newRow("no help file")
            << false << "" << 0 << "The help file could not be found:\r\n%1";
        QTest::newRow("no opener") << true << "" << 0 << noProgram;
        // xdg-open's own statuses: no program or tool found, and opening failed.
        QTest::newRow("the opener finds no program") << true << "xdg-open" << 3 << noProgram;
        QTest::newRow("the opener fails") << true << "xdg-open" << 4 << noProgram;
        QTest::newRow("the opener opens it") << true << "xdg-open" << 0 << "";
    }
    void helpThatCannotOpenSaysSo() {
        QFETCH(bool, fileThere);
        QFETCH(QString, opener);
        QFETCH(int, openerExit);
        QFETCH(QString, message);
        const QString help = AppPaths::ProgramFolder() + QStringLiteral("/help.html");
        if (fileThere) {
            QFile file(help);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<html><body>Help</body></html>");
        }
        // The desktop itself is asked, on a computer with no program but its opener.
        SearchPath path;
        const QString handedOver = path.Folder() + QStringLiteral("/handed over");
        if (!opener.isEmpty())
            QVERIFY(path.AddProgram(opener, QStringLiteral("printf '%s' \"$1\" > '%1'\nexit %2\n")
                                                .arg(handedOver)
                                                .arg(openerExit)
                                                .toUtf8()));
        Shell::Testing::Disable();
        const auto restore = qScopeGuard([] { Shell::Testing::Enable(); });
        triggerAction(QStringLiteral("mnuOpenHelp"));
        QTRY_COMPARE(Shell::Testing::OpenersRunning(), 0);
        if (!opener.isEmpty()) {
            QFile file(handedOver);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()), QUrl::fromLocalFile(help).toString());
        }
        if (message.isEmpty()) {
            VERIFY_NOTHING_SHOWN();
            return;
        }
        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, message.arg(help));
        QCOMPARE(shown[0].icon, Dialogs::Icon::Information);
        QCOMPARE(shown[0].title, QStringLiteral("Staymark"));
    }

    void helpOpensTheHelpFileBesideTheProgram() {
        const QString help = AppPaths::ProgramFolder() + QStringLiteral("/help.html");
        QFile file(help);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        triggerAction(QStringLiteral("mnuOpenHelp"));
        QCOMPARE(Shell::Testing::Record().size(), 1);
        QCOMPARE(Shell::Testing::Record()[0].target, QUrl::fromLocalFile(help).toString());
        VERIFY_NOTHING_SHOWN();
    }

    void secondStartEndsBeforeAnyDatabaseWork() {
        delete main.data();
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--hold-lock"), SingleInstance::LockFilePath()});
        QVERIFY(holder.waitForReadyRead(10000));
        theDBworks::CloseConnection();
        main = new mainFrm();
        QVERIFY(!main->Loaded());
        QCOMPARE(LastMessage(), QStringLiteral("Staymark already running!"));
        QCOMPARE(Dialogs::Testing::Record().last().title, QStringLiteral("Staymark"));
        QVERIFY(!theDBworks::IsConnected());
        holder.kill();
        holder.waitForFinished();
        // The holder died without letting go: its lock is stale, and the next start runs.
        delete main.data();
        main = new mainFrm();
        QVERIFY(main->Loaded());
    }
};

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], "--hold-lock") == 0)
        return holdLock(argv[2]);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestSupport::PrepareProcess();
    TestMainFrm test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainFrm.moc"
