#include "core/AppPaths.h"
#include "core/CCrypto.h"
#include "core/CIniFile.h"
#include "core/ErrorReport.h"
#include "core/frmDBLocateTool.h"
#include "core/theDBworks.h"
#include "core/ui/CBalloonToolTip.h"
#include "core/ui/Dialogs.h"
#include "tests/core/DatabaseFaults.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/WindowChecks.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

#include <functional>
#include <source_location>

using TestSupport::Backend;
using TestSupport::control;
using TestSupport::ServerHost;
using TestSupport::ServerPassword;
using TestSupport::ServerUser;

namespace {

const QStringList kServerFields = {"txtSQLHost", "txtSQLDBName", "txtSQLUserName",
                                   "txtSQLPassWord"};
const QStringList kFileFields = {"Text1", "txtDBpass"};

QLineEdit* field(QWidget& tool, const QString& name,
                 const std::source_location& where = std::source_location::current()) {
    return control<QLineEdit>(tool, name, where);
}

void typeInto(QWidget& tool, const QString& name, const QString& text,
              const std::source_location& where = std::source_location::current()) {
    QLineEdit* edit = field(tool, name, where);
    edit->clear();
    QTest::keyClicks(edit, text);
}

QString setting(const QString& key) {
    return ReadConfigValue(QStringLiteral("settings"), key);
}

void setSetting(const QString& key, const QString& value) {
    WriteConfigValue(QStringLiteral("settings"), key, value);
}

QString decrypted(const QString& text) {
    CCrypto crypto;
    return crypto.Decrypt(text, ProgramKeyText(), true, CCrypto::RC2);
}

QByteArray configBytes() {
    QFile file(AppPaths::ConfigIniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The rows a statement of the test's own left in an embedded database file.
int probeRowsIn(const QString& path) {
    int rows = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "check");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(QStringLiteral("SELECT COUNT(*) FROM tbl_probe"), db);
        if (query.next())
            rows = query.value(0).toInt();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return rows;
}

// The server page's fields are enabled and white, the file's disabled in a button's colour,
// or the other way round.
void verifyPage(QWidget& tool, bool serverPage) {
    const QColor buttonFace = tool.palette().color(QPalette::Button);
    for (const QString& name : kServerFields + kFileFields) {
        const bool enabled = kServerFields.contains(name) == serverPage;
        QLineEdit* edit = field(tool, name);
        QVERIFY2(edit->isEnabled() == enabled, qPrintable(name));
        QCOMPARE(edit->palette().color(QPalette::Base), enabled ? QColor(Qt::white) : buttonFace);
    }
}

const QString kInsert = TestSupport::ProbeInsertStatement(QStringLiteral("located"));

// What the user types to point the tool at the test's database again.
void typeWorkingSettings(QWidget& tool, Backend backend) {
    if (backend == Backend::SQLite)
        typeInto(tool, "Text1", AppPaths::ProgramFolder() + "/data.db");
    else
        typeInto(tool, "txtSQLHost", ServerHost());
}

// Chooses the server page or the file page, types a setting into every field and confirms.
void confirmOnPage(QWidget& tool, bool serverPage, const QString& path, const QString& host) {
    auto* box = control<QCheckBox>(tool, "Check1");
    if (box->isChecked() != serverPage)
        box->click();
    typeInto(tool, "Text1", path);
    typeInto(tool, "txtSQLHost", host);
    typeInto(tool, "txtSQLDBName", "hotel");
    typeInto(tool, "txtSQLUserName", "frontdesk");
    typeInto(tool, "txtSQLPassWord", "pa55");
    control<QPushButton>(tool, "Command2")->click();
}

// The cause of a failed confirmation, as the tool showed it in its error field and told it in
// its last message after the explanation; empty unless it did both.
QString failureShown(QWidget& tool, const QString& explanation) {
    const Dialogs::Shown& told = Dialogs::Testing::Record().last();
    const auto* error = control<QPlainTextEdit>(tool, "Text2");
    const bool shown = told.kind == QLatin1String("message") && !error->isHidden() &&
                       told.text == explanation + error->toPlainText();
    return shown ? error->toPlainText() : QString();
}

// While it lives, config.ini cannot be written.
class ReadOnlySettingsFile final {
    Q_DISABLE_COPY_MOVE(ReadOnlySettingsFile)

public:
    ReadOnlySettingsFile()
        : error(DatabaseFaults::AllowWrites(AppPaths::ConfigIniPath(), false)) {}
    ~ReadOnlySettingsFile() {
        if (error.isEmpty())
            DatabaseFaults::AllowWrites(AppPaths::ConfigIniPath(), true);
    }
    // Why the file could not be made read-only, or empty.
    const QString error;
};

} // namespace

// The database locate tool: what it shows, how it checks and stores the settings, and that
// it reconnects; opened modal as the program opens it.
class TestDBLocateTool : public TestSupport::DatabaseTest {
    Q_OBJECT

    using ToolSteps = TestSupport::ModalSteps<frmDBLocateTool>;

    void initTest() override { VERIFY_RAN(db->Run(TestSupport::ProbeTableStatement())); }
    void cleanupTest() override { QVERIFY(!frmDBLocateTool::Instance()); }

    // The program on an embedded file of its own, config.ini naming nothing else; the reason it
    // could not be, or empty.
    static QString startOnAnEmbeddedFile() {
        const QString path = AppPaths::ProgramFolder() + QStringLiteral("/data.db");
        const QString error = TestSupport::MakeEmbeddedDatabase(path);
        if (!error.isEmpty())
            return error;
        QFile::remove(AppPaths::ConfigIniPath());
        setSetting(QStringLiteral("db"), path);
        setSetting(QStringLiteral("UseSQL"), QStringLiteral("0"));
        theDBworks::CloseConnection();
        try {
            theDBworks::OpenConnection();
        } catch (const std::exception& e) {
            return DescriptionOf(e);
        }
        return theDBworks::Backend() == DbBackend::SQLite ? QString()
                                                          : QStringLiteral("not on the file");
    }

    // Opens the tool as the program does and runs the steps inside its modal loop.
    static ToolSteps runTool(std::function<void(frmDBLocateTool&)> steps,
                             const std::source_location& where = std::source_location::current()) {
        ToolSteps run(std::move(steps), where);
        frmDBLocateTool::ShowModal();
        if (!run.Ran())
            TestSupport::FailAt(QStringLiteral("the locate tool did not open"), where);
        return run;
    }

private slots:
    void lostConnectionOpensTheToolOnceWithTheErrorAndTheStatement() {
        DatabaseFaults::BreakStoredSettings(db->Which());
        theDBworks::CloseConnection();
        const ToolSteps opened([](frmDBLocateTool& tool) {
            QCOMPARE(tool.windowTitle(), QStringLiteral(" Database Error"));
            QVERIFY(tool.isModal());
            auto* error = control<QPlainTextEdit>(tool, "Text2");
            QVERIFY(!control<QLabel>(tool, "Label5")->isHidden() && !error->isHidden());
            const QString shown = QString(ErrMsg).replace("\r\n", "\n") + "\n--------\n" + kInsert;
            QVERIFY(ErrMsg.startsWith("Error Code : DB0003\r\n"));
            QCOMPARE(error->toPlainText(), shown);
            QCOMPARE(control<QLabel>(tool, "Label1")->text(),
                     QStringLiteral("Database Error Occurred ! This could be due to saveral "
                                    "reasons :\n  1. Staymark could not find the database! or "
                                    "wrong database file specified.\n  2. Database password do "
                                    "not match.\n  3. Internal Database query Error."));

            // While the tool is open a further failure only changes the error text.
            QVERIFY(!theDBworks::ExecuteUpdateSQL(QStringLiteral("UPDATE tbl_probe SET Note='x'")));
            QVERIFY(ErrMsg.startsWith("Error Code : DB0004\r\n"));
            QCOMPARE(TestSupport::TimesOpenedModal("frmDBLocateTool"), 1);
            QCOMPARE(error->toPlainText(), shown);
        });
        QVERIFY(!theDBworks::ExecuteInsertSQL(kInsert));
        QVERIFY(opened.Ran());
        QCOMPARE(TestSupport::TimesOpenedModal("frmDBLocateTool"), 1);
        QCOMPARE(Dialogs::Testing::Record().size(), 1);

        // Closed, the next failure opens it again.
        Dialogs::Testing::CloseNextModal();
        QVERIFY(!theDBworks::ExecuteInsertSQL(kInsert));
        QCOMPARE(TestSupport::TimesOpenedModal("frmDBLocateTool"), 2);
    }

    void withoutAnErrorTheErrorFieldsStayHidden() {
        runTool([](frmDBLocateTool& tool) {
            QVERIFY(control<QLabel>(tool, "Label5")->isHidden());
            QVERIFY(control<QPlainTextEdit>(tool, "Text2")->isHidden());
        });
    }

    void pageFollowsTheStoredUseSql_data() {
        QTest::addColumn<QString>("useSql");
        QTest::addColumn<bool>("serverPage");
        QTest::newRow("no UseSQL") << QString() << false;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("2") << "2" << false;
        QTest::newRow("not a number") << "yes" << false;
    }
    void pageFollowsTheStoredUseSql() {
        QFETCH(QString, useSql);
        QFETCH(bool, serverPage);
        QFile::remove(AppPaths::ConfigIniPath());
        setSetting("db", "/srv/hotel/data.db");
        setSetting("dbkey", EncryptSecret("front desk"));
        if (!useSql.isNull())
            setSetting("UseSQL", useSql);
        setSetting("SQLhost", "db.hotel.lan:3307");
        setSetting("SQLDBname", "hotel");
        setSetting("SQLUserName", EncryptSecret("frontdesk"));
        setSetting("SQLPassWord", EncryptSecret("pa55"));
        runTool([serverPage](frmDBLocateTool& tool) {
            QCOMPARE(control<QCheckBox>(tool, "Check1")->isChecked(), serverPage);
            verifyPage(tool, serverPage);
            QCOMPARE(field(tool, "Text1")->text(), QStringLiteral("/srv/hotel/data.db"));
            QCOMPARE(field(tool, "txtDBpass")->text(), QStringLiteral("front desk"));
            const QStringList expected =
                serverPage ? QStringList{"db.hotel.lan:3307", "hotel", "frontdesk", "pa55"}
                           : QStringList{"", "", "", ""};
            for (qsizetype i = 0; i < kServerFields.size(); ++i)
                QCOMPARE(field(tool, kServerFields.at(i))->text(), expected.at(i));
        });
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
    }

    void mySqlBoxSwitchesThePages() {
        setSetting("UseSQL", "0");
        runTool([](frmDBLocateTool& tool) {
            auto* box = control<QCheckBox>(tool, "Check1");
            box->click();
            QVERIFY(box->isChecked());
            verifyPage(tool, true);
            box->click();
            verifyPage(tool, false);
        });
    }

    void browsePutsTheChosenFileIntoTheField() {
        runTool([](frmDBLocateTool& tool) {
            auto* browse = control<QPushButton>(tool, "Command1");
            Dialogs::Testing::AnswerNextFile("/srv/hotel/other.db");
            browse->click();
            QCOMPARE(field(tool, "Text1")->text(), QStringLiteral("/srv/hotel/other.db"));
            Dialogs::Testing::AnswerNextFile(QString()); // cancelled
            browse->click();
            QCOMPARE(field(tool, "Text1")->text(), QStringLiteral("/srv/hotel/other.db"));
        });
        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown.at(1).kind, QStringLiteral("open"));
        QCOMPARE(shown.at(1).title, QStringLiteral("Locate Database"));
        QCOMPARE(shown.at(1).text, QStringLiteral("SQLite database (*.db)"));
        QCOMPARE(shown.at(2).initialPath, QStringLiteral("/srv/hotel/other.db"));
    }

    void firstEmptyFieldGetsTheBalloonAndTheFocus_data() {
        QTest::addColumn<bool>("serverPage");
        QTest::addColumn<QStringList>("filled");
        QTest::addColumn<QString>("rejected");
        QTest::addColumn<QString>("rejectedText");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("no database path") << false << QStringList{"txtDBpass"} << "Text1"
                                          << ""
                                          << "Please enter Database path"
                                          << "Please enter Database path!";
        // A line break would start a line of its own in config.ini, or a section.
        const QString twoLines = QStringLiteral("/srv/hotel.db\n[settings]");
        QTest::newRow("a path of two lines")
            << false << QStringList{"txtDBpass"} << "Text1" << twoLines << "Invalid Database Path"
            << "Please enter the Database Path on one line, without line breaks!";
        QTest::newRow("a file password of two lines")
            << false << QStringList{"Text1"} << "txtDBpass" << twoLines
            << "Invalid Database Password"
            << "Please enter the Database Password on one line, without line breaks!";
        QTest::newRow("a user name of two lines")
            << true << QStringList{"txtSQLHost", "txtSQLDBName", "txtSQLPassWord"}
            << "txtSQLUserName" << twoLines << "Invalid User Name"
            << "Please enter the User Name on one line, without line breaks!";
        QTest::newRow("all four server fields empty") << true << QStringList{} << "txtSQLHost"
                                                      << ""
                                                      << "Enter SQL Host"
                                                      << "Enter SQL Host!";
        QTest::newRow("no database name")
            << true << QStringList{"txtSQLHost", "txtSQLUserName", "txtSQLPassWord"}
            << "txtSQLDBName"
            << ""
            << "Enter SQL Database Name"
            << "Please enter SQL Database!";
        QTest::newRow("the password is checked before the user name")
            << true << QStringList{"txtSQLHost", "txtSQLDBName"} << "txtSQLPassWord"
            << ""
            << "Enter SQL password"
            << "Please enter SQL password!";
        QTest::newRow("no user name")
            << true << QStringList{"txtSQLHost", "txtSQLDBName", "txtSQLPassWord"}
            << "txtSQLUserName"
            << ""
            << "Enter SQL Username"
            << "Please enter SQL username!";
    }
    void firstEmptyFieldGetsTheBalloonAndTheFocus() {
        QFETCH(bool, serverPage);
        QFETCH(QStringList, filled);
        QFETCH(QString, rejected);
        QFETCH(QString, rejectedText);
        QFETCH(QString, title);
        QFETCH(QString, text);
        setSetting("UseSQL", "0");
        setSetting("db", "");
        const QByteArray before = configBytes();
        const ToolSteps run = runTool([&](frmDBLocateTool& tool) {
            if (serverPage)
                control<QCheckBox>(tool, "Check1")->click();
            for (const QString& name : kServerFields + kFileFields)
                typeInto(tool, name, filled.contains(name) ? QStringLiteral("x") : QString());
            field(tool, rejected)->insert(rejectedText);
            // Enter in a field confirms, as the button does.
            QTest::keyClick(field(tool, serverPage ? "txtSQLHost" : "txtDBpass"), Qt::Key_Return);
            QVERIFY(tool.isVisible());
            const TestSupport::Balloon balloon = TestSupport::ShownBalloon(&tool);
            QVERIFY(balloon.shown);
            QCOMPARE(balloon.title, title);
            QCOMPARE(balloon.text, text);
            QCOMPARE(balloon.icon, int(CBalloonToolTip::ErrorIcon));
            QCOMPARE(balloon.target.data(), field(tool, rejected));
            QCOMPARE(tool.focusWidget(), field(tool, rejected));

            // Typing into the field takes the balloon away.
            QTest::keyClicks(field(tool, rejected), "a");
            QVERIFY(!TestSupport::ShownBalloon(&tool).shown);
        });
        QVERIFY(!run.ClosedByTheSteps());
        QCOMPARE(configBytes(), before);
    }

    void confirmingTheFilePageStoresItAndReconnects_data() {
        QTest::addColumn<QString>("typedPassword");
        QTest::addColumn<QString>("storedPassword");
        QTest::newRow("no password") << ""
                                     << "";
        QTest::newRow("one letter is not kept") << "k"
                                                << "";
        QTest::newRow("blanks around it are not kept") << "  hotel key "
                                                       << "hotel key";
    }
    void confirmingTheFilePageStoresItAndReconnects() {
        QFETCH(QString, typedPassword);
        QFETCH(QString, storedPassword);
        // From whichever database the run uses, over to another embedded file.
        const QString path = db->Folder() + "/other.db";
        VERIFY_RAN(TestSupport::MakeEmbeddedDatabase(path, {TestSupport::ProbeTableStatement()}));
        const ToolSteps run = runTool([&](frmDBLocateTool& tool) {
            auto* box = control<QCheckBox>(tool, "Check1");
            if (box->isChecked())
                box->click();
            typeInto(tool, "Text1", path);
            typeInto(tool, "txtDBpass", typedPassword);
            control<QPushButton>(tool, "Command2")->click();
            QCOMPARE(tool.result(), int(QDialog::Accepted));
        });
        QVERIFY(run.ClosedByTheSteps());
        QCOMPARE(setting("db"), path);
        const QString key = setting("dbkey");
        QCOMPARE(key.isEmpty() ? QString() : decrypted(key), storedPassword);
        QCOMPARE(setting("UseSQL"), QStringLiteral("0"));

        QCOMPARE(theDBworks::Backend(), DbBackend::SQLite);
        QVERIFY(theDBworks::IsConnected());
        QVERIFY(theDBworks::ExecuteInsertSQL(kInsert));
        QCOMPARE(probeRowsIn(path), 1);
    }

    // Confirming the server page stores the server, encrypted, and reconnects to it: from the
    // server's own settings, and from an embedded file, as a desk does that moves to the server.
    // Either needs the server, so only the run on the server tries them.
    void confirmingTheServerPageStoresItEncryptedAndReconnects_data() {
        QTest::addColumn<bool>("fromTheFile");
        QTest::newRow("from the server's settings") << false;
        QTest::newRow("from an embedded file") << true;
    }
    void confirmingTheServerPageStoresItEncryptedAndReconnects() {
        QFETCH(bool, fromTheFile);
        if (db->Which() != Backend::MariaDB)
            QSKIP("The server page reconnects to the server: the run on MariaDB tries it.");
        const QString database = setting("SQLDBname");
        if (fromTheFile)
            QCOMPARE(startOnAnEmbeddedFile(), QString());
        const ToolSteps run = runTool([&](frmDBLocateTool& tool) {
            auto* box = control<QCheckBox>(tool, "Check1");
            QCOMPARE(box->isChecked(), !fromTheFile);
            if (fromTheFile) {
                box->click();
                typeInto(tool, "txtSQLHost", ServerHost());
                typeInto(tool, "txtSQLDBName", database);
                typeInto(tool, "txtSQLUserName", " " + ServerUser() + " ");
                typeInto(tool, "txtSQLPassWord", ServerPassword());
            }
            QCOMPARE(field(tool, "txtSQLHost")->text(), ServerHost());
            QCOMPARE(field(tool, "txtSQLDBName")->text(), database);
            QCOMPARE(field(tool, "txtSQLUserName")->text().trimmed(), ServerUser());
            QCOMPARE(field(tool, "txtSQLPassWord")->text(), ServerPassword());
            control<QPushButton>(tool, "Command2")->click();
        });
        QVERIFY(run.ClosedByTheSteps());
        QCOMPARE(setting("SQLhost"), ServerHost());
        QCOMPARE(setting("SQLDBname"), database);
        QCOMPARE(setting("SQLUserName"), EncryptSecret(ServerUser()));
        QCOMPARE(setting("SQLPassWord"), EncryptSecret(ServerPassword()));
        QCOMPARE(setting("UseSQL"), QStringLiteral("1"));

        QCOMPARE(theDBworks::Backend(), DbBackend::MySQL);
        QVERIFY(theDBworks::IsConnected());
        theDBworks::OpenRecordset(QStringLiteral("SELECT DATABASE() AS name"));
        QCOMPARE(theDBworks::DBRecordset().Text("name"), database);
    }

    void confirmingReconnectsFromInsideTheFailedStatement() {
        DatabaseFaults::BreakStoredSettings(db->Which());
        theDBworks::CloseConnection();
        const ToolSteps opened([this](frmDBLocateTool& tool) {
            typeWorkingSettings(tool, db->Which());
            control<QPushButton>(tool, "Command2")->click();
        });
        // The statement that met the failure is not sent again: the user repeats the action.
        QVERIFY(!theDBworks::ExecuteInsertSQL(kInsert));
        QVERIFY(opened.ClosedByTheSteps());
        QVERIFY(theDBworks::ExecuteInsertSQL(kInsert));
        QCOMPARE(db->Count("tbl_probe"), 1);
    }

    void aConfirmationThatCannotConnectSaysWhyAndStays_data() {
        QTest::addColumn<bool>("serverPage");
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing file") << false << "Could not find file '/nowhere/data.db'.";
        QTest::newRow("no server answers") << true << "Can't connect to";
    }
    void aConfirmationThatCannotConnectSaysWhyAndStays() {
        QFETCH(bool, serverPage);
        QFETCH(QString, cause);
        const QString explanation =
            QStringLiteral("The database could not be opened with these settings:\r\n");
        const ToolSteps run = runTool([&](frmDBLocateTool& tool) {
            confirmOnPage(tool, serverPage, "/nowhere/data.db", "127.0.0.1:1");
            QVERIFY(tool.isVisible());
            QVERIFY2(failureShown(tool, explanation).startsWith(cause),
                     qPrintable(TestSupport::LastMessage()));
        });
        QVERIFY(!run.ClosedByTheSteps());
        QVERIFY(!theDBworks::IsConnected());
        QVERIFY(!frmDBLocateTool::Instance());
    }

    // The settings config.ini holds still open the database, but the new ones cannot be stored
    // there: nothing is connected, and the tool says why and stays.
    void settingsThatCannotBeStoredAreSaidAndNotConnected_data() {
        QTest::addColumn<bool>("serverPage");
        QTest::newRow("the file page") << false;
        QTest::newRow("the server page") << true;
    }
    void settingsThatCannotBeStoredAreSaidAndNotConnected() {
        QFETCH(bool, serverPage);
        const QString otherFile = db->Folder() + "/other.db";
        VERIFY_RAN(
            TestSupport::MakeEmbeddedDatabase(otherFile, {TestSupport::ProbeTableStatement()}));
        theDBworks::CloseConnection();
        const QByteArray before = configBytes();
        const ReadOnlySettingsFile readOnly;
        VERIFY_RAN(readOnly.error);
        const QString explanation = QStringLiteral(
            "The settings were not stored, so the database was not opened with them:\r\n");
        const ToolSteps run = runTool([&](frmDBLocateTool& tool) {
            confirmOnPage(tool, serverPage, otherFile, "db.hotel.lan:3307");
            QVERIFY(tool.isVisible());
            QVERIFY2(failureShown(tool, explanation)
                         .startsWith("Could not write " + AppPaths::ConfigIniPath() + ": "),
                     qPrintable(TestSupport::LastMessage()));
            QVERIFY(!theDBworks::IsConnected());
        });
        QVERIFY(!run.ClosedByTheSteps());
        QVERIFY(!theDBworks::IsConnected());
        QCOMPARE(configBytes(), before);
        QCOMPARE(QDir(AppPaths::ProgramFolder())
                     .entryList({QStringLiteral("config.ini*")}, QDir::Files | QDir::Hidden),
                 QStringList{"config.ini"});
    }

    void closingWithoutConfirmingChangesNothing() {
        const QByteArray before = configBytes();
        runTool([](frmDBLocateTool& tool) {
            typeInto(tool, "Text1", "/nowhere/data.db");
            tool.close();
            QCOMPARE(tool.result(), int(QDialog::Rejected));
        });
        QCOMPARE(configBytes(), before);
        QVERIFY(theDBworks::ExecuteInsertSQL(kInsert));
    }
};

STAYMARK_TEST_MAIN(TestDBLocateTool)
#include "tst_frmDBLocateTool.moc"
