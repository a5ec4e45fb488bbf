#include "core/CIniFile.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QWidget>

using TestSupport::ProgramFolder;

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

class TestCIniFile : public QObject {
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
        ProgramFolder folder;
        write(folder.ConfigIni(), writtenSection, writtenKey, QStringLiteral("1"));
        QCOMPARE(read(folder.ConfigIni(), readSection, readKey), QStringLiteral("1"));
    }

    void writeIsSeenByTheNextReadAndReplacesTheKey() {
        ProgramFolder folder;
        write(folder.ConfigIni(), QStringLiteral("settings"), QStringLiteral("UseSQL"),
              QStringLiteral("0"));
        write(folder.ConfigIni(), QStringLiteral("settings"), QStringLiteral("usesql"),
              QStringLiteral("1"));
        QCOMPARE(read(folder.ConfigIni(), QStringLiteral("settings"), QStringLiteral("UseSQL")),
                 QStringLiteral("1"));
        QCOMPARE(fileText(folder.ConfigIni()).count(QStringLiteral("sql="), Qt::CaseInsensitive),
                 1);
    }

    void missingFileSectionOrKeyReadsEmpty() {
        ProgramFolder folder;
        QCOMPARE(read(folder.ConfigIni(), QStringLiteral("settings"), QStringLiteral("db")),
                 QString());
        write(folder.ConfigIni(), QStringLiteral("pos"), QStringLiteral("Left"),
              QStringLiteral("5"));
        QCOMPARE(read(folder.ConfigIni(), QStringLiteral("settings"), QStringLiteral("Left")),
                 QString());
        QCOMPARE(read(folder.ConfigIni(), QStringLiteral("pos"), QStringLiteral("Top")), QString());
    }

    void fileAndSectionAreCreatedAndOtherLinesKept() {
        ProgramFolder folder;
        {
            QFile file(folder.ConfigIni());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("; kept by hand\n[settings]\ndb=/srv/hotel.db\n\n[pos]\nLeft=1\n");
        }
        write(folder.ConfigIni(), QStringLiteral("settings"), QStringLiteral("UseSQL"),
              QStringLiteral("0"));
        write(folder.ConfigIni(), QStringLiteral("bokpos"), QStringLiteral("bokState"),
              QStringLiteral("2"));
        QCOMPARE(fileText(folder.ConfigIni()),
                 QStringLiteral("; kept by hand\n[settings]\ndb=/srv/hotel.db\nUseSQL=0\n\n[pos]\n"
                                "Left=1\n\n[bokpos]\nbokState=2\n"));
        QCOMPARE(read(folder.ConfigIni(), QStringLiteral("settings"), QStringLiteral("db")),
                 QStringLiteral("/srv/hotel.db"));
    }

    void placementIsSavedAndRestoredUnderItsSection() {
        ProgramFolder folder;
        QWidget saved;
        saved.setGeometry(40, 60, 640, 480);
        CIniFile ini = iniAt(folder.ConfigIni(), QStringLiteral("bokpos"));
        ini.SaveFormPos(&saved);

        QWidget restored;
        restored.setGeometry(0, 0, 300, 300);
        iniAt(folder.ConfigIni(), QStringLiteral("bokpos")).LoadFormPos(&restored, 3000, 3000);
        QCOMPARE(restored.geometry(), QRect(40, 60, 640, 480));

        QWidget elsewhere;
        elsewhere.setGeometry(0, 0, 300, 300);
        iniAt(folder.ConfigIni(), QStringLiteral("pos")).LoadFormPos(&elsewhere, 3000, 3000);
        QCOMPARE(elsewhere.geometry(), QRect(0, 0, 300, 300));
    }

    void placementTooSmallToUseIsNotRestored() {
        ProgramFolder folder;
        QWidget tiny;
        tiny.setGeometry(10, 10, 50, 40);
        iniAt(folder.ConfigIni(), QStringLiteral("pos")).SaveFormPos(&tiny);
        QWidget window;
        window.setGeometry(0, 0, 400, 300);
        iniAt(folder.ConfigIni(), QStringLiteral("pos")).LoadFormPos(&window, 3000, 3000);
        QCOMPARE(window.geometry(), QRect(0, 0, 400, 300));
    }
};

STAYMARK_TEST_MAIN(TestCIniFile)
#include "tst_CIniFile.moc"
