#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class QPainterPath;
class QTimer;

class BalloonWindow;

// The field at which the next validation balloon points; shared by every form.
extern QPointer<QWidget> BalloonTarget;

// One balloon-shaped tip with an icon, a bold title and a text, shown on demand at a point the
// caller chooses. Forms reject input with it; clicking or typing in a field removes it.
class CBalloonToolTip final {
    Q_DISABLE_COPY_MOVE(CBalloonToolTip)

public:
    enum TipIcon { NoIcon = 0, InfoIcon = 1, WarningIcon = 2, ErrorIcon = 3 };

    CBalloonToolTip();
    ~CBalloonToolTip();

    int VisibleTime() const { return visibleTime_; }
    void VisibleTime(int milliseconds) { visibleTime_ = milliseconds; }
    int DelayTime() const { return delayTime_; }
    void DelayTime(int milliseconds) { delayTime_ = milliseconds; }
    bool PopupOnDemand() const { return popupOnDemand_; }
    void PopupOnDemand(bool onDemand) { popupOnDemand_ = onDemand; }
    // 1 = balloon shape; any other value = the plain rectangular tip.
    int Style() const { return style_; }
    void Style(int style) { style_ = style; }
    bool Centered() const { return centered_; }
    void Centered(bool centered) { centered_ = centered; }

    int Icon() const { return icon_; }
    void Icon(int icon);
    QString Title() const { return title_; }
    void Title(const QString& title);
    // An invalid colour leaves the system colour.
    QColor ForeColor() const { return foreColor_; }
    void ForeColor(const QColor& color);
    QColor BackColor() const { return backColor_; }
    void BackColor(const QColor& color);
    QString TipText() const { return tipText_; }
    void TipText(const QString& text);

    // Makes the tip window for the parent, replacing any earlier one.
    bool CreateToolTip(QWidget* parentWindow);
    // Shows the tip with its stem at (x, y) in the coordinates of BalloonTarget.
    void Show(int x = 0, int y = 0);
    void Destroy();

    // The tip window while there is one, for the forms' tests.
    BalloonWindow* TipWindow() const { return window_; }

private:
    void sendTitle();

    int visibleTime_ = 5000;
    int delayTime_ = 500;
    bool popupOnDemand_ = false;
    int style_ = 0;
    bool centered_ = false;
    int icon_ = NoIcon;
    QString title_;
    QColor foreColor_;
    QColor backColor_;
    QString tipText_;
    QPointer<BalloonWindow> window_;
    QPointer<QWidget> tool_;
};

// A form's balloon: made the first time the form rejects a field, kept for the form's life.
class FormBalloon final {
public:
    CBalloonToolTip& Tip();
    // Takes a shown balloon away; nothing to do while none was made.
    void Remove();

private:
    std::unique_ptr<CBalloonToolTip> tip_;
};

// What every form does to reject a field: the error balloon with the check's title and text,
// its stem at the lower left of `placeOn` (the target itself unless given).
void ShowValidationBalloon(CBalloonToolTip& tip, QWidget* target, const QString& title,
                           const QString& text, QWidget* placeOn = nullptr);

// Whether the desktop shows the see-through parts of a translucent window: a Wayland
// compositor always does; on X11 only while a compositing manager runs. Elsewhere the balloon
// is cut to its shape with a window mask, which looks the same on every desktop.
bool DesktopShowsTranslucency();

// The tip window itself: a frameless tool window painted as a balloon or a rectangle. It stays
// on the screen: moved sideways near an edge, and above its point when there is no room below.
class BalloonWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BalloonWindow)

public:
    BalloonWindow(QWidget* parentWindow, bool balloonShape);

    void SetTitleLine(int icon, const QString& title);
    void SetText(const QString& text);
    void SetColors(const QColor& fore, const QColor& back);
    // Places the window so that its stem (or a corner) is at this screen point, below it or,
    // when there is no room below or `above` asks for it, above it.
    void PointAt(const QPoint& screenPoint, bool centredBelow, const QRect& toolRect,
                 bool above = false);
    // Places the window to the right of this screen point, its stem reaching left to it; the
    // body reaches down from the point, or up when `upwards`.
    void PointBeside(const QPoint& screenPoint, bool upwards);
    // From now on the balloon hides when the window holding the field closes, is hidden or
    // loses activation to another window, and when a button of that window is pressed or
    // Enter typed in it: the field's input is being answered again.
    void BelongTo(QWidget* field);
    // True when the window is cut to its shape rather than drawn translucent.
    bool IsMasked() const { return masked_; }

    bool IsBalloonShape() const { return balloonShape_; }
    int TitleIcon() const { return titleIcon_; }
    QString TitleText() const { return titleText_; }
    QString BodyText() const { return bodyText_; }
    // The screen point the stem touches.
    QPoint StemPoint() const;
    // A tip that is not shown on demand appears when the mouse rests on the tool.
    void FollowHover(QWidget* tool, int delayMs, int visibleMs);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void relayout();
    QPainterPath outline() const;
    // The mask follows the outline where the balloon is cut to its shape.
    void updateShape();
    int stemHeight() const;
    // The body's top: below the stem, or at the top when the stem points down or sideways.
    int bodyTop() const;
    // The body's left edge: right of the stem when it points sideways.
    int bodyLeft() const;
    void setStemBeside(bool beside);
    // Whether this event in the application answers the field or takes its window away.
    bool endsTheBalloon(const QObject* watched, const QEvent* event) const;

    bool balloonShape_;
    bool masked_;
    int stemX_;               // where the stem's point is, from the left edge
    bool stemBelow_ = false;  // the balloon sits above its point
    bool stemBeside_ = false; // the balloon sits right of its point
    int stemY_ = 0;           // where a sideways stem's point is, from the top edge
    QPointer<QWidget> field_;
    QPointer<QWidget> host_; // the child window or window that holds the field
    int titleIcon_ = 0;
    QString titleText_;
    QString bodyText_;
    QColor fore_;
    QColor back_;
    QSize bodySize_;
    QPointer<QWidget> hoverTool_;
    int hoverDelayMs_ = 0;
    int hoverVisibleMs_ = 0;
    QTimer* hoverTimer_ = nullptr;
};
