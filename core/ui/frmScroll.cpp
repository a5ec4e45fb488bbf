#include "core/ui/frmScroll.h"

#include <QApplication>
#include <QFrame>
#include <QMdiSubWindow>
#include <QScrollBar>

#include <algorithm>

namespace {

// These windows live in MDI sub-windows; a window on its own is minimised by itself.
bool isMinimised(const QWidget& window) {
    if (const auto* frame = qobject_cast<const QMdiSubWindow*>(window.parentWidget()))
        return frame->isMinimized();
    return window.isWindow() && window.isMinimized();
}

// The viewport's border on each axis: its size less the room it gives its content.
QSize border(const QFrame& outer) {
    return outer.size() - outer.contentsRect().size();
}

// Sets a bar's range for the part of the content that does not fit; a bar that is not needed
// goes back to 0, so no content stays hidden beyond an edge without a bar to reach it.
void setOverflow(QScrollBar& bar, int overflow, int visibleLength) {
    bar.setRange(0, overflow);
    bar.setPageStep(visibleLength);
    bar.setSingleStep(std::max(visibleLength / 5, 1));
}

// Moves a bar the least that shows the span from start to end (content coordinates) in a
// viewport of this length; a span longer than the viewport shows its start.
void bringIntoView(QScrollBar& bar, int start, int end, int visibleLength) {
    int value = bar.value();
    if (end > value + visibleLength)
        value = end - visibleLength;
    if (start < value)
        value = start;
    bar.setValue(value);
}

} // namespace

ScrollableWindow::ScrollableWindow(QWidget* parent)
    : QWidget(parent) {
    PicOuter = new QFrame(this);
    PicOuter->setObjectName(QStringLiteral("PicOuter"));
    PicOuter->setFrameShape(QFrame::NoFrame);
    PicInner = new QWidget(PicOuter);
    PicInner->setObjectName(QStringLiteral("PicInner"));
    HBar = new QScrollBar(Qt::Horizontal, this);
    HBar->setObjectName(QStringLiteral("HBar"));
    HBar->resize(HBar->sizeHint());
    HBar->hide();
    VBar = new QScrollBar(Qt::Vertical, this);
    VBar->setObjectName(QStringLiteral("VBar"));
    VBar->resize(VBar->sizeHint());
    VBar->hide();
    connect(HBar, &QScrollBar::valueChanged, this, &ScrollableWindow::HBar_Change);
    connect(VBar, &QScrollBar::valueChanged, this, &ScrollableWindow::VBar_Change);
    // A click leaves the content where the user sees it; only focus from the keyboard moves it.
    followFocus_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (QGuiApplication::mouseButtons() == Qt::NoButton)
            ShowControl(now);
    });
}

ScrollableWindow::~ScrollableWindow() {
    // The controls destroyed after this move the focus; this window no longer follows it.
    disconnect(followFocus_);
}

void ScrollableWindow::SetContentSize(const QSize& size) {
    contentSize_ = size;
    PicInner->resize(size);
    frmScroll::ScrollForm(*this);
}

QSize ScrollableWindow::sizeHint() const {
    return contentSize_;
}

void ScrollableWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    frmScroll::ScrollForm(*this);
}

void ScrollableWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    frmScroll::ScrollForm(*this);
}

// Horizontal bar moved: the content follows it to the left.
void ScrollableWindow::HBar_Change(int value) {
    PicInner->move(PicOuter->contentsRect().left() - value, PicInner->y());
}

// Vertical bar moved: the content follows it upwards.
void ScrollableWindow::VBar_Change(int value) {
    PicInner->move(PicInner->x(), PicOuter->contentsRect().top() - value);
}

void ScrollableWindow::ShowControl(QWidget* control) {
    if (!control || !PicInner->isAncestorOf(control))
        return;
    const QRect area(control->mapTo(PicInner, QPoint(0, 0)), control->size());
    const QRect visible = PicOuter->contentsRect();
    bringIntoView(*HBar, area.left(), area.right() + 1, visible.width());
    bringIntoView(*VBar, area.top(), area.bottom() + 1, visible.height());
}

void GrowsWithWindow(QWidget* control, const QSize& least) {
    control->setMinimumSize(least);
    control->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

namespace frmScroll {

void ScrollForm(ScrollableWindow& window) {
    if (isMinimised(window))
        return;
    const QSize needed = window.ContentSize() + border(*window.PicOuter);
    int availableWidth = window.width();
    int availableHeight = window.height();
    const int hBarHeight = window.HBar->height();
    const int vBarWidth = window.VBar->width();

    bool horizontal = needed.width() > availableWidth;
    if (horizontal)
        availableHeight -= hBarHeight;
    const bool vertical = needed.height() > availableHeight;
    if (vertical) {
        availableWidth -= vBarWidth;
        if (!horizontal && needed.width() > availableWidth) {
            horizontal = true;
            availableHeight -= hBarHeight;
        }
    }

    window.PicOuter->setGeometry(0, 0, availableWidth, availableHeight);
    const QRect visible = window.PicOuter->contentsRect();
    const QSize content = window.ContentSize().expandedTo(visible.size());
    window.PicInner->resize(content);

    window.HBar->setGeometry(0, availableHeight, availableWidth, hBarHeight);
    setOverflow(*window.HBar, horizontal ? content.width() - visible.width() : 0, visible.width());
    window.HBar->setVisible(horizontal);

    window.VBar->setGeometry(availableWidth, 0, vBarWidth, availableHeight);
    setOverflow(*window.VBar, vertical ? content.height() - visible.height() : 0, visible.height());
    window.VBar->setVisible(vertical);
}

} // namespace frmScroll
