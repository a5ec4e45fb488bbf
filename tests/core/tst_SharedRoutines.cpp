#include "core/ui/AlwaysOnTop.h"
#include "core/ui/Dialogs.h"
#include "core/ui/PlaySound.h"
#include "core/ui/functions_Store.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/WindowChecks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

namespace {
const QString kCashSound = QStringLiteral(STAYMARK_SOURCE_DIR "/sounds/cashin.wav");
const QVariantList kRoomIdStrips{QStringLiteral("'"), QStringLiteral(";"), QStringLiteral("?")};
} // namespace

class TestSharedRoutines : public TestSupport::ProgramTest {
    Q_OBJECT

private slots:

    void missingOrNonWaveFileIsNotPlayed() {
        QVERIFY(!PlaySound::PlayWave(QStringLiteral("/nonexistent/cashin.wav"), false));
        QVERIFY(
            !PlaySound::PlayWave(QStringLiteral(STAYMARK_SOURCE_DIR "/schema/sqlite.sql"), true));
    }

    // Whether or not the machine has a sound device: the call returns and nothing breaks.
    void cashSoundStartsWithoutWaitingAndWaitingEnds() {
        PlaySound::PlayWave(kCashSound, false);
        PlaySound::PlayWave(kCashSound, false);
        QElapsedTimer clock;
        clock.start();
        PlaySound::PlayWave(kCashSound, true);
        QVERIFY(clock.elapsed() < 10000);
    }

    void topMostIsSetAndClearedOnAShownWindow() {
        QWidget window;
        window.show();
        AlwaysOnTop::SetTopMost(&window, true);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());
        AlwaysOnTop::SetTopMost(&window, false);
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());
    }

    void replaceListAppliesEachElementInOrder_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QVariantList>("list");
        QTest::addColumn<QString>("expected");
        QTest::newRow("room identifier strip") << "1'0;1?A"
                                               << "" << kRoomIdStrips << "101A";
        QTest::newRow("each on the result of the one before")
            << "abc"
            << "b" << QVariantList{QStringLiteral("a"), QStringLiteral("bb")} << "bc";
        QTest::newRow("letter case counts") << "aAa"
                                            << "-" << QVariantList{QStringLiteral("a")} << "-A-";
        QTest::newRow("empty element changes nothing") << "abc"
                                                       << "x" << QVariantList{QString()} << "abc";
        QTest::newRow("numbers are texts too") << "a1b1"
                                               << "" << QVariantList{1} << "ab";
    }
    void replaceListAppliesEachElementInOrder() {
        QFETCH(QString, text);
        QFETCH(QString, replacement);
        QFETCH(QVariantList, list);
        QFETCH(QString, expected);
        QCOMPARE(functions_Store::ReplaceList(text, replacement, list), expected);
        VERIFY_NOTHING_SHOWN();
    }

    void elementThatIsNoTextGivesTheCriticalMessage() {
        const QVariantList list{QStringLiteral("'"), QVariant(QVariantList{1, 2})};
        QCOMPARE(functions_Store::ReplaceList(QStringLiteral("1'0"), QString(), list), QString());
        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).icon, Dialogs::Icon::Critical);
        QCOMPARE(shown.at(0).title, QStringLiteral("Staymark"));
        QCOMPARE(shown.at(0).text,
                 QStringLiteral("Functions_Module_01\r\nError : 13\r\nType mismatch\r\n Critical "
                                "error, please report to : support@staymark.example"));
    }
};

STAYMARK_TEST_MAIN(TestSharedRoutines)
#include "tst_SharedRoutines.moc"
