#include "tests/support/MainWindowFixture.h"

#include "core/AppPaths.h"
#include "core/CIniFile.h"
#include "core/SingleInstance.h"
#include "core/theDBworks.h"

#include <QLabel>
#include <QLockFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
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

class TestMainFrm : public QObject {
    Q_OBJECT

    MainWindowFixture fixture;

    Seen seen() {
        if (frmLogInOut* login = LoadedInstance<frmLogInOut>(); login && login->isVisible())
            return Seen::Login;
        const QString message = MainWindowFixture::LastMessage();
        if (message == GlobalLogin::NoPrivilegeMsg())
            return Seen::NoPrivilege;
        if (message == QLatin1String("Only user with Administrator privileges can view logs"))
            return Seen::NoLogPrivilege;
        if (!fixture.main->MdiArea->subWindowList().isEmpty())
            return Seen::Window;
        return Seen::Nothing;
    }

private slots:
    void init() {
        const QString error = fixture.Start();
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    void cleanup() { fixture.Stop(); }

    void commandsFollowTheGate_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<State>("state");
        QTest::addColumn<Seen>("expected");
        // Windows of later work are not built yet: a permitted command shows nothing for now.
        const Seen open = Seen::Nothing;
        struct Row {
            const char* command;
            Seen flagOne, flagNotOne, loggedOut, afterTaxLogin;
        };
        const Row rows[] = {
            {"mnuBooking", Seen::Window, Seen::Window, Seen::Login, Seen::Login},
            {"mnuFoodOrder", Seen::Window, Seen::Window, Seen::Login, Seen::Login},
            {"mnuCustomerList", open, Seen::NoPrivilege, Seen::Login, Seen::Login},
            {"mnuRoomList", open, Seen::NoPrivilege, Seen::Login, Seen::Login},
            {"mnuCustomerHistoryList", Seen::Nothing, Seen::NoPrivilege, Seen::Login, Seen::Login},
            {"mnuReport", Seen::Window, Seen::NoPrivilege, Seen::Login, Seen::Login},
            {"mnuLog", Seen::Window, Seen::NoLogPrivilege, Seen::Login, Seen::Login},
            {"mnuAdministration", open, Seen::NoPrivilege, Seen::Login, Seen::Login},
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
        QAction* action = fixture.Action(command);
        QVERIFY(action);
        action->trigger();
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
            fixture.main->Toolbar1->widgetForAction(fixture.Action(key)));
        QVERIFY(button && !button->icon().isNull());
        QCOMPARE(shownText(button->text()), text);
        QCOMPARE(button->toolTip(), text);
        enter(State::LoggedOutAfterTaxLogin);
        fixture.Action(key)->trigger();
        QCOMPARE(seen(), Seen::Login);
    }

    void toolbarRunsTheMenuCommandOfItsKey() {
        enter(State::FlagNotOne);
        fixture.Action(QStringLiteral("toolLogView"))->trigger();
        QCOMPARE(seen(), Seen::NoLogPrivilege);
        fixture.Action(QStringLiteral("toolStats"))->trigger();
        QCOMPARE(seen(), Seen::NoPrivilege);
        Dialogs::Testing::Reset();
        fixture.main->Toolbar1_ButtonClick(QStringLiteral("toolUnknown"));
        QCOMPARE(seen(), Seen::Nothing);
    }

    void ctrlCRunsTheCustomerListCommand() {
        enter(State::FlagNotOne);
        QApplication::setActiveWindow(fixture.main);
        QVERIFY(QTest::qWaitForWindowActive(fixture.main));
        QTest::keyClick(fixture.main, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(seen(), Seen::NoPrivilege);
    }

    void loadShowsTheLoggedOutState() {
        QCOMPARE(fixture.main->windowTitle(), QStringLiteral("Staymark Vol 1"));
        QCOMPARE(fixture.main->StatusBar1Panel1->text(), QStringLiteral("Not Logged In"));
        QVERIFY(!fixture.main->mnuChangeMyPassword->isVisible());
        QCOMPARE(fixture.main->mnuLoginLogOut->text(), QStringLiteral("Log in"));
        QVERIFY(theDBworks::IsConnected());
        const QLabel* time = fixture.main->findChild<QLabel*>(QStringLiteral("StatusBar1Time"));
        const QLabel* date = fixture.main->findChild<QLabel*>(QStringLiteral("StatusBar1Date"));
        QCOMPARE(date->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(!time->text().isEmpty());
    }

    void capsPanelFollowsTheTyping() {
        const QLabel* caps = fixture.main->findChild<QLabel*>(QStringLiteral("StatusBar1Caps"));
        QCOMPARE(caps->text(), QStringLiteral("CAPS"));
        QTest::keyClick(fixture.main, 'A');
        QVERIFY(caps->isEnabled());
        QTest::keyClick(fixture.main, 'a');
        QVERIFY(!caps->isEnabled());
    }

    void loginThroughTheWindowUpdatesTheMainWindow() {
        QVERIFY(
            fixture
                .AddUser(QStringLiteral("admin"), QStringLiteral("pw"), QStringLiteral("1,1,1,1,1"))
                .isEmpty());
        fixture.Action(QStringLiteral("mnuLoginLogOut"))->trigger();
        MainWindowFixture::TypeLogin(QStringLiteral("admin"), QStringLiteral("pw"));
        QVERIFY(GlobalLogin::IsLoggedIn);
        QCOMPARE(fixture.main->StatusBar1Panel1->text(), QStringLiteral("Logged In as admin"));
        QCOMPARE(fixture.main->mnuLoginLogOut->text(), QStringLiteral("Log Out"));
        QVERIFY(fixture.main->mnuChangeMyPassword->isVisible());
    }

    void logOutWritesItsRowAndClosesTheChildWindows() {
        QVERIFY(
            fixture
                .AddUser(QStringLiteral("admin"), QStringLiteral("pw"), QStringLiteral("0,0,1,0,0"))
                .isEmpty());
        QVERIFY(GlobalLogin::LogInUser(QStringLiteral("admin"), QStringLiteral("pw")));
        GlobalLogin::IsLoggedIn = true;
        mainFrm::ShowChild(childForm(QStringLiteral("first")));
        mainFrm::ShowChild(childForm(QStringLiteral("second")));
        fixture.Action(QStringLiteral("mnuLoginLogOut"))->trigger();
        QVERIFY(!GlobalLogin::IsLoggedIn);
        QCOMPARE(GlobalLogin::PrivModifyTax, 1);
        QCOMPARE(GlobalLogin::LoggedUserName, QStringLiteral("admin"));
        QCOMPARE(fixture.main->mnuLoginLogOut->text(), QStringLiteral("Log in"));
        QCOMPARE(fixture.main->StatusBar1Panel1->text(), QStringLiteral("Not Logged In"));
        QVERIFY(!fixture.main->mnuChangeMyPassword->isVisible());
        QCOMPARE(MainWindowFixture::LastMessage(), QStringLiteral("Successfully Logged Out!"));
        QTRY_VERIFY(fixture.main->MdiArea->subWindowList().isEmpty());
        QCOMPARE(
            fixture.db->Count(
                QStringLiteral("tbl_logTable"),
                QStringLiteral("LogText = 'User Logged Out : admin' AND LogKey = 'LoginLogout'")),
            1);
    }

    void closingWhileLoggedInLogsTheEnd() {
        QVERIFY(
            fixture
                .AddUser(QStringLiteral("admin"), QStringLiteral("pw"), QStringLiteral("1,1,1,1,1"))
                .isEmpty());
        QVERIFY(GlobalLogin::LogInUser(QStringLiteral("admin"), QStringLiteral("pw")));
        GlobalLogin::IsLoggedIn = true;
        QPointer<QWidget> child = childForm(QStringLiteral("child"));
        mainFrm::ShowChild(child);
        fixture.main->close();
        QCOMPARE(MainWindowFixture::LastMessage(), QStringLiteral("Successfully Logged Out!"));
        QTRY_VERIFY(!child);
        QCOMPARE(fixture.db->Count(QStringLiteral("tbl_logTable"),
                                   QStringLiteral("LogText = 'User Logged Out/Terminated Program : "
                                                  "admin' AND LoggedUser = 'admin'")),
                 1);
    }

    void closingWhileLoggedOutIsQuiet() {
        fixture.main->close();
        QVERIFY(Dialogs::Testing::Record().isEmpty());
        QCOMPARE(fixture.db->Count(QStringLiteral("tbl_logTable")), 0);
    }

    void placementIsRestoredAtLoadAndSavedOnResize() {
        fixture.main->setGeometry(50, 60, 900, 640);
        QCOMPARE(ReadConfigValue(QStringLiteral("pos"), QStringLiteral("Width")),
                 QStringLiteral("900"));
        delete fixture.main.data();
        fixture.main = new mainFrm();
        QCOMPARE(fixture.main->geometry().size(), QSize(900, 640));
    }

    void windowMenuArrangesTheChildWindows() {
        const QString food = QStringLiteral("New Food & Beverages Order");
        mainFrm::ShowChild(childForm(QStringLiteral("first")));
        mainFrm::ShowChild(childForm(food));
        QMenu* menu = fixture.main->findChild<QMenu*>(QStringLiteral("mnuWin"));
        emit menu->aboutToShow();
        QStringList titles;
        for (QAction* action : menu->actions())
            titles << shownText(action->text());
        QVERIFY2(titles.contains(QStringLiteral("first")) && titles.contains(food),
                 qPrintable(titles.join(QLatin1Char('|'))));
        fixture.Action(QStringLiteral("mnuTileVertical"))->trigger();
        const QList<QMdiSubWindow*> children = fixture.main->MdiArea->subWindowList();
        QCOMPARE(children.at(0)->geometry().top(), children.at(1)->geometry().top());
        QVERIFY(children.at(0)->geometry().left() != children.at(1)->geometry().left());
        fixture.Action(QStringLiteral("mnuTileHorizontal"))->trigger();
        QCOMPARE(children.at(0)->geometry().left(), children.at(1)->geometry().left());
        QVERIFY(children.at(0)->geometry().top() != children.at(1)->geometry().top());
    }

    void secondStartEndsBeforeAnyDatabaseWork() {
        delete fixture.main.data();
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--hold-lock"), SingleInstance::LockFilePath()});
        QVERIFY(holder.waitForReadyRead(10000));
        theDBworks::CloseConnection();
        fixture.main = new mainFrm();
        QVERIFY(!fixture.main->Loaded());
        QCOMPARE(MainWindowFixture::LastMessage(), QStringLiteral("Staymark already running!"));
        QCOMPARE(Dialogs::Testing::Record().last().title, QStringLiteral("Staymark"));
        QVERIFY(!theDBworks::IsConnected());
        holder.kill();
        holder.waitForFinished();
        // The holder died without letting go: its lock is stale, and the next start runs.
        delete fixture.main.data();
        fixture.main = new mainFrm();
        QVERIFY(fixture.main->Loaded());
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
