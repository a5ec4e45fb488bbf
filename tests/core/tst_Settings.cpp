#include "core/AppPaths.h"
#include "core/CCrypto.h"
#include "core/CIniFile.h"
#include "core/Errors.h"
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
        QTest::newRow("not a number") << "yes" << 0;
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
};

STAYMARK_DATA_TEST_MAIN(TestSettings)
#include "tst_Settings.moc"
