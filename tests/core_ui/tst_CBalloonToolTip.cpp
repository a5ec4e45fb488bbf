#include "core/ui/CBalloonToolTip.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
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

    // Where no compositor shows see-through pixels (here: offscreen), the balloon is cut to
    // its shape instead of sitting on a black rectangle.
    void balloonIsCutToItsShapeWithoutACompositor() {
        QVERIFY(!DesktopShowsTranslucency());
        CBalloonToolTip tip;
        ShowValidationBalloon(tip, first, QStringLiteral("First Name"),
                              QStringLiteral("Please enter First Name of the Customer!"));
        const BalloonWindow* balloon = tip.TipWindow();
        QVERIFY(balloon->IsMasked());
        QVERIFY(!balloon->testAttribute(Qt::WA_TranslucentBackground));
        const QRegion shape = balloon->mask();
        const QPoint stem = balloon->StemPoint() - balloon->pos();
        QVERIFY(shape.contains(balloon->rect().center()));
        QVERIFY(shape.contains(stem + QPoint(1, 3)));
        QVERIFY(!shape.contains(QPoint(0, 0)));
        QVERIFY(!shape.contains(QPoint(balloon->width() - 1, balloon->height() - 1)));
    }

    // A field at the screen's edge: the balloon moves sideways, or above the field when there
    // is no room below, and its stem still touches the field's lower left.
    void balloonNearTheScreenEdgeStaysOnIt_data() {
        QTest::addColumn<QPoint>("fromCorner"); // the stem's point, from the screen's corners
        QTest::addColumn<bool>("above");
        QTest::newRow("right edge") << QPoint(-30, 100) << false;
        QTest::newRow("left edge") << QPoint(8, 100) << false;
        QTest::newRow("bottom edge") << QPoint(100, -5) << true;
        QTest::newRow("bottom right corner") << QPoint(-30, -5) << true;
    }
    void balloonNearTheScreenEdgeStaysOnIt() {
        QFETCH(QPoint, fromCorner);
        QFETCH(bool, above);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint point(fromCorner.x() < 0 ? screen.right() + 1 + fromCorner.x()
                                              : screen.left() + fromCorner.x(),
                           fromCorner.y() < 0 ? screen.bottom() + 1 + fromCorner.y()
                                              : screen.top() + fromCorner.y());
        QLineEdit field;
        field.resize(30, 24);
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        // Wherever a window manager puts its frame, the field's lower left goes to the point.
        const auto lowerLeft = [&field] {
            return field.mapToGlobal(QPoint(0, field.height() - 1));
        };
        field.move(field.pos() + point - lowerLeft());
        QTRY_COMPARE(lowerLeft(), point);
        CBalloonToolTip tip;
        ShowValidationBalloon(tip, &field, QStringLiteral("Enter Tax Percent"),
                              QStringLiteral("Please Enter Tax Percent!(eg: 10, 20 etc.) Do Not "
                                             "Enter any Characters."));
        const BalloonWindow* balloon = tip.TipWindow();
        QVERIFY(screen.contains(balloon->geometry()));
        QCOMPARE(balloon->StemPoint(), point);
        QCOMPARE(balloon->geometry().bottom() <= point.y(), above);
    }
};

STAYMARK_TEST_MAIN(TestCBalloonToolTip)
#include "tst_CBalloonToolTip.moc"
