#include "core/ErrorReport.h"
#include "core/frmErrorReport.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/WindowChecks.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

// Collects what is written to the program's error log while it lives.
struct ErrorLog {
    ErrorLog() {
        lines_ = &lines;
        previous_ = qInstallMessageHandler(&ErrorLog::collect);
    }
    ~ErrorLog() {
        qInstallMessageHandler(previous_);
        lines_ = nullptr;
    }
    Q_DISABLE_COPY_MOVE(ErrorLog)

    QStringList lines;

private:
    static void collect(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg && lines_ && qstrcmp(context.category, "staymark.errors") == 0)
            lines_->append(text);
    }
    static inline QStringList* lines_ = nullptr;
    QtMessageHandler previous_ = nullptr;
};

class TestErrorReport : public TestSupport::ProgramTest {
    Q_OBJECT

    static QString shownText() { return frmErrorReport::Instance()->txtError->toPlainText(); }

private slots:

    void reportShowsCodeDescriptionAndTheLastStatement() {
        LastSQL = QStringLiteral("SELECT * FROM tbl_Rooms");
        ReportError(QStringLiteral("ADM0016"), QStringLiteral("no such table: tbl_Rooms"));
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : ADM0016\r\nno such table: tbl_Rooms"));
        frmErrorReport* window = frmErrorReport::Instance();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // The statement lines up as typed: every character takes the same width.
        const QFontMetrics metrics(window->txtError->font());
        for (const QChar character : QStringLiteral("iW.M0_ "))
            QCOMPARE(metrics.horizontalAdvance(character), metrics.horizontalAdvance(u'x'));
        QCOMPARE(window->windowTitle(), QStringLiteral(" Runtime Error"));
        QCOMPARE(shownText(), QStringLiteral("Error Code : ADM0016\nno such table: tbl_Rooms\n\n"
                                             "-----SQL QUERY WAS----\nSELECT * FROM tbl_Rooms"));
    }

    void secondReportOnlyBringsTheWindowForward() {
        ReportError(QStringLiteral("BOK001"), QStringLiteral("first"));
        frmErrorReport* window = frmErrorReport::Instance();
        ReportError(QStringLiteral("BOK002"), QStringLiteral("second"));
        QCOMPARE(frmErrorReport::Instance(), window);
        QVERIFY(shownText().startsWith(QStringLiteral("Error Code : BOK001\nfirst")));
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : BOK002\r\nsecond"));
    }

    void closingLetsTheNextReportShowItsOwnText() {
        ReportError(QStringLiteral("BOK001"), QStringLiteral("first"));
        QTest::mouseClick(TestSupport::control<QPushButton>(frmErrorReport::Instance(),
                                                            QStringLiteral("Command1")),
                          Qt::LeftButton);
        QTRY_VERIFY(!frmErrorReport::Instance());
        ReportError(QStringLiteral("BOK002"), QStringLiteral("second"));
        QVERIFY(shownText().startsWith(QStringLiteral("Error Code : BOK002\nsecond")));
    }

    void guardReportsUnderItsCodeAndReturnsTheDefault() {
        LastSQL = QStringLiteral("SELECT TaxRate FROM tbl_Tax WHERE TaxCat=1");
        const int number = Guarded(QStringLiteral("BOK011"), []() -> int {
            throw StaymarkError(QStringLiteral("Type mismatch"));
        });
        QCOMPARE(number, 0);
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : BOK011\r\nType mismatch"));
        // Not a database failure, and still the statement that ran before it is shown.
        QVERIFY(shownText().endsWith(QStringLiteral("SELECT TaxRate FROM tbl_Tax WHERE TaxCat=1")));

        const QString text = Guarded(QStringLiteral("BOK010"),
                                     []() -> QString { throw std::runtime_error("boom"); });
        QCOMPARE(text, QString());
        QCOMPARE(ErrMsg, QStringLiteral("Error Code : BOK010\r\nboom"));

        bool ran = false;
        Guarded(QStringLiteral("BOK003"), [&] { ran = true; });
        QVERIFY(ran);
        QCOMPARE(Guarded(QStringLiteral("X"), [] { return 7; }), 7);
    }

    void ignoredErrorsShowNothing() {
        IgnoreErrors([] { throw StaymarkError(QStringLiteral("ignored")); });
        QCOMPARE(ErrMsg, QString());
        QVERIFY(!frmErrorReport::Instance());
    }

    void swallowedFailuresAreLogged_data() {
        QTest::addColumn<std::function<void()>>("failure");
        QTest::addColumn<QString>("description");
        QTest::newRow("database") << std::function<void()>([] {
            throw DatabaseError(QStringLiteral("no such table: tbl_Tax"));
        }) << QStringLiteral("no such table: tbl_Tax");
        QTest::newRow("already shown")
            << std::function<void()>([] { throw RecordHeldElsewhere(QStringLiteral("locked")); })
            << QStringLiteral("locked");
        QTest::newRow("standard") << std::function<void()>([] {
            throw std::runtime_error("bad cast");
        }) << QStringLiteral("bad cast");
        QTest::newRow("unknown") << std::function<void()>([] { throw 42; })
                                 << QStringLiteral("unknown failure");
    }

    void swallowedFailuresAreLogged() {
        QFETCH(const std::function<void()>, failure);
        QFETCH(const QString, description);
        LastSQL = QStringLiteral("SELECT TaxRate FROM tbl_Tax");
        const ErrorLog log;

        IgnoreErrors(failure);
        const int ignoredLine = __LINE__ - 1;
        Guarded(QStringLiteral("TAX004"), failure);

        const QString tail =
            QStringLiteral(": %1; LastSQL: SELECT TaxRate FROM tbl_Tax").arg(description);
        QCOMPARE(log.lines,
                 QStringList(
                     {QStringLiteral("Ignored at tst_ErrorReport.cpp:%1").arg(ignoredLine) + tail,
                      QStringLiteral("Handler TAX004 stopped") + tail}));
    }
};

STAYMARK_TEST_MAIN(TestErrorReport)
#include "tst_ErrorReport.moc"
