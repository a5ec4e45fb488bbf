#include "core/AppPaths.h"
#include "core/CIniFile.h"
#include "tests/support/ProgramTest.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QWidget>

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

    void placementIsSavedAndRestoredUnderItsSection() {
        const QString ini = AppPaths::ConfigIniPath();
        QWidget saved;
        saved.setGeometry(40, 60, 640, 480);
        iniAt(ini, QStringLiteral("bokpos")).SaveFormPos(&saved);

        QWidget restored;
        restored.setGeometry(0, 0, 300, 300);
        iniAt(ini, QStringLiteral("bokpos")).LoadFormPos(&restored, 3000, 3000);
        QCOMPARE(restored.geometry(), QRect(40, 60, 640, 480));

        QWidget elsewhere;
        elsewhere.setGeometry(0, 0, 300, 300);
        iniAt(ini, QStringLiteral("pos")).LoadFormPos(&elsewhere, 3000, 3000);
        QCOMPARE(elsewhere.geometry(), QRect(0, 0, 300, 300));
    }

    void placementTooSmallToUseIsNotRestored() {
        const QString ini = AppPaths::ConfigIniPath();
        QWidget tiny;
        tiny.setGeometry(10, 10, 50, 40);
        iniAt(ini, QStringLiteral("pos")).SaveFormPos(&tiny);
        QWidget window;
        window.setGeometry(0, 0, 400, 300);
        iniAt(ini, QStringLiteral("pos")).LoadFormPos(&window, 3000, 3000);
        QCOMPARE(window.geometry(), QRect(0, 0, 400, 300));
    }
};

STAYMARK_TEST_MAIN(TestCIniFile)
#include "tst_CIniFile.moc"
