#pragma once

#include <QWidget>

class QFrame;
class QScrollBar;

// A child window whose content is larger than the window: the content panel PicInner sits at
// its designed size inside the viewport PicOuter, and the bars HBar and VBar move it. Windows
// put their controls on PicInner.
class ScrollableWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScrollableWindow)

public:
    explicit ScrollableWindow(QWidget* parent = nullptr);
    ~ScrollableWindow() override;

    // The content panel's designed size; the window is laid out again at once.
    void SetContentSize(const QSize& size);
    // The whole content, for a frame that opens or cascades the window.
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

    // The bars' value changed (dragged, clicked or set): the content panel follows.
    void HBar_Change(int value);
    void VBar_Change(int value);
};

namespace frmScroll {

// Lays out the viewport and the bars for the window's present size: a bar appears only when
// the content does not fit without it. A minimised window is left as it is.
void ScrollForm(ScrollableWindow& window);

} // namespace frmScroll
