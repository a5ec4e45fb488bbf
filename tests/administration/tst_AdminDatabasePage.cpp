#include "administration/AdminDatabasePage.h"
#include "core/AppPaths.h"
#include "core/CCrypto.h"
#include "core/CIniFile.h"
#include "core/ErrorReport.h"
#include "core/frmErrorReport.h"
#include "core/theDBworks.h"
#include "tests/administration/AdminPageHost.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using TestSupport::Backend;
using TestSupport::Messages;
using TestSupport::TestDatabase;

namespace {

const QString kQuestion = QStringLiteral("Modify Database settings?");
const QString kNotice = QStringLiteral("Database details modified!, The chages will take effect "
                                       "only after program re-start!");
const QStringList kSecretKeys{"dbkey", "SQLUserName", "SQLPassWord"};
const QStringList kSettingsKeys{"db",        "dbkey",       "UseSQL",     "SQLhost",
                                "SQLDBname", "SQLUserName", "SQLPassWord"};

QString setting(const QString& key) {
    return ReadConfigValue(QStringLiteral("settings"), key);
}

// Every key of the settings as "key=value", the secrets decrypted.
QStringList settingsAsPlainText() {
    QStringList keys;
    for (const QString& key : kSettingsKeys)
        keys << key + QLatin1Char('=') +
                    (kSecretKeys.contains(key) ? DecryptSecret(setting(key)) : setting(key));
    return keys;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool isWhite(const QLineEdit* box) {
    return box->palette().color(QPalette::Base) == QColor(Qt::white);
}

// While it lives, no file this program writes may grow past a few bytes: a full disk.
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = 16;
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    Q_DISABLE_COPY_MOVE(FullDisk)

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

// Where a database is: a file, or a server with its login.
struct DatabasePlace {
    bool server = false;
    QString path;
    QString host;
    QString name;
    QString user;
    QString password;
};

DatabasePlace placeOf(TestDatabase& db) {
    CIniFile ini;
    ini.Path(db.ConfigIni());
    ini.Section(QStringLiteral("settings"));
    const auto read = [&ini](const char* key) {
        ini.Key(QLatin1String(key));
        return ini.Value();
    };
    if (db.Which() == Backend::SQLite)
        return {false, read("db"), {}, {}, {}, {}};
    return {true,
            {},
            read("SQLhost"),
            read("SQLDBname"),
            DecryptSecret(read("SQLUserName")),
            DecryptSecret(read("SQLPassWord"))};
}

} // namespace

// The database settings page on its own: what it shows, the boxes it switches, Browse, and
// the settings it saves for the next start.
class TestAdminDatabasePage : public AdminPageHost<AdminDatabasePage> {
    Q_OBJECT

    // Settings that each save keeps or replaces.
    static void writeOldSettings() {
        CIniFile ini = ConfigIni(QStringLiteral("settings"));
        ini.WriteValues({{"db", "/old/data.db"},
                         {"dbkey", EncryptSecret(QStringLiteral("oldkey"))},
                         {"UseSQL", "5"},
                         {"SQLhost", "oldhost"},
                         {"SQLDBname", "olddb"},
                         {"SQLUserName", EncryptSecret(QStringLiteral("olduser"))},
                         {"SQLPassWord", EncryptSecret(QStringLiteral("oldpw"))}});
    }

    void save(bool yes) {
        Dialogs::Testing::AnswerNextQuestion(yes);
        QTest::mouseClick(page()->Command3, Qt::LeftButton);
    }

    void fillServer(const DatabasePlace& place) {
        if (!page()->UseMySQL->isChecked())
            ClickCheckBox(page()->UseMySQL);
        page()->txtSQLHost->setText(place.host);
        page()->txtSQLDBName->setText(place.name);
        page()->txtSQLUserName->setText(place.user);
        page()->txtSQLPassWord->setText(place.password);
    }

    void browseTo(const QString& path) {
        Dialogs::Testing::AnswerNextFile(path);
        QTest::mouseClick(page()->Command2, Qt::LeftButton);
    }

    // Through the page, as the administrator does it; then the connection starts again.
    void switchTo(const DatabasePlace& place) {
        Dialogs::Testing::Reset();
        if (place.server) {
            fillServer(place);
        } else {
            if (page()->UseMySQL->isChecked())
                ClickCheckBox(page()->UseMySQL);
            browseTo(place.path);
        }
        save(true);
        const QStringList browsed =
            place.server ? QStringList() : QStringList{QStringLiteral("SQLite database (*.db)")};
        QCOMPARE(Messages(), browsed + QStringList({kQuestion, kNotice}));
        theDBworks::OpenConnection();
    }

    void expectBoxesInUse(bool server) {
        for (QLineEdit* box : {page()->txtSQLHost, page()->txtSQLDBName, page()->txtSQLUserName,
                               page()->txtSQLPassWord}) {
            QCOMPARE(box->isEnabled(), server);
            QCOMPARE(isWhite(box), server);
        }
        for (QLineEdit* box : {page()->txtDBpath, page()->txtDBpass}) {
            QCOMPARE(box->isEnabled(), !server);
            QCOMPARE(isWhite(box), !server);
        }
    }

private slots:
    void showsTheConnectionInUse() {
        page()->LoadSettings();
        QCOMPARE(page()->Frame3->title(), QStringLiteral("Other Settings"));
        QCOMPARE(page()->Command2->text(), QStringLiteral("Browse"));
        QCOMPARE(page()->UseMySQL->text(), QStringLiteral("Use My SQL"));
        QCOMPARE(page()->Command3->text(), QStringLiteral("&Save DB Changes"));
        QVERIFY(page()->Label12->text().startsWith(QStringLiteral("By default, database is "
                                                                  "password protected.")));
        QVERIFY(page()->txtDBpath->isReadOnly());
        QCOMPARE(page()->txtDBpass->echoMode(), QLineEdit::Password);
        QCOMPARE(page()->txtSQLPassWord->echoMode(), QLineEdit::Normal);

        const DatabasePlace place = placeOf(*db);
        QCOMPARE(page()->UseMySQL->isChecked(), place.server);
        expectBoxesInUse(place.server);
        QCOMPARE(page()->txtDBpath->text(), place.path);
        // No dbkey in config.ini: the default password is the one in use.
        QCOMPARE(page()->txtDBpass->text(), place.server ? QString() : QStringLiteral("513097"));
        QCOMPARE(page()->txtSQLHost->text(), place.host);
        QCOMPARE(page()->txtSQLDBName->text(), place.name);
        QCOMPARE(page()->txtSQLUserName->text(), place.user);
        QCOMPARE(page()->txtSQLPassWord->text(), place.password);
        VERIFY_NOTHING_SHOWN();
    }

    void showsTheSettingsInMemoryNotTheFile_data() {
        QTest::addColumn<int>("useSql");
        QTest::addColumn<bool>("server");
        QTest::newRow("file") << 0 << false;
        QTest::newRow("server") << 1 << true;
        QTest::newRow("another number: the file") << 2 << false;
    }
    void showsTheSettingsInMemoryNotTheFile() {
        QFETCH(int, useSql);
        QFETCH(bool, server);
        writeOldSettings();
        theDBworks::UseSQLFlag = useSql;
        theDBworks::DBPath = QStringLiteral("/srv/hotel.db");
        theDBworks::DBKey = QStringLiteral("filekey");
        theDBworks::SQLServerHost = QStringLiteral("db.hotel.lan:3307");
        theDBworks::SQLDatabaseName = QStringLiteral("hotel");
        theDBworks::SQLLoginName = QStringLiteral("front");
        theDBworks::SQLLoginPassword = QStringLiteral("s3cret");
        page()->LoadSettings();
        QCOMPARE(page()->UseMySQL->isChecked(), server);
        expectBoxesInUse(server);
        const QStringList shown{page()->txtDBpath->text(),      page()->txtDBpass->text(),
                                page()->txtSQLHost->text(),     page()->txtSQLDBName->text(),
                                page()->txtSQLUserName->text(), page()->txtSQLPassWord->text()};
        const QStringList expected =
            server ? QStringList{"", "", "db.hotel.lan:3307", "hotel", "front", "s3cret"}
                   : QStringList{"/srv/hotel.db", "filekey", "", "", "", ""};
        QCOMPARE(shown, expected);
    }

    void tickingSwitchesOnlyWhichBoxesAreInUse() {
        page()->LoadSettings();
        const QList<QLineEdit*> boxes{page()->txtDBpath,      page()->txtDBpass,
                                      page()->txtSQLHost,     page()->txtSQLDBName,
                                      page()->txtSQLUserName, page()->txtSQLPassWord};
        QStringList texts;
        for (QLineEdit* box : boxes) {
            box->setText(box->objectName() + QStringLiteral(" text"));
            texts << box->text();
        }
        const bool server = page()->UseMySQL->isChecked();
        for (bool expected : {!server, server}) {
            ClickCheckBox(page()->UseMySQL);
            QCOMPARE(page()->UseMySQL->isChecked(), expected);
            expectBoxesInUse(expected);
            QStringList now;
            for (QLineEdit* box : boxes)
                now << box->text();
            QCOMPARE(now, texts);
        }
        VERIFY_NOTHING_SHOWN();
        QVERIFY(!frmErrorReport::Instance());
    }

    void browsePicksTheDatabaseFile_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("shown");
        QTest::newRow("chosen") << "/srv/hotel/data.db"
                                << "/srv/hotel/data.db";
        QTest::newRow("cancelled") << ""
                                   << "/before/data.db";
    }
    void browsePicksTheDatabaseFile() {
        QFETCH(QString, chosen);
        QFETCH(QString, shown);
        page()->txtDBpath->setText(QStringLiteral("/before/data.db"));
        browseTo(chosen);
        QCOMPARE(page()->txtDBpath->text(), shown);
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
        const Dialogs::Shown& dialog = Dialogs::Testing::Record().first();
        QCOMPARE(dialog.kind, QStringLiteral("open"));
        QCOMPARE(dialog.title, QStringLiteral("Locate Database"));
        QCOMPARE(dialog.text, QStringLiteral("SQLite database (*.db)"));
        QCOMPARE(dialog.initialPath, QStringLiteral("/before/data.db"));
    }

    void saveWritesTheKeysOfItsBranch_data() {
        QTest::addColumn<bool>("server");
        QTest::addColumn<QStringList>("typed"); // path, password; or host, name, user, password
        QTest::addColumn<QStringList>("stored");
        const QStringList oldServer{"SQLhost=oldhost", "SQLDBname=olddb", "SQLUserName=olduser",
                                    "SQLPassWord=oldpw"};
        QTest::newRow("file") << false << QStringList{"/srv/hotel.db", "secret"}
                              << QStringList{"db=/srv/hotel.db", "dbkey=secret", "UseSQL=0"} +
                                     oldServer;
        QTest::newRow("file, password trimmed")
            << false << QStringList{"/srv/hotel.db", "  pw  "}
            << QStringList{"db=/srv/hotel.db", "dbkey=pw", "UseSQL=0"} + oldServer;
        QTest::newRow("file, one character: the default applies")
            << false << QStringList{"/srv/hotel.db", "x"}
            << QStringList{"db=/srv/hotel.db", "dbkey=", "UseSQL=0"} + oldServer;
        QTest::newRow("file, blanks only")
            << false << QStringList{"/srv/hotel.db", "   "}
            << QStringList{"db=/srv/hotel.db", "dbkey=", "UseSQL=0"} + oldServer;
        QTest::newRow("server") << true
                                << QStringList{"db.hotel.lan:3307", "hotel", "  front  ",
                                               " s3cret "}
                                << QStringList{"db=/old/data.db",   "dbkey=oldkey",
                                               "UseSQL=1",          "SQLhost=db.hotel.lan:3307",
                                               "SQLDBname=hotel",   "SQLUserName=front",
                                               "SQLPassWord=s3cret"};
    }
    void saveWritesTheKeysOfItsBranch() {
        QFETCH(bool, server);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, stored);
        writeOldSettings();
        page()->LoadSettings();
        if (server) {
            fillServer({true, {}, typed.at(0), typed.at(1), typed.at(2), typed.at(3)});
        } else {
            if (page()->UseMySQL->isChecked())
                ClickCheckBox(page()->UseMySQL);
            page()->txtDBpath->setText(typed.at(0));
            page()->txtDBpass->setText(typed.at(1));
        }
        save(true);

        QCOMPARE(settingsAsPlainText(), stored);
        // The secrets are kept enciphered.
        for (const QString& key : kSecretKeys)
            if (!setting(key).isEmpty())
                QCOMPARE(setting(key).size() % 16, 0);
        QCOMPARE(Messages(), (QStringList{kQuestion, kNotice}));
        const Dialogs::Shown& question = Dialogs::Testing::Record().first();
        QCOMPARE(question.kind, QStringLiteral("question"));
        QCOMPARE(question.icon, Dialogs::Icon::Information);
        const Dialogs::Shown& notice = Dialogs::Testing::Record().last();
        QCOMPARE(notice.icon, Dialogs::Icon::Information);
        QCOMPARE(notice.title, Dialogs::ProgramTitle());
        QCOMPARE(LogRowsOf(*db),
                 QStringList{QStringLiteral("Database Settings Modified (Use SQL : ") +
                             (server ? QStringLiteral("Yes") : QStringLiteral("No")) +
                             QStringLiteral(")|admin|DBChanges")});
        QVERIFY(!frmErrorReport::Instance());
    }

    void anEmptyServerLoginIsReportedAndStoredEmpty() {
        writeOldSettings();
        page()->LoadSettings();
        fillServer({true,
                    {},
                    QStringLiteral("db.hotel.lan"),
                    QStringLiteral("hotel"),
                    QString(),
                    QStringLiteral("pw")});
        save(true);
        QVERIFY(frmErrorReport::Instance());
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : ENDN002 \r\nBoth a string and a key are "
                                        "required"));
        QCOMPARE(setting(QStringLiteral("SQLUserName")), QString());
        QCOMPARE(DecryptSecret(setting(QStringLiteral("SQLPassWord"))), QStringLiteral("pw"));
        QCOMPARE(setting(QStringLiteral("UseSQL")), QStringLiteral("1"));
        QCOMPARE(Messages(), (QStringList{kQuestion, kNotice}));
        QCOMPARE(LogRowsOf(*db).size(), 1);
    }

    void answeringNoWritesAndLogsNothing() {
        writeOldSettings();
        page()->LoadSettings();
        fillServer({true,
                    {},
                    QStringLiteral("h"),
                    QStringLiteral("d"),
                    QStringLiteral("u"),
                    QStringLiteral("p")});
        const QByteArray before = fileBytes(AppPaths::ConfigIniPath());
        save(false);
        QCOMPARE(fileBytes(AppPaths::ConfigIniPath()), before);
        QCOMPARE(Messages(), QStringList{kQuestion});
        QCOMPARE(LogRowsOf(*db), QStringList());
    }

    void aSettingsFileThatCannotBeWrittenStaysWhole() {
        writeOldSettings();
        page()->LoadSettings();
        fillServer({true,
                    {},
                    QStringLiteral("db.hotel.lan:3307"),
                    QStringLiteral("hotel"),
                    QStringLiteral("front"),
                    QStringLiteral("s3cret")});
        const QByteArray before = fileBytes(AppPaths::ConfigIniPath());
        {
            FullDisk full;
            save(true);
        }
        QCOMPARE(fileBytes(AppPaths::ConfigIniPath()), before);
        QCOMPARE(QDir(AppPaths::ProgramFolder())
                     .entryList({QStringLiteral("config.ini*")}, QDir::Files | QDir::Hidden),
                 QStringList{"config.ini"});
        QVERIFY(frmErrorReport::Instance());
        QVERIFY(ErrMsg.startsWith(QStringLiteral("Error Code : ADM0006\r\nCould not write ")));
        // Nothing was changed, so nothing is logged or announced.
        QCOMPARE(Messages(), QStringList{kQuestion});
        QCOMPARE(LogRowsOf(*db), QStringList());
    }

    void aBoxOfMoreThanOneLineIsRefusedAtTheBox_data() {
        QTest::addColumn<bool>("server");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("caption");
        QTest::newRow("path, browsed") << false << "txtDBpath"
                                       << "browse"
                                       << "Database Path";
        QTest::newRow("file password, pasted") << false << "txtDBpass"
                                               << "paste"
                                               << "Database Password";
        QTest::newRow("host, pasted") << true << "txtSQLHost"
                                      << "paste"
                                      << "Host Name";
        QTest::newRow("database name, inserted") << true << "txtSQLDBName"
                                                 << "insert"
                                                 << "DB Name";
        QTest::newRow("user name, inserted") << true << "txtSQLUserName"
                                             << "insert"
                                             << "User Name";
        QTest::newRow("server password, inserted") << true << "txtSQLPassWord"
                                                   << "insert"
                                                   << "Password";
    }
    void aBoxOfMoreThanOneLineIsRefusedAtTheBox() {
        QFETCH(bool, server);
        QFETCH(QString, box);
        QFETCH(QString, how);
        QFETCH(QString, caption);
        writeOldSettings();
        page()->LoadSettings();
        if (server)
            fillServer({true, {}, "db.hotel.lan", "hotel", "front", "s3cret"});
        else if (page()->UseMySQL->isChecked())
            ClickCheckBox(page()->UseMySQL);
        const QString pasted = QStringLiteral("other\n[settings]\nUseSQL=0\ndb=/tmp/x.db");
        auto* field = TestSupport::control<QLineEdit>(page(), box);
        if (how == QLatin1String("browse")) {
            browseTo(pasted);
        } else {
            field->clear();
            if (how == QLatin1String("paste")) {
                QGuiApplication::clipboard()->setText(pasted);
                field->paste();
            } else {
                field->insert(pasted);
            }
        }
        QVERIFY(field->text().contains(QLatin1Char('\n')));
        Dialogs::Testing::Reset();
        const QByteArray before = fileBytes(AppPaths::ConfigIniPath());

        QTest::mouseClick(page()->Command3, Qt::LeftButton);
        const TestSupport::Balloon balloon = TestSupport::ShownBalloon(hostWindow());
        QVERIFY(balloon.shown);
        QCOMPARE(balloon.TargetName(), box);
        QCOMPARE(balloon.title, QStringLiteral("Invalid ") + caption);
        QCOMPARE(
            balloon.text,
            QStringLiteral("Please enter the %1 on one line, without line breaks!").arg(caption));
        QCOMPARE(fileBytes(AppPaths::ConfigIniPath()), before);
        VERIFY_NOTHING_SHOWN();
        QCOMPARE(LogRowsOf(*db), QStringList());
        QVERIFY(!frmErrorReport::Instance());
    }

    void switchesToTheOtherDatabaseAndBack() {
        const Backend other = db->Which() == Backend::SQLite ? Backend::MariaDB : Backend::SQLite;
        // The other database is made first, so that this test's program folder and connection
        // are the page's again afterwards.
        stopProgram();
        TestDatabase otherDb(other);
        if (!otherDb.SetupError().isEmpty()) {
            if (qEnvironmentVariableIsEmpty("STAYMARK_TEST_MYSQL_REQUIRED"))
                QSKIP("No MariaDB server for the other end of the switch");
            QFAIL(qPrintable(otherDb.SetupError()));
        }
        QCOMPARE(startProgram(), QString());
        const DatabasePlace here = placeOf(*db);
        const DatabasePlace there = placeOf(otherDb);
        const DbBackend hereBackend = theDBworks::Backend();
        page()->LoadSettings();

        switchTo(there);
        QVERIFY(theDBworks::IsConnected());
        QVERIFY(theDBworks::Backend() != hereBackend);
        // The page shows the new connection the next time it loads.
        page()->LoadSettings();
        QCOMPARE(page()->UseMySQL->isChecked(), there.server);
        QCOMPARE(there.server ? page()->txtSQLDBName->text() : page()->txtDBpath->text(),
                 there.server ? there.name : there.path);

        switchTo(here);
        QVERIFY(theDBworks::IsConnected());
        QCOMPARE(theDBworks::Backend(), hereBackend);
        theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_HotelInfo WHERE ID=1"));
        QCOMPARE(theDBworks::DBRecordset().RecordCount(), 1);

        // Each save logged itself on the database in use at that moment.
        const QString toServer = QStringLiteral("Database Settings Modified (Use SQL : Yes)|admin|"
                                                "DBChanges");
        const QString toFile = QStringLiteral("Database Settings Modified (Use SQL : No)|admin|"
                                              "DBChanges");
        QCOMPARE(LogRowsOf(*db), QStringList{there.server ? toServer : toFile});
        QCOMPARE(LogRowsOf(otherDb), QStringList{there.server ? toFile : toServer});
        // This test's own database goes before the other one.
        stopProgram();
    }
};

STAYMARK_TEST_MAIN(TestAdminDatabasePage)
#include "tst_AdminDatabasePage.moc"
