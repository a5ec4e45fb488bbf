#include "core/AppPaths.h"
#include "core/CIniFile.h"
#include "core/Errors.h"
#include "tests/support/DataTest.h"

#include <QFile>
#include <QTest>

namespace {

CIniFile iniAt(const QString& path, const QString& section) {
    CIniFile ini;
    ini.Path(path);
    ini.Section(section);
    return ini;
}

QString read(const QString& path, const QString& section, const QString& key) {
    CIniFile ini = iniAt(path, section);
    ini.Key(key);
    return ini.Value();
}

void write(const QString& path, const QString& section, const QString& key, const QString& value) {
    CIniFile ini = iniAt(path, section);
    ini.Key(key);
    ini.Value(value);
}

QString fileText(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestCIniFile : public TestSupport::ProgramTest {
    Q_OBJECT

private slots:
    void keysAndSectionsMatchWithoutCase_data() {
        QTest::addColumn<QString>("writtenSection");
        QTest::addColumn<QString>("writtenKey");
        QTest::addColumn<QString>("readSection");
        QTest::addColumn<QString>("readKey");
        QTest::newRow("program writes UseSQL, reads useSQL") << "settings"
                                                             << "UseSQL"
                                                             << "settings"
                                                             << "useSQL";
        QTest::newRow("section in other case") << "Settings"
                                               << "db"
                                               << "SETTINGS"
                                               << "DB";
    }
    void keysAndSectionsMatchWithoutCase() {
        QFETCH(QString, writtenSection);
        QFETCH(QString, writtenKey);
        QFETCH(QString, readSection);
        QFETCH(QString, readKey);
        const QString ini = AppPaths::ConfigIniPath();
        write(ini, writtenSection, writtenKey, QStringLiteral("1"));
        QCOMPARE(read(ini, readSection, readKey), QStringLiteral("1"));
    }

    void writeIsSeenByTheNextReadAndReplacesTheKey() {
        const QString ini = AppPaths::ConfigIniPath();
        write(ini, QStringLiteral("settings"), QStringLiteral("UseSQL"), QStringLiteral("0"));
        write(ini, QStringLiteral("settings"), QStringLiteral("usesql"), QStringLiteral("1"));
        QCOMPARE(read(ini, QStringLiteral("settings"), QStringLiteral("UseSQL")),
                 QStringLiteral("1"));
        QCOMPARE(fileText(ini).count(QStringLiteral("sql="), Qt::CaseInsensitive), 1);
    }

    void missingFileSectionOrKeyReadsEmpty() {
        const QString ini = AppPaths::ConfigIniPath();
        QCOMPARE(read(ini, QStringLiteral("settings"), QStringLiteral("db")), QString());
        write(ini, QStringLiteral("pos"), QStringLiteral("Left"), QStringLiteral("5"));
        QCOMPARE(read(ini, QStringLiteral("settings"), QStringLiteral("Left")), QString());
        QCOMPARE(read(ini, QStringLiteral("pos"), QStringLiteral("Top")), QString());
    }

    void fileAndSectionAreCreatedAndOtherLinesKept() {
        const QString ini = AppPaths::ConfigIniPath();
        {
            QFile file(ini);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("; kept by hand\n[settings]\ndb=/srv/hotel.db\n\n[pos]\nLeft=1\n");
        }
        write(ini, QStringLiteral("settings"), QStringLiteral("UseSQL"), QStringLiteral("0"));
        write(ini, QStringLiteral("bokpos"), QStringLiteral("bokState"), QStringLiteral("2"));
        QCOMPARE(fileText(ini),
                 QStringLiteral("; kept by hand\n[settings]\ndb=/srv/hotel.db\nUseSQL=0\n\n[pos]\n"
                                "Left=1\n\n[bokpos]\nbokState=2\n"));
        QCOMPARE(read(ini, QStringLiteral("settings"), QStringLiteral("db")),
                 QStringLiteral("/srv/hotel.db"));
    }

    void aValueOfMoreThanOneLineIsRefusedAndTheFileKeptWhole_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("a pasted section") << "other\n[settings]\nUseSQL=0\ndb=/tmp/x.db";
        QTest::newRow("carriage return") << "other\r";
        QTest::newRow("tab") << "a\tb";
        QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral("b");
        QTest::newRow("next line") << QStringLiteral("a") + QChar(0x85) + QStringLiteral("b");
        QTest::newRow("line separator") << QStringLiteral("a") + QChar(0x2028);
    }
    void aValueOfMoreThanOneLineIsRefusedAndTheFileKeptWhole() {
        QFETCH(QString, value);
        const QString path = AppPaths::ConfigIniPath();
        write(path, "settings", "SQLDBname", "hotel");
        write(path, "settings", "SQLUserName", "ABCD");
        const QString before = fileText(path);

        CIniFile ini = iniAt(path, "settings");
        bool refused = false;
        try {
            ini.WriteValues({{"SQLhost", "db.hotel.lan"}, {"SQLDBname", value}});
        } catch (const StaymarkError& error) {
            refused = true;
            QVERIFY2(error.Description().contains(QLatin1String("SQLDBname")),
                     qPrintable(error.Description()));
        }
        QVERIFY(refused);
        QCOMPARE(fileText(path), before);

        write(path, "settings", "SQLDBname", value);
        QCOMPARE(fileText(path), before);
        QCOMPARE(read(path, "settings", "SQLDBname"), QStringLiteral("hotel"));
        QCOMPARE(read(path, "settings", "SQLUserName"), QStringLiteral("ABCD"));
    }

    void placementIsSavedAndRestoredUnderItsSection() {
        const QString ini = AppPaths::ConfigIniPath();
        iniAt(ini, QStringLiteral("bokpos")).SaveFormPos(QRect(40, 60, 640, 480));
        QCOMPARE(iniAt(ini, QStringLiteral("bokpos")).LoadFormPos(3000, 3000),
                 QRect(40, 60, 640, 480));
        QCOMPARE(iniAt(ini, QStringLiteral("pos")).LoadFormPos(3000, 3000), std::nullopt);
    }

    void placementTooSmallToUseIsNotRestored() {
        const QString ini = AppPaths::ConfigIniPath();
        iniAt(ini, QStringLiteral("pos")).SaveFormPos(QRect(10, 10, 50, 40));
        QCOMPARE(iniAt(ini, QStringLiteral("pos")).LoadFormPos(3000, 3000), std::nullopt);
    }
};

STAYMARK_DATA_TEST_MAIN(TestCIniFile)
#include "tst_CIniFile.moc"
