#include "core/ProductInfo.h"
#include "core/frmAbout.h"
#include "core/ui/Dialogs.h"
#include "core/ui/Shell.h"
#include "tests/support/ProgramTest.h"
#include "tests/support/WindowChecks.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <functional>

using TestSupport::control;

namespace {

bool looksLikeALink(const QLabel& link) {
    return link.font().underline() && link.palette().color(QPalette::WindowText) == Qt::blue;
}

// Moves the mouse pointer itself, so that the window sees it enter and leave its controls.
void pointAt(QWidget* widget, const QPoint& pos) {
    QCursor::setPos(widget->mapToGlobal(pos));
    QApplication::processEvents();
}

bool looksPlain(const QLabel& link) {
    return !link.font().underline() && !link.font().bold() &&
           link.palette().color(QPalette::WindowText) == Qt::black;
}

} // namespace

class TestFrmAbout : public TestSupport::ProgramTest {
    Q_OBJECT

    // Opens the box as the Help menu does and runs the steps inside its modal loop.
    static void runBox(std::function<void(frmAbout&)> steps) {
        const TestSupport::ModalSteps<frmAbout> box(std::move(steps));
        frmAbout::ShowModal();
        QVERIFY(box.Ran());
    }

private slots:
    void showsTheProductAndItsVersion() {
        runBox([](frmAbout& box) {
            QCOMPARE(control<QLabel>(box, "Label1")->text(), QStringLiteral("Staymark"));
            QCOMPARE(control<QLabel>(box, "Label2")->text(),
                     QStringLiteral("For managing all types of hotels."));
            const QString version = control<QLabel>(box, "Label6")->text();
            QVERIFY2(QRegularExpression("^\\d+\\.\\d+\\.\\d+$").match(version).hasMatch(),
                     qPrintable(version));
            QVERIFY(ProductInfo::Version().startsWith(version));
            QVERIFY(!control<QLabel>(box, "Picture1")->pixmap().isNull());
            const QString notice = control<QLabel>(box, "lblDisclaimer")->text();
            QVERIFY(notice.contains("reproducing") && notice.contains("distributing"));
            control<QPushButton>(box, "cmdOK")->click();
            QVERIFY(!box.isVisible());
            QCOMPARE(box.result(), int(QDialog::Accepted));
        });
        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).kind, QStringLiteral("modal"));
        QCOMPARE(shown.at(0).text, QStringLiteral("frmAbout"));
    }

    void linkOpensTheHomePage() {
        runBox([](frmAbout& box) {
            QTest::mouseClick(control<QLabel>(box, "Label5"), Qt::LeftButton);
        });
        const QList<Shell::Request>& requests = Shell::Testing::Record();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.at(0).kind, QStringLiteral("url"));
        QCOMPARE(requests.at(0).target, ProductInfo::HomePage());
    }

    void linkLightsUpOnlyWhileTheMouseIsOnIt() {
        runBox([](frmAbout& box) {
            auto* link = control<QLabel>(box, "Label5");
            QVERIFY(looksPlain(*link));
            pointAt(link, link->rect().center());
            QTRY_VERIFY(looksLikeALink(*link));
            QCOMPARE(box.cursor().shape(), Qt::PointingHandCursor);

            // Onto the window's background, beside the buttons.
            auto* ok = control<QPushButton>(box, "cmdOK");
            pointAt(&box, QPoint(ok->geometry().right() + 2, ok->geometry().top()));
            QTRY_VERIFY(looksPlain(*link));
            QCOMPARE(box.cursor().shape(), Qt::ArrowCursor);

            // Onto another of the window's texts.
            pointAt(link, link->rect().center());
            QTRY_VERIFY(looksLikeALink(*link));
            auto* description = control<QLabel>(box, "Label2");
            pointAt(description, description->rect().center());
            QTRY_VERIFY(looksPlain(*link));
        });
        QVERIFY(Shell::Testing::Record().isEmpty());
    }

    void systemInformationIsUnavailable() {
        runBox([](frmAbout& box) {
            control<QPushButton>(box, "cmdSysInfo")->click();
            QVERIFY(box.isVisible());
        });
        const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(1).kind, QStringLiteral("message"));
        QCOMPARE(shown.at(1).text,
                 QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(shown.at(1).icon, Dialogs::Icon::None);
        QCOMPARE(shown.at(1).title, QStringLiteral("Staymark"));
        QVERIFY(Shell::Testing::Record().isEmpty());
    }
};

STAYMARK_TEST_MAIN(TestFrmAbout)
#include "tst_frmAbout.moc"
