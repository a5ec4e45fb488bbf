#include "core/ui/CBalloonToolTip.h"
#include "core/ui/frmScroll.h"
#include "tests/support/ProgramTest.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

const QSize kContent(400, 300);

// Bar thickness as the style gives it: the room a bar takes from the viewport.
int hBarHeight() {
    return QScrollBar(Qt::Horizontal).sizeHint().height();
}
int vBarWidth() {
    return QScrollBar(Qt::Vertical).sizeHint().width();
}

std::unique_ptr<ScrollableWindow> shownWindow(const QSize& size) {
    auto window = std::make_unique<ScrollableWindow>();
    window->SetContentSize(kContent);
    window->resize(size);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("window not exposed");
    return window;
}

} // namespace

class TestFrmScroll : public TestSupport::ProgramTest {
    Q_OBJECT

private slots:
    void barsAppearOnlyWhenStrictlyNeeded_data() {
        QTest::addColumn<QSize>("windowSize");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("vertical");
        const int w = kContent.width();
        const int h = kContent.height();
        const int hb = hBarHeight();
        const int vb = vBarWidth();
        QTest::newRow("exactly the needed size") << QSize(w, h) << false << false;
        QTest::newRow("one pixel too narrow") << QSize(w - 1, h + hb) << true << false;
        QTest::newRow("one pixel too low") << QSize(w + vb, h - 1) << false << true;
        QTest::newRow("wide enough until the vertical bar takes room")
            << QSize(w + vb - 1, h - 1) << true << true;
        QTest::newRow("high enough until the horizontal bar takes room")
            << QSize(w - 1, h + hb - 1) << true << true;
        QTest::newRow("roomy") << QSize(w + 50, h + 50) << false << false;
    }
    void barsAppearOnlyWhenStrictlyNeeded() {
        QFETCH(QSize, windowSize);
        QFETCH(bool, horizontal);
        QFETCH(bool, vertical);
        auto window = shownWindow(windowSize);
        QCOMPARE(window->size(), windowSize);
        QCOMPARE(window->HBar->isVisible(), horizontal);
        QCOMPARE(window->VBar->isVisible(), vertical);

        const QSize viewport(windowSize.width() - (vertical ? vBarWidth() : 0),
                             windowSize.height() - (horizontal ? hBarHeight() : 0));
        QCOMPARE(window->PicOuter->geometry(), QRect(QPoint(0, 0), viewport));
        // The panel keeps its design where the viewport is smaller, and fills it where larger.
        QCOMPARE(window->PicInner->size(), kContent.expandedTo(viewport));
        // What the window asks for when it opens or cascades stays its design.
        QCOMPARE(window->sizeHint(), kContent);
        if (horizontal) {
            QCOMPARE(window->HBar->geometry(),
                     QRect(0, viewport.height(), viewport.width(), hBarHeight()));
            QCOMPARE(window->HBar->maximum(), kContent.width() - viewport.width());
            QCOMPARE(window->HBar->pageStep(), viewport.width());
            QCOMPARE(window->HBar->singleStep(), viewport.width() / 5);
        }
        if (vertical) {
            QCOMPARE(window->VBar->geometry(),
                     QRect(viewport.width(), 0, vBarWidth(), viewport.height()));
            QCOMPARE(window->VBar->maximum(), kContent.height() - viewport.height());
            QCOMPARE(window->VBar->pageStep(), viewport.height());
        }
    }

    void barsMoveThePanelAndKeepTheirPlace() {
        auto window = shownWindow(QSize(200, 150));
        QVERIFY(window->HBar->isVisible() && window->VBar->isVisible());
        window->HBar->setValue(60);
        window->VBar->triggerAction(QAbstractSlider::SliderToMaximum);
        const int bottom = window->VBar->maximum();
        QCOMPARE(window->PicInner->pos(), QPoint(-60, -bottom));
        // The whole content is reachable: its far corner meets the viewport's.
        QCOMPARE(window->PicInner->geometry().bottom(), window->PicOuter->rect().bottom());

        // A small change of size keeps the place; a taller window scrolls back what it shows.
        window->resize(210, 160);
        QCOMPARE(window->HBar->value(), 60);
        QCOMPARE(window->PicInner->x(), -60);
        QCOMPARE(window->VBar->value(), window->VBar->maximum());
        QCOMPARE(window->PicInner->geometry().bottom(), window->PicOuter->rect().bottom());

        // Once the content fits, no part of it stays hidden beyond an edge without a bar.
        window->resize(kContent + QSize(10, 10));
        QVERIFY(!window->HBar->isVisible() && !window->VBar->isVisible());
        QCOMPARE(window->PicInner->pos(), QPoint(0, 0));
    }

    // Tab to a control beyond the viewport's edge: the content moves so that the user sees
    // the control that has the focus, and back again.
    void focusedControlIsScrolledIntoView() {
        auto window = shownWindow(QSize(200, 150));
        auto* nearCorner = new QLineEdit(window->PicInner);
        nearCorner->setGeometry(10, 10, 80, 24);
        auto* farCorner = new QLineEdit(window->PicInner);
        farCorner->setGeometry(300, 260, 80, 24);
        nearCorner->show();
        farCorner->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const auto seen = [&window](const QWidget* control) {
            const QRect shown(control->mapTo(window->PicOuter, QPoint(0, 0)), control->size());
            return window->PicOuter->contentsRect().contains(shown);
        };
        nearCorner->setFocus();
        QVERIFY(seen(nearCorner));
        QTest::keyClick(nearCorner, Qt::Key_Tab);
        QVERIFY(farCorner->hasFocus());
        QVERIFY(seen(farCorner));
        QTest::keyClick(farCorner, Qt::Key_Backtab);
        QVERIFY(nearCorner->hasFocus());
        QVERIFY(seen(nearCorner));

        // A click on a control half in view leaves the content under the mouse.
        auto* halfSeen = new QLineEdit(window->PicInner);
        halfSeen->setGeometry(150, 10, 80, 24);
        halfSeen->show();
        const QPoint contentPlace = window->PicInner->pos();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          halfSeen->mapTo(window.get(), QPoint(5, 5)));
        QVERIFY(halfSeen->hasFocus());
        QCOMPARE(window->PicInner->pos(), contentPlace);
    }

    // A balloon for a field out of view: the field is brought in, and the stem points at it.
    void balloonForAFieldOutOfViewShowsTheField() {
        auto window = shownWindow(QSize(200, 150));
        auto* farCorner = new QLineEdit(window->PicInner);
        farCorner->setGeometry(300, 260, 80, 24);
        farCorner->show();
        CBalloonToolTip tip;
        ShowValidationBalloon(tip, farCorner, QStringLiteral("Grand Total"),
                              QStringLiteral("Please enter an amount."));
        const QRect viewport(window->PicOuter->mapToGlobal(QPoint(0, 0)), window->PicOuter->size());
        QVERIFY(viewport.contains(farCorner->mapToGlobal(QPoint(0, 0))));
        QCOMPARE(tip.TipWindow()->StemPoint(),
                 farCorner->mapToGlobal(QPoint(0, farCorner->height() - 1)));
    }

    void minimisedSubWindowIsLeftUntilRestored() {
        QMdiArea area;
        area.resize(800, 600);
        auto* window = new ScrollableWindow;
        window->SetContentSize(QSize(100, 100));
        QMdiSubWindow* frame = area.addSubWindow(window);
        frame->resize(300, 300);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QVERIFY(!window->HBar->isVisible() && !window->VBar->isVisible());
        const QRect viewport = window->PicOuter->geometry();

        frame->showMinimized();
        QVERIFY(frame->isMinimized());
        window->SetContentSize(QSize(1000, 1000));
        QCOMPARE(window->PicOuter->geometry(), viewport);
        QCOMPARE(window->VBar->maximum(), 0);

        frame->showNormal();
        QTRY_VERIFY(window->isVisible());
        QVERIFY(window->HBar->isVisibleTo(window) && window->VBar->isVisibleTo(window));
        QCOMPARE(window->PicOuter->size(), window->size() - QSize(vBarWidth(), hBarHeight()));
        QCOMPARE(window->VBar->maximum(), 1000 - window->PicOuter->height());
    }
};

STAYMARK_TEST_MAIN(TestFrmScroll)
#include "tst_frmScroll.moc"
