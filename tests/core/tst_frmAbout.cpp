#include "core/ProductInfo.h"
#include "core/frmAbout.h"
#include "core/ui/Dialogs.h"
#include "core/ui/Shell.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <functional>

namespace {

template <typename Control> Control* control(QWidget& box, const QString& name) {
    auto* found = box.findChild<Control*>(name);
    if (!found)
        qFatal("the about box has no control %s", qPrintable(name));
    return found;
}

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

class TestFrmAbout : public QObject {
    Q_OBJECT

    bool stepsRan = false;

    // Opens the box as the Help menu does and runs the steps inside its modal loop; a box the
    // steps leave open is closed afterwards.
    void runBox(std::function<void(frmAbout&)> steps) {
        stepsRan = false;
        Dialogs::Testing::HandleNextModal([this, steps](QDialog& dialog) {
            auto* box = qobject_cast<frmAbout*>(&dialog);
            QVERIFY(box);
            QVERIFY(QTest::qWaitForWindowExposed(box));
            stepsRan = true;
            steps(*box);
            if (box->isVisible())
                box->reject();
        });
        frmAbout::ShowModal();
        QVERIFY(stepsRan);
    }

private slots:
    void init() { TestSupport::ResetProgramState(); }

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
