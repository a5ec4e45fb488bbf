#include "core/AppPaths.h"
#include "core/CCrypto.h"
#include "core/CIniFile.h"
#include "core/DatabaseSettings.h"
#include "core/Errors.h"
#include "core/Settings.h"
#include "core/theDBworks.h"
#include "tests/support/DataTest.h"

#include <QFile>
#include <QTest>

namespace {

void writeSetting(const QString& key, const QString& value) {
    WriteConfigValue(QStringLiteral("settings"), key, value);
}

// Where the program looks for its embedded database when config.ini names none.
QString defaultDatabase() {
    return AppPaths::ProgramFolder() + QStringLiteral("/data.db");
}

} // namespace

// How config.ini chooses and opens the database.
class TestSettings : public TestSupport::ProgramTest {
    Q_OBJECT

    void cleanupTest() override { theDBworks::CloseConnection(); }

private slots:
    void freshInstallWithoutConfigOpensTheEmbeddedDatabase() {
        VERIFY_RAN(TestSupport::MakeEmbeddedDatabase(defaultDatabase()));
        theDBworks::OpenConnection();
        QVERIFY(theDBworks::IsConnected());
        QCOMPARE(theDBworks::Backend(), DbBackend::SQLite);
        QCOMPARE(theDBworks::DBPath, defaultDatabase());
        QCOMPARE(theDBworks::DBKey, QStringLiteral("513097"));
        QCOMPARE(theDBworks::UseSQLFlag, 0);
    }

    void useSqlChoosesTheBackEnd_data() {
        QTest::addColumn<QString>("useSql");
        QTest::addColumn<int>("flag");
        QTest::newRow("missing") << QString() << 0;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("other number") << "2" << 2;
        QTest::newRow("one") << "1" << 1;
    }
    void useSqlChoosesTheBackEnd() {
        QFETCH(QString, useSql);
        QFETCH(int, flag);
        VERIFY_RAN(TestSupport::MakeEmbeddedDatabase(defaultDatabase()));
        if (!useSql.isNull())
            writeSetting(QStringLiteral("UseSQL"), useSql);
        // A server that refuses at once: only the choice of back end is under test here.
        writeSetting(QStringLiteral("SQLhost"), QStringLiteral("127.0.0.1:1"));
        bool opened = true;
        try {
            theDBworks::OpenConnection();
        } catch (const DatabaseError&) {
            opened = false;
        }
        QCOMPARE(theDBworks::UseSQLFlag, flag);
        QCOMPARE(theDBworks::Backend(), flag == 1 ? DbBackend::MySQL : DbBackend::SQLite);
        QCOMPARE(opened, flag != 1);
    }

    void secretsAreReadDecryptedAndTheRestAsStored() {
        writeSetting(QStringLiteral("db"), QStringLiteral("/srv/hotel/data.db"));
        writeSetting(QStringLiteral("dbkey"),
                     QStringLiteral("  ") + EncryptSecret(QStringLiteral("s3cret")));
        writeSetting(QStringLiteral("UseSQL"), QStringLiteral("1"));
        writeSetting(QStringLiteral("SQLhost"), QStringLiteral("db.hotel.lan"));
        writeSetting(QStringLiteral("SQLDBname"), QStringLiteral("staymark"));
        writeSetting(QStringLiteral("SQLUserName"), EncryptSecret(QStringLiteral("frontdesk")));
        writeSetting(QStringLiteral("SQLPassWord"), EncryptSecret(QStringLiteral("pa'ss")));
        QCOMPARE(theDBworks::ReadDBConfig(), QStringLiteral("/srv/hotel/data.db"));
        QCOMPARE(theDBworks::DBKey, QStringLiteral("s3cret"));
        QCOMPARE(theDBworks::GetDBKey(), QStringLiteral("s3cret"));
        QCOMPARE(theDBworks::UseSQLFlag, 1);
        QCOMPARE(theDBworks::SQLServerHost, QStringLiteral("db.hotel.lan"));
        QCOMPARE(theDBworks::SQLDatabaseName, QStringLiteral("staymark"));
        QCOMPARE(theDBworks::SQLLoginName, QStringLiteral("frontdesk"));
        QCOMPARE(theDBworks::SQLLoginPassword, QStringLiteral("pa'ss"));
    }

    void emptyKeyReadsEmptyAndMeansTheDefaultPassword() {
        writeSetting(QStringLiteral("dbkey"), QString());
        QCOMPARE(theDBworks::GetDBKey(), QString());
        theDBworks::ReadDBConfig();
        QCOMPARE(theDBworks::DBKey, QStringLiteral("513097"));
    }

    void missingDatabaseFileIsAFailureNotANewEmptyDatabase() {
        const QString missing = AppPaths::ProgramFolder() + QStringLiteral("/moved-away.db");
        writeSetting(QStringLiteral("db"), missing);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, theDBworks::OpenConnection());
        QVERIFY(!theDBworks::IsConnected());
        QVERIFY(!QFile::exists(missing));
    }

    void fileThatIsNoDatabaseIsRefused() {
        QFile file(defaultDatabase());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        QVERIFY_THROWS_EXCEPTION(DatabaseError, theDBworks::OpenConnection());
        QVERIFY(!theDBworks::IsConnected());
    }

    // A config.ini that cannot be read as the program's, beside an embedded database that the
    // program must not open in its place: the cause names the file and the key.
    void settingsThatCannotBeReadAreNamed_data() {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("why");
        const QString server = QStringLiteral("[settings]\nUseSQL=1\nSQLhost=db.hotel.lan\n");
        QByteArray utf16("\xff\xfe");
        for (const QChar c : server)
            utf16.append(char(c.unicode() & 0xff)).append('\0');
        QTest::newRow("saved as UTF-16")
            << utf16 << "db"
            << "the file was saved as UTF-16 text, so none of its keys can be read; save it "
               "again as UTF-8.";
        QTest::newRow("section misspelt")
            << QByteArray("[pos]\nLeft=0\n[setings]\nUseSQL=1\nSQLhost=db.hotel.lan\n") << "UseSQL"
            << "it stands in section [setings] instead.";
        QTest::newRow("UseSQL a word")
            << QByteArray("[settings]\nUseSQL=yes\nSQLhost=db.hotel.lan\n") << "UseSQL"
            << "its value \"yes\" is not a number (1 chooses the database server, 0 the database "
               "file).";
        QTest::newRow("a path of 1 MB")
            << QByteArray("[settings]\ndb=/") + QByteArray(1 << 20, 'a') + '\n'
            << "db"
            << "its value holds 1048577 characters, more than any path or name has.";
        QTest::newRow("not UTF-8")
            << QByteArray("[settings]\ndb=/srv/h\xf4tel/data.db\n") << "db"
            << "the file is not UTF-8 text, so its keys cannot be read as they were written; "
               "save it again as UTF-8.";
    }
    void settingsThatCannotBeReadAreNamed() {
        QFETCH(QByteArray, config);
        QFETCH(QString, key);
        QFETCH(QString, why);
        VERIFY_RAN(TestSupport::MakeEmbeddedDatabase(defaultDatabase()));
        QFile file(AppPaths::ConfigIniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(config);
        file.close();
        QString cause;
        try {
            theDBworks::OpenConnection();
        } catch (const DatabaseError& error) {
            cause = error.Description();
        }
        QCOMPARE(cause, QStringLiteral("Staymark cannot read the key %1 of section [settings] in "
                                       "'%2': %3")
                            .arg(key, AppPaths::ConfigIniPath(), why));
        QVERIFY(!theDBworks::IsConnected());
    }

    // The locate tool's settings saved over a config.ini saved as UTF-16 leave a file the
    // program reads, with what it held besides.
    void settingsSavedOverUtf16TextCanBeRead() {
        VERIFY_RAN(TestSupport::MakeEmbeddedDatabase(defaultDatabase()));
        const QString text = QStringLiteral("[pos]\r\nLeft=10\r\n[settings]\r\nUseSQL=1\r\n");
        QFile file(AppPaths::ConfigIniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\xff\xfe") +
                   QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
        file.close();
        QVERIFY(!Settings::UnreadableSettings().isEmpty());
        DatabaseSettings::SaveFile(defaultDatabase(), QString());
        QCOMPARE(Settings::UnreadableSettings(), QString());
        QCOMPARE(ReadConfigValue(QStringLiteral("pos"), QStringLiteral("Left")),
                 QStringLiteral("10"));
        theDBworks::OpenConnection();
        QVERIFY(theDBworks::IsConnected());
        QCOMPARE(theDBworks::Backend(), DbBackend::SQLite);
    }

    // What Notepad and the program itself write reads as it was meant: "<folder>" stands for
    // the program's folder.
    void settingsThatCanBeReadOpenTheirDatabase_data() {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QString>("file");
        QTest::newRow("window places only") << QByteArray("[pos]\nLeft=10\nTop=10\n") << "data.db";
        QTest::newRow("UTF-8 with a byte order mark")
            << QByteArray("\xef\xbb\xbf[settings]\ndb=<folder>/hotel.db\nUseSQL=0\n") << "hotel.db";
        QTest::newRow("section and key in other letter cases")
            << QByteArray("[Settings]\nDB=<folder>/hotel.db\nuseSQL=0\n") << "hotel.db";
    }
    void settingsThatCanBeReadOpenTheirDatabase() {
        QFETCH(QByteArray, config);
        QFETCH(QString, file);
        const QString database = AppPaths::ProgramFolder() + QLatin1Char('/') + file;
        VERIFY_RAN(TestSupport::MakeEmbeddedDatabase(database));
        QFile ini(AppPaths::ConfigIniPath());
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(config.replace("<folder>", QFile::encodeName(AppPaths::ProgramFolder())));
        ini.close();
        theDBworks::OpenConnection();
        QVERIFY(theDBworks::IsConnected());
        QCOMPARE(theDBworks::DBPath, database);
    }
};

STAYMARK_DATA_TEST_MAIN(TestSettings)
#include "tst_Settings.moc"
