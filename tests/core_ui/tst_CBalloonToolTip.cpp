#include "core/ui/CBalloonToolTip.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace {

int balloonWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<BalloonWindow*>(widget))
            ++count;
    return count;
}

} // namespace

class TestCBalloonToolTip : public QObject {
    Q_OBJECT

    QWidget* form = nullptr;
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;

private slots:
    void init() {
        form = new QWidget;
        auto* layout = new QVBoxLayout(form);
        first = new QLineEdit(form);
        second = new QLineEdit(form);
        layout->addWidget(first);
        layout->addWidget(second);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        second->setFocus();
    }
    void cleanup() { delete form; }

    void validationBalloonPointsAtTheFieldsLowerLeft() {
        CBalloonToolTip tip;
        ShowValidationBalloon(tip, first, QStringLiteral("Please Enter Username"),
                              QStringLiteral("Please Enter User Name!"));
        BalloonWindow* balloon = tip.TipWindow();
        QVERIFY(balloon && balloon->isVisible());
        QCOMPARE(BalloonTarget.data(), first);
        QVERIFY(balloon->IsBalloonShape());
        QCOMPARE(balloon->TitleIcon(), int(CBalloonToolTip::ErrorIcon));
        QCOMPARE(balloon->TitleText(), QStringLiteral("Please Enter Username"));
        QCOMPARE(balloon->BodyText(), QStringLiteral("Please Enter User Name!"));
        QCOMPARE(balloon->StemPoint(), first->mapToGlobal(QPoint(0, first->height() - 1)));
        QVERIFY(second->hasFocus());
    }

    void theWindowTakesTheBalloonsShape() {
        CBalloonToolTip tip;
        ShowValidationBalloon(tip, first, QStringLiteral("A title"), QStringLiteral("a text"));
        const BalloonWindow* balloon = tip.TipWindow();
        QVERIFY(balloon);
        // Outside the rounded body and the stem nothing is drawn, with or without a compositor.
        const QRegion shape = balloon->mask();
        QVERIFY(shape.contains(balloon->rect().center()));
        QVERIFY(!shape.contains(QPoint(0, balloon->height() - 1)));
        QVERIFY(!shape.contains(QPoint(balloon->width() - 1, 0)));
    }

    void balloonStaysUntilRemovedAndOneInstanceShowsOne() {
        CBalloonToolTip tip;
        tip.VisibleTime(30);
        ShowValidationBalloon(tip, first, QStringLiteral("A"), QStringLiteral("a"));
        QPointer<BalloonWindow> earlier = tip.TipWindow();
        QTest::qWait(80);
        QVERIFY(earlier->isVisible());
        ShowValidationBalloon(tip, second, QStringLiteral("B"), QStringLiteral("b"));
        QVERIFY(!earlier);
        QCOMPARE(balloonWindows(), 1);
        QCOMPARE(tip.TipWindow()->TitleText(), QStringLiteral("B"));
        tip.Destroy();
        QCOMPARE(balloonWindows(), 0);
    }

    void destroyingTheInstanceRemovesTheBalloon() {
        {
            CBalloonToolTip tip;
            ShowValidationBalloon(tip, first, QStringLiteral("A"), QStringLiteral("a"));
        }
        QCOMPARE(balloonWindows(), 0);
    }

    void titleAndIconReachTheWindowAsTheirRulesSay() {
        CBalloonToolTip tip;
        tip.Title(QStringLiteral("stored only"));
        QVERIFY(!tip.TipWindow());
        tip.Title(QString());
        tip.Icon(CBalloonToolTip::ErrorIcon);
        tip.CreateToolTip(first);
        // Either value suffices for the window to be told at creation.
        QCOMPARE(tip.TipWindow()->TitleIcon(), int(CBalloonToolTip::ErrorIcon));
        // Later, only both together are passed on.
        tip.Icon(CBalloonToolTip::InfoIcon);
        QCOMPARE(tip.TipWindow()->TitleIcon(), int(CBalloonToolTip::ErrorIcon));
        tip.Title(QStringLiteral("Now"));
        QCOMPARE(tip.TipWindow()->TitleIcon(), int(CBalloonToolTip::InfoIcon));
        QCOMPARE(tip.TipWindow()->TitleText(), QStringLiteral("Now"));
        tip.TipText(QStringLiteral("updated"));
        QCOMPARE(tip.TipWindow()->BodyText(), QStringLiteral("updated"));
    }

    void styleZeroIsARectangleAtThePoint() {
        CBalloonToolTip tip;
        tip.Style(0);
        tip.PopupOnDemand(true);
        tip.TipText(QStringLiteral("plain"));
        tip.CreateToolTip(first);
        BalloonTarget = first;
        tip.Show(5, 7);
        QVERIFY(!tip.TipWindow()->IsBalloonShape());
        QCOMPARE(tip.TipWindow()->StemPoint(), first->mapToGlobal(QPoint(5, 7)));
    }
};

STAYMARK_TEST_MAIN(TestCBalloonToolTip)
#include "tst_CBalloonToolTip.moc"
