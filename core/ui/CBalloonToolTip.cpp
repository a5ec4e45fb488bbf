#include "core/ui/CBalloonToolTip.h"

#include "core/ui/Icons.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QToolTip>

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

} // namespace

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
    window_->show();
    window_->raise();
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
    , balloonShape_(balloonShape) {
    setObjectName(QStringLiteral("BalloonToolTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
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
    const int stem = balloonShape_ ? kStemHeight : 0;
    resize(bodySize_.width() + 2 * kMargin, bodySize_.height() + 2 * kMargin + stem);
    update();
}

QPainterPath BalloonWindow::outline() const {
    QPainterPath path;
    const int stem = balloonShape_ ? kStemHeight : 0;
    const QRectF body(0.5, stem + 0.5, width() - 1.0, height() - stem - 1.0);
    if (!balloonShape_) {
        path.addRect(body);
        return path;
    }
    path.addRoundedRect(body, kCornerRadius, kCornerRadius);
    QPainterPath stemPath;
    stemPath.moveTo(kStemOffset, 0.5);
    stemPath.lineTo(kStemOffset, stem + 1.0);
    stemPath.lineTo(kStemOffset + kStemWidth, stem + 1.0);
    stemPath.closeSubpath();
    return path.united(stemPath);
}

void BalloonWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette tipPalette = QToolTip::palette();
    painter.setPen(tipPalette.color(QPalette::ToolTipText));
    painter.setBrush(back_.isValid() ? back_ : tipPalette.color(QPalette::ToolTipBase));
    painter.drawPath(outline());
    const QColor textColor = fore_.isValid() ? fore_ : tipPalette.color(QPalette::ToolTipText);
    painter.setPen(textColor);
    int y = (balloonShape_ ? kStemHeight : 0) + kMargin;
    if (!titleText_.isEmpty()) {
        int x = kMargin;
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
    painter.drawText(QRect(kMargin, y, bodySize_.width(), height() - y), Qt::TextWordWrap,
                     bodyText_);
}

QPoint BalloonWindow::StemPoint() const {
    return balloonShape_ ? pos() + QPoint(kStemOffset, 0) : pos();
}

void BalloonWindow::PointAt(const QPoint& screenPoint, bool centredBelow, const QRect& toolRect) {
    if (centredBelow) {
        move(toolRect.center().x() - width() / 2, toolRect.bottom() + 1);
        return;
    }
    move(balloonShape_ ? screenPoint - QPoint(kStemOffset, 0) : screenPoint);
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

bool BalloonWindow::eventFilter(QObject* watched, QEvent* event) {
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
