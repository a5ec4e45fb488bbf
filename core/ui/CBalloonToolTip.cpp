#include "core/ui/CBalloonToolTip.h"

#include "core/ui/Icons.h"
#include "core/ui/frmScroll.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <functional>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#endif

QPointer<QWidget> BalloonTarget;

namespace {

constexpr int kMargin = 8;
constexpr int kStemHeight = 12;
constexpr int kStemOffset = 18; // from the left edge to the stem's point
constexpr int kStemWidth = 14;
constexpr int kIconSize = 16;
constexpr int kSpacing = 4;
constexpr int kMaxTextWidth = 320;
constexpr int kCornerRadius = 8;

Icons::Name pictureFor(int icon) {
    switch (icon) {
    case CBalloonToolTip::InfoIcon:
        return Icons::Name::Information;
    case CBalloonToolTip::WarningIcon:
        return Icons::Name::Warning;
    default:
        return Icons::Name::Error;
    }
}

QFont boldFont(const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    return bold;
}

#if QT_CONFIG(xcb)
// The screen number of the display the program runs on ("host:0.1" is screen 1).
QByteArray x11ScreenNumber() {
    const QByteArray display = qgetenv("DISPLAY");
    const qsizetype dot = display.lastIndexOf('.');
    const qsizetype colon = display.lastIndexOf(':');
    return dot > colon ? display.mid(dot + 1) : QByteArrayLiteral("0");
}

// A compositing manager owns the selection _NET_WM_CM_S<screen> while it runs.
bool x11CompositingManagerRuns() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const QByteArray name = QByteArrayLiteral("_NET_WM_CM_S") + x11ScreenNumber();
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, quint16(name.size()), name.constData()),
        nullptr);
    if (!atom)
        return false;
    bool owned = false;
    if (atom->atom != XCB_NONE) {
        xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
        owned = owner && owner->owner != XCB_NONE;
        std::free(owner);
    }
    std::free(atom);
    return owned;
}
#endif

// The child window, or else the window, that holds the field: the balloon belongs to it.
QWidget* hostOf(QWidget* field) {
    for (QWidget* up = field; up; up = up->parentWidget())
        if (qobject_cast<QMdiSubWindow*>(up) || up->isWindow())
            return up;
    return field;
}

// Whether the balloon covers a button of the field's window: the one that answers it may be
// among them.
bool coversAButton(const QWidget& balloon, QWidget* field) {
    const QWidget* host = hostOf(field);
    const QList<QPushButton*> buttons = host->findChildren<QPushButton*>();
    for (const QPushButton* button : buttons)
        if (button->isVisible() &&
            balloon.geometry().intersects(QRect(button->mapToGlobal(QPoint(0, 0)), button->size())))
            return true;
    return false;
}

// The screen that shows the point, or the primary one.
QRect screenAround(const QPoint& point) {
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(point, QSize(1, 1));
}

} // namespace

bool DesktopShowsTranslucency() {
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")))
        return true;
#if QT_CONFIG(xcb)
    if (platform == QLatin1String("xcb"))
        return x11CompositingManagerRuns();
#endif
    return false;
}

CBalloonToolTip::CBalloonToolTip() = default;

CBalloonToolTip::~CBalloonToolTip() {
    Destroy();
}

void CBalloonToolTip::sendTitle() {
    if (window_)
        window_->SetTitleLine(icon_, title_);
}

void CBalloonToolTip::Icon(int icon) {
    icon_ = icon;
    if (window_ && !title_.isEmpty() && icon_ != NoIcon)
        sendTitle();
}

void CBalloonToolTip::Title(const QString& title) {
    title_ = title;
    if (window_ && !title_.isEmpty() && icon_ != NoIcon)
        sendTitle();
}

void CBalloonToolTip::ForeColor(const QColor& color) {
    foreColor_ = color;
    if (window_)
        window_->SetColors(foreColor_, backColor_);
}

void CBalloonToolTip::BackColor(const QColor& color) {
    backColor_ = color;
    if (window_)
        window_->SetColors(foreColor_, backColor_);
}

void CBalloonToolTip::TipText(const QString& text) {
    tipText_ = text;
    if (window_)
        window_->SetText(tipText_);
}

bool CBalloonToolTip::CreateToolTip(QWidget* parentWindow) {
    Destroy();
    if (!parentWindow)
        return false;
    window_ = new BalloonWindow(parentWindow, style_ == 1);
    window_->SetText(tipText_);
    if (!title_.isEmpty() || icon_ != NoIcon)
        sendTitle();
    window_->SetColors(foreColor_, backColor_);
    tool_ = parentWindow;
    if (!popupOnDemand_)
        window_->FollowHover(parentWindow, delayTime_, visibleTime_);
    return true;
}

void CBalloonToolTip::Show(int x, int y) {
    if (!window_ || !BalloonTarget)
        return;
    const QPoint point = BalloonTarget->mapToGlobal(QPoint(x, y));
    const QRect toolRect =
        tool_ ? QRect(tool_->mapToGlobal(QPoint(0, 0)), tool_->size()) : QRect(point, QSize());
    window_->PointAt(point, centered_, toolRect);
    // Below the field it would hide a button that answers it: beside or above the field
    // instead, where that is clear of the buttons and on the screen.
    if (coversAButton(*window_, BalloonTarget)) {
        const QPoint besidePoint =
            BalloonTarget->mapToGlobal(QPoint(BalloonTarget->width(), BalloonTarget->height() / 2));
        const QPoint abovePoint = BalloonTarget->mapToGlobal(QPoint(x, 0));
        const std::function<void()> places[] = {
            [&] { window_->PointBeside(besidePoint, false); },
            [&] { window_->PointBeside(besidePoint, true); },
            [&] { window_->PointAt(abovePoint, false, toolRect, true); },
        };
        bool placed = false;
        for (const auto& place : places) {
            place();
            placed = !coversAButton(*window_, BalloonTarget) &&
                     screenAround(besidePoint).contains(window_->geometry());
            if (placed)
                break;
        }
        if (!placed)
            window_->PointAt(point, centered_, toolRect);
    }
    window_->show();
    window_->raise();
    window_->BelongTo(BalloonTarget);
}

void CBalloonToolTip::Destroy() {
    if (window_)
        delete window_.data();
    window_ = nullptr;
}

CBalloonToolTip& FormBalloon::Tip() {
    if (!tip_)
        tip_ = std::make_unique<CBalloonToolTip>();
    return *tip_;
}

void FormBalloon::Remove() {
    if (tip_)
        tip_->Destroy();
}

void ShowValidationBalloon(CBalloonToolTip& tip, QWidget* target, const QString& title,
                           const QString& text, QWidget* placeOn) {
    QWidget* place = placeOn ? placeOn : target;
    // A field scrolled out of its window's view is brought in first, so the stem points at it.
    for (QWidget* up = place->parentWidget(); up; up = up->parentWidget())
        if (auto* scrolled = qobject_cast<ScrollableWindow*>(up))
            scrolled->ShowControl(place);
    BalloonTarget = place;
    tip.Destroy();
    tip.Style(1);
    tip.Icon(CBalloonToolTip::ErrorIcon);
    tip.Title(title);
    tip.TipText(text);
    tip.PopupOnDemand(true);
    tip.CreateToolTip(place);
    tip.Show(0, place->height() - 1);
    BalloonTarget = target;
}

BalloonWindow::BalloonWindow(QWidget* parentWindow, bool balloonShape)
    : QWidget(parentWindow, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    , balloonShape_(balloonShape)
    , masked_(!DesktopShowsTranslucency())
    , stemX_(balloonShape ? kStemOffset : 0) {
    setObjectName(QStringLiteral("BalloonToolTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Without a compositor a translucent window's clear parts show black: cut the shape out.
    if (!masked_)
        setAttribute(Qt::WA_TranslucentBackground);
    relayout();
}

void BalloonWindow::SetTitleLine(int icon, const QString& title) {
    titleIcon_ = icon;
    titleText_ = title;
    relayout();
}

void BalloonWindow::SetText(const QString& text) {
    bodyText_ = text;
    relayout();
}

void BalloonWindow::SetColors(const QColor& fore, const QColor& back) {
    fore_ = fore;
    back_ = back;
    update();
}

void BalloonWindow::relayout() {
    const QFontMetrics body(font());
    const QFontMetrics title(boldFont(font()));
    const QRect textRect =
        body.boundingRect(QRect(0, 0, kMaxTextWidth, 10000), Qt::TextWordWrap, bodyText_);
    int width = textRect.width();
    int height = textRect.height();
    if (!titleText_.isEmpty()) {
        const int iconWidth = titleIcon_ ? kIconSize + kSpacing : 0;
        width = std::max(width, iconWidth + title.horizontalAdvance(titleText_));
        height += std::max(kIconSize, title.height()) + kSpacing;
    }
    bodySize_ = QSize(std::max(width, kStemOffset + kStemWidth), height);
    const int besideStem = stemBeside_ ? stemHeight() : 0;
    resize(bodySize_.width() + 2 * kMargin + besideStem,
           bodySize_.height() + 2 * kMargin + stemHeight() - besideStem);
    update();
}

int BalloonWindow::stemHeight() const {
    return balloonShape_ ? kStemHeight : 0;
}

int BalloonWindow::bodyTop() const {
    return stemBelow_ || stemBeside_ ? 0 : stemHeight();
}

int BalloonWindow::bodyLeft() const {
    return stemBeside_ ? stemHeight() : 0;
}

QPainterPath BalloonWindow::outline() const {
    QPainterPath path;
    const int stem = stemHeight();
    const QRectF body(bodyLeft() + 0.5, bodyTop() + 0.5, width() - bodyLeft() - 1.0,
                      height() - (stemBeside_ ? 0 : stem) - 1.0);
    if (!balloonShape_) {
        path.addRect(body);
        return path;
    }
    path.addRoundedRect(body, kCornerRadius, kCornerRadius);
    if (stemBeside_) {
        // The stem reaches left from the body to its point, its straight edge level with it.
        QPainterPath stemPath;
        stemPath.moveTo(0.5, stemY_);
        stemPath.lineTo(body.left() + 1.0, stemY_);
        stemPath.lineTo(body.left() + 1.0, stemY_ + kStemWidth);
        stemPath.closeSubpath();
        return path.united(stemPath);
    }
    // The stem's straight edge rises from its point; its slope leans to the side with room.
    const double tipY = stemBelow_ ? height() - 0.5 : 0.5;
    const double baseY = stemBelow_ ? body.bottom() - 1.0 : body.top() + 1.0;
    const int lean = stemX_ + kStemWidth <= width() - kCornerRadius ? kStemWidth : -kStemWidth;
    QPainterPath stemPath;
    stemPath.moveTo(stemX_, tipY);
    stemPath.lineTo(stemX_, baseY);
    stemPath.lineTo(stemX_ + lean, baseY);
    stemPath.closeSubpath();
    return path.united(stemPath);
}

void BalloonWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateShape();
}

void BalloonWindow::updateShape() {
    if (masked_)
        setMask(QRegion(outline().toFillPolygon().toPolygon()));
    update();
}

void BalloonWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette tipPalette = QToolTip::palette();
    const QColor background = back_.isValid() ? back_ : tipPalette.color(QPalette::ToolTipBase);
    // The mask keeps whole pixels: those along the edge take the balloon's colour.
    if (masked_)
        painter.fillRect(rect(), background);
    painter.setPen(tipPalette.color(QPalette::ToolTipText));
    painter.setBrush(background);
    painter.drawPath(outline());
    const QColor textColor = fore_.isValid() ? fore_ : tipPalette.color(QPalette::ToolTipText);
    painter.setPen(textColor);
    const int left = bodyLeft() + kMargin;
    int y = bodyTop() + kMargin;
    if (!titleText_.isEmpty()) {
        int x = left;
        if (titleIcon_) {
            Icons::Get(pictureFor(titleIcon_)).paint(&painter, x, y, kIconSize, kIconSize);
            x += kIconSize + kSpacing;
        }
        painter.setFont(boldFont(font()));
        const QFontMetrics title(painter.font());
        painter.drawText(QRect(x, y, width() - x - kMargin, std::max(kIconSize, title.height())),
                         Qt::AlignVCenter | Qt::AlignLeft, titleText_);
        y += std::max(kIconSize, title.height()) + kSpacing;
        painter.setFont(font());
    }
    painter.drawText(QRect(left, y, bodySize_.width(), height() - y), Qt::TextWordWrap, bodyText_);
}

QPoint BalloonWindow::StemPoint() const {
    if (stemBeside_)
        return pos() + QPoint(0, stemY_);
    return pos() + QPoint(stemX_, stemBelow_ ? height() - 1 : 0);
}

void BalloonWindow::setStemBeside(bool beside) {
    if (stemBeside_ == beside)
        return;
    stemBeside_ = beside;
    relayout();
}

void BalloonWindow::PointBeside(const QPoint& screenPoint, bool upwards) {
    setStemBeside(true);
    stemY_ = upwards ? std::max(0, height() - kStemOffset - kStemWidth)
                     : std::min(kStemOffset, height() / 2);
    move(screenPoint.x(), screenPoint.y() - stemY_);
    updateShape();
}

void BalloonWindow::PointAt(const QPoint& screenPoint, bool centredBelow, const QRect& toolRect,
                            bool above) {
    setStemBeside(false);
    const QPoint point =
        centredBelow ? QPoint(toolRect.center().x(), toolRect.bottom() + 1) : screenPoint;
    const QRect screen = screenAround(point);
    const int wanted = centredBelow ? width() / 2 : (balloonShape_ ? kStemOffset : 0);
    const int left =
        std::max(screen.left(), std::min(point.x() - wanted, screen.right() + 1 - width()));
    stemX_ = std::clamp(point.x() - left, 0, width() - 1);
    const bool roomAbove = point.y() - height() + 1 >= screen.top();
    stemBelow_ = roomAbove && (above || point.y() + height() - 1 > screen.bottom());
    move(point.x() - stemX_, stemBelow_ ? point.y() - height() + 1 : point.y());
    updateShape();
}

void BalloonWindow::FollowHover(QWidget* tool, int delayMs, int visibleMs) {
    hoverTool_ = tool;
    hoverDelayMs_ = delayMs;
    hoverVisibleMs_ = visibleMs;
    hoverTimer_ = new QTimer(this);
    hoverTimer_->setSingleShot(true);
    connect(hoverTimer_, &QTimer::timeout, this, [this] {
        if (isVisible()) {
            hide();
            return;
        }
        PointAt(QCursor::pos() + QPoint(0, kIconSize), false, QRect());
        show();
        hoverTimer_->start(hoverVisibleMs_);
    });
    tool->installEventFilter(this);
}

void BalloonWindow::BelongTo(QWidget* field) {
    field_ = field;
    host_ = hostOf(field);
    if (auto* child = qobject_cast<QMdiSubWindow*>(host_.data()); child && child->mdiArea())
        connect(child->mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* now) {
            if (now != host_)
                hide();
        });
    qApp->installEventFilter(this);
}

bool BalloonWindow::endsTheBalloon(const QObject* watched, const QEvent* event) const {
    if (!field_ || !host_ || !watched->isWidgetType())
        return false;
    const auto* widget = static_cast<const QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Hide:
    case QEvent::Close:
        return widget == field_ || widget->isAncestorOf(field_) || widget == host_;
    case QEvent::WindowDeactivate:
        return widget == field_->window();
    case QEvent::MouseButtonPress:
        return qobject_cast<const QPushButton*>(widget) && host_->isAncestorOf(widget);
    case QEvent::KeyPress: {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        return (key == Qt::Key_Return || key == Qt::Key_Enter) &&
               (widget == host_ || host_->isAncestorOf(widget));
    }
    default:
        return false;
    }
}

bool BalloonWindow::eventFilter(QObject* watched, QEvent* event) {
    if (isVisible() && endsTheBalloon(watched, event))
        hide();
    if (watched == hoverTool_ && hoverTimer_) {
        if (event->type() == QEvent::Enter) {
            hoverTimer_->start(hoverDelayMs_);
        } else if (event->type() == QEvent::Leave) {
            hoverTimer_->stop();
            hide();
        }
    }
    return QWidget::eventFilter(watched, event);
}
