#pragma once

#include <QWidget>

class QFrame;
class QScrollBar;

// A child window whose content is larger than the window: the content panel PicInner sits at
// its designed size inside the viewport PicOuter, and the bars HBar and VBar move it. Where the
// window is larger than the design the panel fills the viewport, so that the lists and notes
// of its layout grow with the window. Windows put their controls on PicInner.
class ScrollableWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScrollableWindow)

public:
    explicit ScrollableWindow(QWidget* parent = nullptr);
    ~ScrollableWindow() override;

    // The content panel's designed size; the window is laid out again at once.
    void SetContentSize(const QSize& size);
    QSize ContentSize() const { return contentSize_; }
    // The whole content at its designed size, for a frame that opens or cascades the window.
    QSize sizeHint() const override;
    // Moves the content the least that brings this control of it into the viewport. The
    // control that takes the focus (Tab, an access key) is brought in by itself.
    void ShowControl(QWidget* control);

    QFrame* PicOuter = nullptr;
    QWidget* PicInner = nullptr;
    QScrollBar* HBar = nullptr;
    QScrollBar* VBar = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QMetaObject::Connection followFocus_;
    QSize contentSize_;

    // The bars' value changed (dragged, clicked or set): the content panel follows.
    void HBar_Change(int value);
    void VBar_Change(int value);
};

// A list or note of a scrollable window's layout: designed at `least`, whatever the control's
// own preferred size, and given the room the window has beyond its design.
void GrowsWithWindow(QWidget* control, const QSize& least);

namespace frmScroll {

// Lays out the viewport and the bars for the window's present size: a bar appears only when
// the designed content does not fit without it, and the panel takes whatever room the viewport
// has beyond the design. A minimised window is left as it is.
void ScrollForm(ScrollableWindow& window);

} // namespace frmScroll
